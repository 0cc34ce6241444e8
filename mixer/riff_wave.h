// Reading RIFF WAVE images and converting their samples to the mixer's
// output format: 8-bit unsigned, mono or stereo, at the mixer's rate.
// No Qt here: the reader is fuzzed on its own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "mixer/wave_format.h"

struct RiffWave {
    WaveFormat format;           // as the file's "fmt " chunk declares it
    std::vector<uint8_t> data;   // the samples, converted
};

// Finds the RIFF "WAVE" form, its "fmt " chunk (16 bytes read, the rest
// ignored) and the "data" chunk after it, and converts the data to 8 bits,
// `channels` channels at `rate` samples per second. Raises EMixerError with
// the loader's messages; may throw std::bad_alloc.
RiffWave readRiffWave(const uint8_t* image, size_t size, int channels, uint32_t rate);

// The conversion alone: bits, then channels, then rate, each on whole
// samples (a trailing part-sample or part-frame is dropped). Data already in
// the output format is returned as it is.
std::vector<uint8_t> convertSamples(std::vector<uint8_t> data, const WaveFormat& from, int channels, uint32_t rate);
