#include "core/midi_file.h"

#include <algorithm>
#include <cstdint>

std::set<std::pair<int, int>> midiInstruments(const std::string& smf)
{
    auto byte = [&](size_t i) { return i < smf.size() ? unsigned(uint8_t(smf[i])) : 0u; };
    auto be32 = [&](size_t i) { return byte(i) << 24 | byte(i + 1) << 16 | byte(i + 2) << 8 | byte(i + 3); };
    constexpr unsigned Drums = 9;
    int bank[16] = {};
    std::set<std::pair<int, int>> found = {{0, 0}, {128, 0}};
    if (smf.compare(0, 4, "MThd") != 0)
        return found;
    for (size_t at = 8 + size_t(be32(4)); at + 8 <= smf.size() && smf.compare(at, 4, "MTrk") == 0;) {
        const size_t end = std::min<size_t>(at + 8 + be32(at + 4), smf.size());
        size_t i = at + 8;
        unsigned status = 0;
        auto varLen = [&] {   // four bytes at most
            size_t v = 0;
            for (int n = 0; n < 4; ++n) {
                v = v << 7 | (byte(i) & 0x7f);
                if (!(byte(i++) & 0x80))
                    break;
            }
            return v;
        };
        while (i < end) {
            varLen();   // the time since the last event
            if (byte(i) & 0x80)
                status = byte(i++);
            const unsigned kind = status & 0xf0, channel = status & 0x0f;
            if (status == 0xff) {   // meta event: type, length, data
                ++i;
                i += varLen();
            } else if (status == 0xf0 || status == 0xf7) {   // system exclusive: length, data
                i += varLen();
            } else if (kind == 0xb0 && byte(i) == 0) {   // bank select
                bank[channel] = int(byte(i + 1) & 0x7f);
                i += 2;
            } else if (kind == 0xc0) {   // program change
                found.insert({channel == Drums ? 128 : bank[channel], int(byte(i) & 0x7f)});
                i += 1;
            } else {
                i += kind == 0xd0 ? 1 : 2;
            }
        }
        at = end;
    }
    return found;
}
