// The MIXER.INI reader on any text: the input is the file, and every key
// the mixer reads is looked up in it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mixer/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    static const char* const sections[] = {"general", "default", "not compatible", "Virtual wave output"};
    static const char* const keys[] = {"WaveOutDevice", "Remix", "GoodWavePos", "WaveBlocks", "WaveBlockLen",
        "SamplesPerSec", "Virtual wave output"};
    for (const char* section : sections)
        for (const char* key : keys) {
            // A value read does not depend on the default; a missing one is the default.
            int a = profileInt(text, section, key, 12345), b = profileInt(text, section, key, -7);
            if (a != b && (a != 12345 || b != -7))
                __builtin_trap();
        }
    return 0;
}
