// TSoundMixer: the mixer as a component of a window. It holds one session
// (made when the component is made, closed when it goes) and offers the few
// operations a game needs.
//
//   auto* mixer = new TSoundMixer(window);   // MIXER.INI read, mono, no device yet
//   mixer->setActivated(true);               // takes the wave-output device
//   mixer->setChannels(15);                  // opens channels 0 to 3
//   MixWave* w = mixer->OpenWave(path);      // load once, play often
//   mixer->Play(0, w);                       // queued on channel 0
//   mixer->FreeWave(w);                      // drops its plays, frees it
//
// If the program has chosen no audio output yet, the component chooses the
// default one (useDefaultAudio). Every failure is raised as EMixerError.
#pragma once
#include <QObject>

#include "mixer/mixer.h"

class TSoundMixer : public QObject {
public:
    explicit TSoundMixer(QObject* owner = nullptr);
    ~TSoundMixer() override;

    // Whether the session holds the wave-output device.
    bool Activated() const { return activated_; }
    void setActivated(bool on);
    // Bit i set: channel i is open. 255 opens all, 0 closes all.
    uint8_t Channels() const { return channels_; }
    void setChannels(uint8_t channels);

    MixWave* OpenWave(const std::string& fileName);
    void FreeWave(MixWave* wave);
    // Plays `wave` on `channel` (flags: MixClearQueue, ...; loops: extra
    // repetitions). `notify`, if given, is told when the play has ended.
    void Play(int channel, MixWave* wave, MixNotify notify = {}, uint32_t flags = 0, uint16_t loops = 0);

    MixSession* session() const { return session_; }

private:
    MixSession* session_;
    MixPlayParams params_;
    bool activated_ = false;
    uint8_t channels_ = 0;
};
