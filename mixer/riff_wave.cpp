#include "mixer/riff_wave.h"

#include <algorithm>

#include "mixer/mixer_error.h"

namespace {

uint32_t le16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t le32(const uint8_t* p) { return le16(p) | le16(p + 2) << 16; }

constexpr uint32_t fourcc(const char (&s)[5])
{
    return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 | uint32_t(uint8_t(s[2])) << 16
        | uint32_t(uint8_t(s[3])) << 24;
}

// Walks the chunks from `at` up to `end`, each skipped with its pad byte,
// to the first one named `id` (for a RIFF chunk: of form type `form`).
// On success `at` is the chunk's data and `size` its declared size.
bool findChunk(const uint8_t* image, size_t end, size_t& at, uint32_t id, uint32_t form, uint32_t& size)
{
    while (at + 8 <= end) {
        uint32_t ckId = le32(image + at), ckSize = le32(image + at + 4);
        if (ckId == id && (form == 0 || (at + 12 <= end && le32(image + at + 8) == form))) {
            at += 8;
            size = ckSize;
            return true;
        }
        at = size_t(std::min<uint64_t>(end, at + 8 + uint64_t(ckSize) + (ckSize & 1)));
    }
    return false;
}

void unsupported() { throw EMixerError("File format not supported"); }

// 16 bits to 8: the high byte with its top bit inverted.
std::vector<uint8_t> toEightBits(const std::vector<uint8_t>& in)
{
    std::vector<uint8_t> out(in.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = uint8_t(le16(&in[2 * i]) / 256 + 128);
    return out;
}

std::vector<uint8_t> toChannels(const std::vector<uint8_t>& in, int from, int to)
{
    size_t frames = in.size() / from;
    std::vector<uint8_t> out(frames * to);
    for (size_t i = 0; i < frames; ++i)
        if (from == 1)
            out[2 * i] = out[2 * i + 1] = in[i];
        else
            out[i] = uint8_t((in[2 * i] + in[2 * i + 1]) / 2);
    return out;
}

// Up by the whole factor k = R / r: straight steps between neighbouring
// frames, the last frame repeated.
std::vector<uint8_t> upsample(const std::vector<uint8_t>& in, size_t f, uint32_t k)
{
    size_t frames = in.size() / f;
    std::vector<uint8_t> out(frames * k * f);
    for (size_t i = 0; i < frames; ++i)
        for (size_t p = 0; p < f; ++p) {
            int a = in[i * f + p];
            int step = i + 1 < frames ? (in[(i + 1) * f + p] - a) / int(k) : 0;
            for (uint32_t j = 0; j < k; ++j)
                out[(i * k + j) * f + p] = uint8_t(a + int(j) * step);
        }
    return out;
}

// Down by d (the ratio rounded): each output frame the average of d frames,
// the last one a copy of the frame after the last averaged group.
std::vector<uint8_t> downsample(const std::vector<uint8_t>& in, size_t f, uint64_t d)
{
    size_t m = in.size() / f / d;
    std::vector<uint8_t> out(m * f);
    for (size_t o = 0; o + 1 < m; ++o)
        for (size_t p = 0; p < f; ++p) {
            int64_t sum = 0;
            for (uint64_t t = 0; t < d; ++t)
                sum += in[(o * d + t) * f + p] - 128;
            out[o * f + p] = uint8_t(128 + sum / int64_t(d));
        }
    if (m > 0)
        std::copy_n(&in[(m - 1) * d * f], f, &out[(m - 1) * f]);
    return out;
}

} // namespace

std::vector<uint8_t> convertSamples(std::vector<uint8_t> data, const WaveFormat& from, int channels, uint32_t rate)
{
    if (from.channels == channels && from.samplesPerSec == rate && from.bitsPerSample == 8)
        return data;
    if (from.bitsPerSample != 8 && from.bitsPerSample != 16)
        unsupported();
    if (from.bitsPerSample == 16)
        data = toEightBits(data);
    // Only mono and stereo files, and only real rates, can be converted.
    if ((from.channels != 1 && from.channels != 2) || from.samplesPerSec == 0)
        unsupported();
    if (from.channels != channels)
        data = toChannels(data, from.channels, channels);
    uint32_t r = from.samplesPerSec;
    if (r < rate)
        data = upsample(data, channels, rate / r);
    else if (r > rate)
        data = downsample(data, channels, (uint64_t(r) + rate / 2) / rate);
    if (data.empty())
        throw EMixerError("Failed to convert wave format");
    return data;
}

RiffWave readRiffWave(const uint8_t* image, size_t size, int channels, uint32_t rate)
{
    size_t at = 0;
    uint32_t chunk = 0;
    if (!findChunk(image, size, at, fourcc("RIFF"), fourcc("WAVE"), chunk))
        throw EMixerError("This is not a WAVE file");
    size_t riffEnd = size_t(std::min<uint64_t>(size, uint64_t(at) + chunk));
    at += 4;
    if (!findChunk(image, riffEnd, at, fourcc("fmt "), 0, chunk))
        throw EMixerError("WAVE file is corrupted");
    if (chunk < 16 || at + 16 > size)
        throw EMixerError("Failed to read format chunk");
    RiffWave wave;
    const uint8_t* f = image + at;
    wave.format = {uint16_t(le16(f)), uint16_t(le16(f + 2)), le32(f + 4), le32(f + 8), uint16_t(le16(f + 12)),
        uint16_t(le16(f + 14))};
    if (wave.format.formatTag != 1)
        throw EMixerError("The file is not a PCM file");
    at = size_t(std::min<uint64_t>(riffEnd, at + uint64_t(chunk) + (chunk & 1)));
    if (!findChunk(image, riffEnd, at, fourcc("data"), 0, chunk))
        throw EMixerError("WAVE file has no data chunk");
    if (chunk == 0)
        throw EMixerError("The data chunk has no data");
    if (chunk > size - at)
        throw EMixerError("Failed to read data chunk");
    wave.data = convertSamples({image + at, image + at + chunk}, wave.format, channels, rate);
    return wave;
}
