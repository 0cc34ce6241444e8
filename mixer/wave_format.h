// The PCM wave format, as a RIFF "fmt " chunk declares it and as the
// wave-output device is opened with it.
#pragma once
#include <cstdint>

struct WaveFormat {
    uint16_t formatTag = 1;          // 1 = PCM
    uint16_t channels = 1;
    uint32_t samplesPerSec = 11025;
    uint32_t avgBytesPerSec = 11025;
    uint16_t blockAlign = 1;         // bytes per frame
    uint16_t bitsPerSample = 8;      // 8 = unsigned bytes (128 = silence), 16 = signed little-endian

    bool operator==(const WaveFormat&) const = default;
};
