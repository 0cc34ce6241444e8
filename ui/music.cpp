#include "ui/music.h"

#include <fluidsynth.h>

#include <QObject>
#include <algorithm>
#include <atomic>
#include <deque>
#include <filesystem>
#include <set>

#include "core/datafile.h"
#include "core/midi_file.h"
#include "core/paths.h"
#include "core/rng.h"
#include "core/text.h"
#include "mixer/wave_out.h"
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

// The synth with its soundfont: named on the event thread, loaded on the
// music thread when the first tune begins, and kept for every tune after.
// The player's own soundfont comes first; one that cannot be loaded gives
// way to the system's, and a box says which failed and what plays instead.
class Soundfont {
public:
    Soundfont(std::vector<std::string> paths, bool chosen, QObject* notices);
    ~Soundfont();
    // On the music thread: the synth, loaded on first use; null when no
    // soundfont can be loaded.
    fluid_synth_t* synth();
    int id() const { return id_; }
    std::atomic<bool> refused{false};

private:
    std::vector<std::string> paths_;
    bool chosen_;
    QObject* notices_;
    bool tried_ = false;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int id_ = FLUID_FAILED;
};

Soundfont::Soundfont(std::vector<std::string> paths, bool chosen, QObject* notices)
    : paths_(std::move(paths)), chosen_(chosen), notices_(notices)
{
}

Soundfont::~Soundfont()
{
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

fluid_synth_t* Soundfont::synth()
{
    if (tried_)
        return synth_;
    tried_ = true;
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", musicSampleRate);
    fluid_settings_setnum(settings_, "synth.gain", musicGain);
    // Only the samples of the instruments in use are read: a fraction of the
    // memory. Each tune has its own read before it is heard (Tune::start).
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    // No chorus, and at most 64 voices, as the wavetable synths of the
    // game's day had: the tunes lose nothing audible, the synth half its work.
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.polyphony", 64);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    const auto loaded = std::find_if(paths_.begin(), paths_.end(), [this](const std::string& path) {
        return fluid_is_soundfont(path.c_str()) && (id_ = fluid_synth_sfload(synth_, path.c_str(), 1)) != FLUID_FAILED;
    });
    if (loaded == paths_.end()) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        refused = true;
    }
    if (chosen_ && loaded != paths_.begin()) {
        const auto shown = [](const std::string& path) { return toCp932(path).value_or(path); };
        const std::string text =
            loaded == paths_.end()
                ? fill("音色ファイルを読み込めませんでした。音楽なしで続けます。\r%1"_sj, {shown(paths_[0])})
                : fill("音色ファイルを読み込めませんでした。\r%1\r代わりにこちらで演奏します。\r%2"_sj,
                       {shown(paths_[0]), shown(*loaded)});
        postNotice(notices_, [text] { showMessage(text); });
    }
    return synth_;
}

// What the music thread tells the event thread of a tune.
struct TuneState {
    std::atomic<bool> over{false};         // it could not start, or stopped
    std::atomic<bool> fromMemory{false};   // its second pass is kept and played again
};

namespace {

// One tune, played from its file's bytes on the music thread.
class Tune : public MusicSource {
public:
    Tune(Soundfont& font, std::string smf, std::shared_ptr<TuneState> state, QObject* notices,
        std::function<void()> notify)
        : font_(font), smf_(std::move(smf)), state_(std::move(state)), notices_(notices), notify_(std::move(notify))
    {
    }
    ~Tune() override;
    bool make(int16_t* out, int frames) override;
    void heard(uint64_t frames) override;

private:
    bool start();
    Soundfont& font_;
    std::string smf_;
    std::set<std::pair<int, int>> pinned_;   // the instruments whose samples it keeps read
    std::shared_ptr<TuneState> state_;
    QObject* notices_;
    std::function<void()> notify_;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    int lastTick_ = 0;
    // The second pass of the file, kept as it was heard (up to five
    // minutes), then played from memory (loopAt_ is the next sample).
    static constexpr size_t MaxKept = size_t(musicSampleRate) * 2 * 300;
    uint64_t written_ = 0;   // frames the synth has made
    int passes_ = 0;         // times the file has begun again
    std::vector<int16_t> pass_, loop_;
    size_t loopAt_ = 0;
    uint64_t made_ = 0;                // frames handed to the stream
    std::deque<uint64_t> passStarts_;  // where the passes not yet heard begin, in those frames
};

Tune::~Tune()
{
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
    }
    for (const auto& [bank, program] : pinned_)
        fluid_synth_unpin_preset(synth_, font_.id(), bank, program);
}

// The synth is reset (every channel back to its first instrument, the last
// tune's voices silenced at once rather than left to ring out their release
// into this one). The samples of every instrument the tune chooses are read
// now, before its first batch is done, and kept while it plays: none is read
// in its middle, nor again at each pass. It plays the file's bytes, read
// once by Play: the player parses them again at each pass, without a file.
bool Tune::start()
{
    if (!(synth_ = font_.synth()))
        return false;
    fluid_synth_system_reset(synth_);
    for (int channel = 0; channel < fluid_synth_count_midi_channels(synth_); ++channel)
        fluid_synth_cc(synth_, channel, 120, 0);   // all sound off
    for (const auto& [bank, program] : midiInstruments(smf_))
        if (fluid_synth_pin_preset(synth_, font_.id(), bank, program) == FLUID_OK)
            pinned_.insert({bank, program});
    player_ = new_fluid_player(synth_);
    fluid_player_add_mem(player_, smf_.data(), smf_.size());
    fluid_player_set_loop(player_, -1);
    return fluid_player_play(player_) == FLUID_OK;
}

// The synth works in blocks of 64 frames and the file begins again at the
// start of a block: it is written a block at most at a time, so that the
// first pass after the first is known to the frame. That pass is kept, and
// played again from memory from then on, without the synth's work: it
// sounds as every later pass would, the echo of the last one's end included.
bool Tune::make(int16_t* out, int frames)
{
    if (!player_ && !start()) {
        state_->over = true;
        return false;
    }
    int done = 0;
    while (done < frames && loop_.empty()) {
        const int n = std::min(frames - done, int(64 - written_ % 64));
        int16_t* at = out + 2 * done;
        fluid_synth_write_s16(synth_, n, at, 0, 2, at, 1, 2);
        written_ += n;
        done += n;
        const int tick = fluid_player_get_current_tick(player_);
        if (tick < lastTick_) {   // the file began again with this block
            passStarts_.push_back(made_ + uint64_t(done - n));
            if (++passes_ == 2 && pass_.size() < MaxKept) {
                loop_ = std::move(pass_);
                loopAt_ = 0;
                state_->fromMemory = true;
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
            passStarts_.push_back(made_ + uint64_t(done + 1));
        }
    }
    made_ += uint64_t(frames);
    if (fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING) {
        state_->over = true;
        return false;
    }
    return true;
}

// A pass is told as the output reaches it.
void Tune::heard(uint64_t frames)
{
    for (; !passStarts_.empty() && passStarts_.front() <= frames; passStarts_.pop_front())
        if (notify_)
            postNotice(notices_, notify_);
}

} // namespace

TMediaPlayer::TMediaPlayer() : notices_(new QObject) {}

// The music thread lets the tune go before the synth and the notices' object do.
TMediaPlayer::~TMediaPlayer()
{
    setMusicSource(nullptr);
    waitForMusic();
    delete notices_;
}

bool TMediaPlayer::haveSoundfont()
{
    if (!searched_) {
        searched_ = true;
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        std::vector<std::string> paths;
        if (!chosen.empty())
            paths.push_back(chosen);
        for (const std::string& path : soundfontCandidates())
            if (path != chosen && std::filesystem::exists(path))
                paths.push_back(path);
        if (!paths.empty())
            soundfont_ = std::make_unique<Soundfont>(std::move(paths), !chosen.empty(), notices_);
    }
    return soundfont_ && !soundfont_->refused;
}

bool TMediaPlayer::Play()
{
    Stop();
    std::string smf;
    try {
        smf = readDataFile(FileName);
    } catch (const EInOutError&) {
        return false;
    }
    if (smf.compare(0, 4, "MThd") != 0 || !haveSoundfont())
        return false;
    tune_ = std::make_shared<TuneState>();
    setMusicSource(std::make_unique<Tune>(*soundfont_, std::move(smf), tune_, notices_, notify));
    return true;
}

void TMediaPlayer::Stop()
{
    if (!tune_)
        return;
    tune_.reset();
    setMusicSource(nullptr);
}

bool TMediaPlayer::fromMemory() const { return tune_ && tune_->fromMemory; }

bool TMediaPlayer::playing() const { return tune_ && !tune_->over; }

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
