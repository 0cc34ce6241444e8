// The RIFF WAVE reader and the conversion, on any bytes: the first byte
// picks the output format (mono or stereo; 11025, 22050 or 44100 Hz), the
// rest is the image. Failures must be the reader's own errors.
#include <cstddef>
#include <cstdint>
#include <new>

#include "mixer/mixer_error.h"
#include "mixer/riff_wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const uint32_t rates[] = {11025, 22050, 44100};
    int channels = data[0] & 1 ? 2 : 1;
    uint32_t rate = rates[(data[0] >> 1) % 3];
    try {
        RiffWave wave = readRiffWave(data + 1, size - 1, channels, rate);
        if (wave.data.empty())
            __builtin_trap();   // a wave always has data
    } catch (const EMixerError&) {
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
