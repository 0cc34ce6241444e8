// Any bytes read as a data file give values or the input error, never a
// crash. A string never holds a control character. A file read whole (the
// save) gives the same values as one read leniently (the tables) until it
// fails, and it fails only where the lenient reader is past the end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/datafile.h"

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the pattern of integers and strings, as the
    // three files mix them; the rest is the file.
    const uint8_t pattern = data[0];
    const std::string file(reinterpret_cast<const char*>(data) + 1, size - 1);
    DataReader lenient(file), whole(file, "my.dat", PastEnd::Error);
    bool wholeFailed = false;
    try {
        for (int i = 0; i < 700; ++i) {
            if (pattern >> (i % 8) & 1) {
                const std::string s = lenient.readString();
                for (char c : s)
                    check((unsigned char)c >= 0x20);
                if (!wholeFailed) {
                    try {
                        check(whole.readString() == s);
                    } catch (const EInOutError&) {
                        check(s.empty());
                        wholeFailed = true;
                    }
                }
            } else {
                const int32_t v = lenient.readInt();
                if (!wholeFailed) {
                    try {
                        check(whole.readInt() == v);
                    } catch (const EInOutError&) {
                        check(v == 0);
                        wholeFailed = true;
                    }
                }
            }
        }
    } catch (const EInOutError&) {
    }
    return 0;
}
