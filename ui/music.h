// Background music: General MIDI files from dat/, played by FluidSynth into
// the program's audio output. Music fails silently: a missing file, no
// soundfont or no sound device only means no music.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Music is synthesised at 22050 Hz: half the work of 44100 Hz for little
// loss in these tunes. A tune that repeats is synthesised only until its
// second pass is kept (see TMediaPlayer::render).
constexpr int musicSampleRate = 22050;

struct _fluid_hashtable_t;
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// The music player `mid_p`. It plays its file to the end and, at once and
// without a gap, from its beginning again; each time the file has played
// through, `notify` runs on the event thread.
class TMediaPlayer {
public:
    TMediaPlayer();
    ~TMediaPlayer();
    std::string FileName;
    // Opens FileName and plays it from its start; false when it cannot.
    bool Play();
    void Stop();
    bool playing() const;
    // True once the file's second pass is kept and played from memory.
    bool fromMemory() const;
    std::function<void()> notify;

private:
    bool loadSynth();
    void render(int16_t* out, int frames);
    void make(int16_t* out, int frames);
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    int lastTick_ = 0;
    // The second pass of the file, kept as it was heard (up to five
    // minutes), then played from memory (loopAt_ is the next sample);
    // freed when the music stops.
    static constexpr size_t MaxKept = size_t(musicSampleRate) * 2 * 300;
    uint64_t written_ = 0;   // frames the synth has made
    int passes_ = 0;         // times the file has begun again
    std::vector<int16_t> pass_, loop_;
    size_t loopAt_ = 0;
    // The music made ahead of the output (aheadAt_ frames of it handed out),
    // and where passes begin in it (-1 once told).
    static constexpr int Batch = 2048;   // 93 ms
    std::vector<int16_t> ahead_ = std::vector<int16_t>(2 * Batch);
    int aheadAt_ = Batch;
    std::vector<int> passStarts_;
    bool refused_ = false;   // the chosen soundfont could not be loaded
};

// "not" stops the music, an empty name keeps it, any other name plays
// dat/<name> (from its start, looping).
void playMusic(const std::string& name);
// One of the four area tracks, at random.
void playAreaMusic();

// Where the soundfont is looked for, first found first: Debian's default
// General MIDI soundfont, then the ones Debian ships by name.
std::vector<std::string>& soundfontCandidates();
// The player's own soundfont ("" for the candidates above). One that cannot
// be loaded is named in a box, once, and the music stays silent.
void chooseSoundfont(const std::string& path);
