#include "ui/music.h"

#include <fluidsynth.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "core/paths.h"
#include "core/rng.h"
#include "mixer/audio_output.h"
#include "mixer/wave_out.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"

namespace {
std::string chosen;
// Debian's soundfonts are quiet at FluidSynth's default gain of 0.2; this
// sets the music a little under the sound effects.
constexpr double musicGain = 0.5;
}

std::vector<std::string>& soundfontCandidates()
{
    static std::vector<std::string> paths = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/FluidR3Mono_GM.sf3",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
    };
    return paths;
}

void chooseSoundfont(const std::string& path) { chosen = path; }

TMediaPlayer::TMediaPlayer() = default;

TMediaPlayer::~TMediaPlayer()
{
    setMusicSource({}, musicSampleRate);
    if (player_)
        delete_fluid_player(player_);
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

bool TMediaPlayer::loadSynth()
{
    if (synth_ || refused_)
        return synth_;
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    const auto found = std::find_if(soundfontCandidates().begin(), soundfontCandidates().end(),
                                    [](const std::string& p) { return std::filesystem::exists(p); });
    if (chosen.empty() && found == soundfontCandidates().end())
        return false;
    const std::string soundfont = chosen.empty() ? *found : chosen;
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", musicSampleRate);
    fluid_settings_setnum(settings_, "synth.gain", musicGain);
    // Samples are read when an instrument is first used: a fraction of the memory.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    // No chorus, and at most 64 voices, as the wavetable synths of the
    // game's day had: the tunes lose nothing audible, the synth half its work.
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.polyphony", 64);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    if (!fluid_is_soundfont(soundfont.c_str()) || fluid_synth_sfload(synth_, soundfont.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
        synth_ = nullptr;
        settings_ = nullptr;
        if (!chosen.empty()) {
            refused_ = true;
            const std::string text = fill("音色ファイルを読み込めませんでした。音楽なしで続けます。\r%1"_sj,
                                          {toCp932(soundfont).value_or(soundfont)});
            QTimer::singleShot(0, qApp, [text] { showMessage(text); });
        }
        return false;
    }
    return true;
}

// On the output's thread, with the audio lock held. The music is made a
// batch ahead of the output: through a batch the synth's voices stay in the
// processor's caches, which spares a third of its work against making each
// short period of the output on its own. A pass's notice is posted as the
// output reaches the pass.
void TMediaPlayer::render(int16_t* out, int frames)
{
    while (frames > 0) {
        if (aheadAt_ == Batch) {
            passStarts_.clear();
            make(ahead_.data(), Batch);
            aheadAt_ = 0;
        }
        const int n = std::min(frames, Batch - aheadAt_);
        std::copy_n(ahead_.data() + 2 * aheadAt_, 2 * n, out);
        out += 2 * n;
        frames -= n;
        aheadAt_ += n;
        for (int& start : passStarts_)
            if (start >= 0 && start <= aheadAt_) {
                start = -1;
                if (notify)
                    postNotice(qApp, notify);
            }
    }
}

// The synth works in blocks of 64 frames and the file begins again at the
// start of a block: it is written a block at most at a time, so that the
// first pass after the first is known to the frame. That pass is kept, and
// played again from memory from then on, without the synth's work: it
// sounds as every later pass would, the echo of the last one's end included.
void TMediaPlayer::make(int16_t* out, int frames)
{
    int done = 0;
    while (done < frames && loop_.empty()) {
        const int n = std::min(frames - done, int(64 - written_ % 64));
        int16_t* at = out + 2 * done;
        fluid_synth_write_s16(synth_, n, at, 0, 2, at, 1, 2);
        written_ += n;
        done += n;
        const int tick = fluid_player_get_current_tick(player_);
        if (tick < lastTick_) {   // the file began again with this block
            passStarts_.push_back(done - n);
            if (++passes_ == 2 && pass_.size() < MaxKept) {
                loop_ = std::move(pass_);
                loopAt_ = 0;
                done -= n;   // this block is played from the kept pass, which begins alike
            }
            pass_.clear();
        }
        lastTick_ = tick;
        if (passes_ == 1 && pass_.size() < MaxKept)
            pass_.insert(pass_.end(), at, at + 2 * n);
    }
    for (; done < frames && !loop_.empty(); ++done) {
        out[2 * done] = loop_[loopAt_];
        out[2 * done + 1] = loop_[loopAt_ + 1];
        if ((loopAt_ += 2) == loop_.size()) {
            loopAt_ = 0;
            passStarts_.push_back(done + 1);
        }
    }
}

bool TMediaPlayer::Play()
{
    Stop();
    const std::string path = FileName;
    if (!fluid_is_midifile(path.c_str()) || !loadSynth())
        return false;
    std::lock_guard lock(audioLock());
    player_ = new_fluid_player(synth_);
    fluid_player_add(player_, path.c_str());
    fluid_player_set_loop(player_, -1);
    lastTick_ = 0;
    if (fluid_player_play(player_) != FLUID_OK)
        return false;
    setMusicSource([this](int16_t* out, int frames) { render(out, frames); }, musicSampleRate);
    return true;
}

void TMediaPlayer::Stop()
{
    if (!player_)
        return;
    std::lock_guard lock(audioLock());
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_system_reset(synth_);
    setMusicSource({}, musicSampleRate);   // the output mixes no music until the next tune
    passes_ = 0;
    pass_ = {};
    loop_ = {};
    aheadAt_ = Batch;   // what was made ahead is not heard
}

bool TMediaPlayer::fromMemory() const
{
    std::lock_guard lock(audioLock());
    return !loop_.empty();
}

bool TMediaPlayer::playing() const
{
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

void playMusic(const std::string& name)
{
    if (name.empty())
        return;
    if (name == "not") {
        Form1->mid_p->Stop();
        return;
    }
    Form1->mid_p->FileName = datPath(name);
    Form1->mid_p->Play();
}

void playAreaMusic()
{
    static const char* const tracks[4] = {"miruhe.mid", "allto1.mid", "modesty.mid", "iknewme.mid"};
    playMusic(tracks[R(4)]);
}

// The file has played through and the synth has begun it again; should it
// have stopped instead, it is started once more from its beginning.
void TForm1::mid_pNotify()
{
    if (!mid_p->playing())
        mid_p->Play();
}
