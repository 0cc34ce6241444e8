// Loading waves from a file or a RIFF image in memory, converted at once to
// the session's output format, and freeing them.
#include <fstream>
#include <iterator>

#include "mixer/mix_internal.h"
#include "mixer/riff_wave.h"

namespace {
constexpr int CannotOpen = 259;   // the file layer's "cannot open"

// The whole file. One that opens but cannot be read through (a directory,
// a failing disk) counts as one that cannot be opened.
std::vector<uint8_t> readWaveFile(const std::string& path)
{
    try {
        std::ifstream in(path, std::ios::binary);
        if (in)
            return {std::istreambuf_iterator<char>(in), {}};
    } catch (const std::ios_base::failure&) {
    }
    throw EMixerError("Failed to open wave file " + path);
}
}

MixWave* MixerOpenWave(MixSession* session, const MixWaveName& name, uint32_t flags)
{
    MixSession* s = checkSession(session);
    if (!waveOutSupports(s->deviceId, s->format))
        throw EMixerError("The waveform device can\xB4t play this format");
    try {
        auto wave = std::make_unique<MixWave>();
        RiffWave riff;
        if (flags & MixOpenResource) {
            // The program carries no resources.
            throw EMixerError("Failed to open \"WAVE\" resource "
                + (name.text.empty() ? std::to_string(name.resourceId) : name.text));
        } else if (flags & MixOpenMemory) {
            if (!name.buffer)
                throw EMixerError("Failed to open memory file, mmioOpen error=" + std::to_string(CannotOpen)
                    + ".#13May need to make sure memory is read-write");
            riff = readRiffWave(static_cast<const uint8_t*>(name.buffer), name.size, s->format.channels,
                s->format.samplesPerSec);
        } else {
            std::vector<uint8_t> image = readWaveFile(name.text);
            riff = readRiffWave(image.data(), image.size(), s->format.channels, s->format.samplesPerSec);
        }
        wave->format = riff.format;
        wave->data = std::move(riff.data);
        wave->name = name.text.substr(0, 15);
        return wave.release();
    } catch (const std::bad_alloc&) {
        throw EMixerError(MixOutOfMemory);
    }
}

void MixerFreeWave(MixSession* session, MixWave* wave)
{
    if (!wave)
        throw EMixerError("The given pointer was not valid");
    MixLock lock(audioLock());
    if (session && session == mixer.session)
        removeWavePlays(session, wave);
    delete wave;
}
