// The mixer's session: its settings from MIXER.INI, taking and giving back
// the wave-output device, and the position clock.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/clock.h"
#include "core/paths.h"
#include "mixer/mix_internal.h"
#include "mixer/profile.h"

MixerState mixer;

namespace {
constexpr uint16_t CheckMark = 0x5432;

// The settings file's bytes: none when there is no file, an error when
// there is one that cannot be read (a folder, say).
std::string readSettings()
{
    std::ifstream in(mixerSettingsPath(), std::ios::binary);
    try {
        return {std::istreambuf_iterator<char>(in), {}};
    } catch (const std::exception&) {
        throw EMixerError("Cannot read the settings file");
    }
}

uint32_t rateOf(int code) { return code == 22 ? 22050 : code == 44 ? 44100 : 11025; }

// The device handed a block back. Nobody called: a block the device
// refuses stays free, and the next notice tries again.
void refillOnNotice()
{
    MixLock lock(audioLock());
    try {
        refill();
    } catch (const EMixerError&) {
    }
}
}

MixSession* checkSession(MixSession* s)
{
    if (!s || s != mixer.session || s->check1 != CheckMark || s->check2 != CheckMark)
        throw EMixerError("Invalid Session handle");
    return s;
}

MixSession* MixerInit(const MixConfig* config)
{
    MixLock lock(audioLock());
    if (mixer.session)
        throw EMixerError("Session already initialized");
    linkPool();
    if (config && config->size != 10)
        config = nullptr;
    int devices = waveOutDeviceCount();
    if (devices == 0)
        throw EMixerError("No wave output devices available");
    std::unique_ptr<MixSession> s(new (std::nothrow) MixSession);
    if (!s)
        throw EMixerError(MixOutOfMemory);
    s->check1 = s->check2 = CheckMark;

    const std::string ini = readSettings();
    int remix = profileInt(ini, "default", "Remix", 1);
    int goodWavePos = profileInt(ini, "default", "GoodWavePos", 0);
    int blocks = profileInt(ini, "default", "WaveBlocks", 3);
    int blockLen = profileInt(ini, "default", "WaveBlockLen", 0) & 0xFFFC;
    int rateCode = profileInt(ini, "default", "SamplesPerSec", 11);

    int id = profileInt(ini, "general", "WaveOutDevice", 0);
    s->deviceId = id >= devices ? -1 : id;
    WaveOutCaps caps;
    std::string name = waveOutGetCaps(s->deviceId, caps) ? caps.name.substr(0, 31) : "Unknown Device";
    if (profileInt(ini, "not compatible", name, 0) != 0)
        throw EMixerError(name + " is not compatible with the realtime mixer");
    s->deviceName = name;

    s->shiftMode = profileInt(ini, name, "Remix", remix) == 2;
    s->goodWavePos = profileInt(ini, name, "GoodWavePos", goodWavePos) == 1;
    s->blocks = std::clamp(profileInt(ini, name, "WaveBlocks", blocks), 2, MixBlockCount);
    if (config && (config->flags & MixConfigStereo) && config->channels > 1 && caps.channels > 1) {
        s->format.channels = 2;
        s->format.blockAlign = 2;
    }
    rateCode = profileInt(ini, name, "SamplesPerSec", rateCode);
    if (config && (config->flags & MixConfigRate)
        && (config->rateCode == 11 || config->rateCode == 22 || config->rateCode == 44))
        rateCode = config->rateCode;
    s->format.samplesPerSec = rateOf(rateCode);
    s->format.avgBytesPerSec = s->format.channels * s->format.samplesPerSec;
    int len = profileInt(ini, name, "WaveBlockLen", 0);
    if (len == 0)
        len = blockLen;
    if (len == 0)
        len = int(s->format.samplesPerSec / 11025 * 2048);
    s->blockLen = uint32_t(std::clamp(len, 512, int(MixBlockBytes)));

    mixer.session = s.get();
    return s.release();
}

void MixerActivate(MixSession* s, bool on)
{
    MixLock lock(audioLock());
    checkSession(s);
    if (!on) {
        if (s->active)
            s->mixPos = currentPosition(s);
        if (s->active && s->device) {
            resetDevice(s);
            closeBlocks(s);
            s->device.reset();
        }
        s->active = false;
        if (mixer.owner == s)
            mixer.owner = nullptr;
        return;
    }
    if (mixer.owner == s)
        return;
    if (mixer.owner)
        throw EMixerError("Resource is already allocated to a process");
    mixer.owner = s;
    if (!s->device) {
        int result = WaveOut::open(s->deviceId, s->format, refillOnNotice, s->device);
        if (result != WaveOk)
            throw EMixerError("Failed to open waveform output device #" + std::to_string(result));
        try {
            openBlocks(s);
        } catch (...) {
            s->device.reset();
            throw;
        }
    }
    s->active = true;
    syncPosition(s, s->mixPos);
    fillAndWrite(s);
}

void MixerCloseSession(MixSession* s)
{
    MixLock lock(audioLock());
    checkSession(s);
    MixerActivate(s, false);
    MixerCloseChannel(s, 0, MixCloseAll);
    mixer.session = nullptr;
    delete s;
}

MixPos devicePosition(MixSession* s) { return s->device ? s->device->position() : 0; }

MixPos currentPosition(MixSession* s)
{
    if (s->goodWavePos)
        return devicePosition(s) + s->posOffset;
    MixPos p = (msNow() - s->clockBase) * s->format.avgBytesPerSec / 1000;
    if (s->format.blockAlign >= 2 && (p & 1))
        --p;
    return p;
}

void syncPosition(MixSession* s, MixPos p)
{
    s->posOffset = p - devicePosition(s);
    s->clockBase = msNow() - p * 1000 / s->format.avgBytesPerSec;
    s->mixPos = p;
}

void resetDevice(MixSession* s)
{
    MixPos p = currentPosition(s);
    s->device->reset();
    syncPosition(s, p);
}
