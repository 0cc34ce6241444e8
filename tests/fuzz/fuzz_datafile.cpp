// Any bytes read as a data file give values or the input error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/datafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the pattern of integers and strings, as the
    // three files mix them; the rest is the file.
    const uint8_t pattern = data[0];
    DataReader in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    try {
        for (int i = 0; i < 700; ++i) {
            if (pattern >> (i % 8) & 1)
                in.readString();
            else
                in.readInt();
        }
    } catch (const EInOutError&) {
    }
    return 0;
}
