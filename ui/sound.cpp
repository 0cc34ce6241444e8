#include "ui/sound.h"

#include "core/paths.h"
#include "mixer/sound_mixer.h"
#include "ui/form1.h"

namespace {
// The wave of the file, loaded on its first cue and kept for the next ones.
MixWave* wave(const std::string& name)
{
    auto& waves = Form1->waves;
    auto it = waves.find(name);
    if (it == waves.end())
        it = waves.emplace(name, Form1->SoundMixer1->OpenWave(datPath(name))).first;
    return it->second;
}
}

void playCue(int channel, const std::string& name)
{
    if (!Form1->SoundMixer1)
        return;
    try {
        MixWave* w = wave(name);
        Form1->cueWave[channel] = w;
        Form1->SoundMixer1->Play(channel, w);
    } catch (const EMixerError&) {
    }
}

void openCueWaves()
{
    if (!Form1->SoundMixer1)
        return;
    try {
        for (MixWave*& slot : Form1->cueWave)
            slot = wave("1.wav");
    } catch (const EMixerError&) {
    }
}

void freeCueWaves()
{
    TForm1& f = *Form1;
    // The four slots first, from the last; then every other wave, each once.
    for (int ch = 3; ch >= 0; --ch) {
        for (auto it = f.waves.begin(); it != f.waves.end(); ++it) {
            if (it->second == f.cueWave[ch]) {
                try {
                    f.SoundMixer1->FreeWave(it->second);
                } catch (const EMixerError&) {
                }
                f.waves.erase(it);
                break;
            }
        }
        f.cueWave[ch] = nullptr;
    }
    for (auto& [name, w] : f.waves) {
        try {
            f.SoundMixer1->FreeWave(w);
        } catch (const EMixerError&) {
        }
    }
    f.waves.clear();
}
