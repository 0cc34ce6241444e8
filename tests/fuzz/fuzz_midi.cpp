// The search of a MIDI file for its instruments, on any bytes: it ends, and
// finds nothing outside the banks and programs a file can name.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/midi_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string smf(reinterpret_cast<const char*>(data), size);
    for (const auto& [bank, program] : midiInstruments(smf))
        if (bank < 0 || bank > 128 || program < 0 || program > 127)
            __builtin_trap();
    return 0;
}
