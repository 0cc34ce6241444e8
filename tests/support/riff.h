// For the mixer's tests: RIFF WAVE images built in memory, and errors.
#pragma once
#include <cstdint>
#include <string>

#include "mixer/mixer_error.h"
#include "mixer/wave_format.h"

// The mixer's error text of what f raises, or "no error".
template <class F>
std::string errorOf(F f)
{
    try {
        f();
    } catch (const EMixerError& e) {
        return e.what();
    }
    return "no error";
}

inline std::string le(uint32_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += char(v >> (8 * i) & 0xFF);
    return s;
}

// A PCM format with its block alignment and byte rate worked out.
inline WaveFormat pcm(int channels, uint32_t rate, int bits)
{
    uint16_t align = uint16_t(channels * bits / 8);
    return {1, uint16_t(channels), rate, rate * align, align, uint16_t(bits)};
}

// A chunk with its declared size (the real size unless given) and its pad byte.
inline std::string chunk(const std::string& id, const std::string& data, int64_t size = -1)
{
    return id + le(uint32_t(size < 0 ? data.size() : size), 4) + data + (data.size() % 2 ? std::string(1, '\0') : "");
}

inline std::string fmtData(const WaveFormat& f)
{
    return le(f.formatTag, 2) + le(f.channels, 2) + le(f.samplesPerSec, 4) + le(f.avgBytesPerSec, 4)
        + le(f.blockAlign, 2) + le(f.bitsPerSample, 2);
}

inline std::string riff(const std::string& chunks) { return chunk("RIFF", "WAVE" + chunks); }

// The plain layout: "fmt " then "data".
inline std::string waveImage(const WaveFormat& f, const std::string& data)
{
    return riff(chunk("fmt ", fmtData(f)) + chunk("data", data));
}
