#include "mixer/sound_mixer.h"

#include "mixer/audio_output.h"

namespace {
MixSession* newSession()
{
    useDefaultAudio();
    MixConfig config;
    return MixerInit(&config);
}
}

TSoundMixer::TSoundMixer(QObject* owner) : QObject(owner), session_(newSession())
{
    params_.session = session_;
}

TSoundMixer::~TSoundMixer()
{
    try {
        setChannels(0);
        setActivated(false);
        MixerCloseSession(session_);
    } catch (const EMixerError&) {
        // Nothing is left to tell at this point.
    }
}

void TSoundMixer::setActivated(bool on)
{
    if (on == activated_)
        return;
    MixerActivate(session_, on);
    activated_ = on;
}

void TSoundMixer::setChannels(uint8_t v)
{
    if (v == channels_)
        return;
    if (v == 255) {
        MixerOpenChannel(session_, 0, MixOpenAll);
    } else if (v == 0) {
        MixerCloseChannel(session_, 0, MixCloseAll);
    } else {
        for (int i = 0; i < 8; ++i) {
            int bit = 1 << i;
            if ((v & bit) == (channels_ & bit))
                continue;
            if (v & bit)
                MixerOpenChannel(session_, i, MixOpenOne);
            else
                MixerCloseChannel(session_, i, 0);
        }
    }
    channels_ = v;
}

MixWave* TSoundMixer::OpenWave(const std::string& fileName) { return MixerOpenWave(session_, {fileName}, 1); }

void TSoundMixer::FreeWave(MixWave* wave) { MixerFreeWave(session_, wave); }

void TSoundMixer::Play(int channel, MixWave* wave, MixNotify notify, uint32_t flags, uint16_t loops)
{
    params_.channel = channel;
    params_.wave = wave;
    params_.notify = std::move(notify);
    params_.flags = flags;
    params_.loops = loops;
    MixerPlay(&params_);
}
