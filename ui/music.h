// Background music: General MIDI files from dat/, played by FluidSynth into
// the program's audio output. Music fails silently: a missing file, no
// soundfont or no sound device only means no music.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mixer/music_stream.h"

class QObject;
class Soundfont;
struct TuneState;

// The music player `mid_p`. It plays its file to the end and, at once and
// without a gap, from its beginning again; each time the file has played
// through, `notify` runs on the event thread.
//
// The synth works on the output's music thread (music_stream.h), ahead of
// what is heard: the soundfont is loaded there when the first tune begins,
// and each tune's file is read once, by Play. A tune that repeats is
// synthesised only until its second pass is kept (see Tune::make).
class TMediaPlayer {
public:
    TMediaPlayer();
    ~TMediaPlayer();
    std::string FileName;
    // Reads FileName and plays it from its start, what played before fading
    // out; false when it cannot.
    bool Play();
    // Fades the music out.
    void Stop();
    bool playing() const;
    // True once the file's second pass is kept and played from memory.
    bool fromMemory() const;
    std::function<void()> notify;

private:
    bool haveSoundfont();
    std::unique_ptr<Soundfont> soundfont_;
    bool searched_ = false;             // for the soundfont, once
    std::shared_ptr<TuneState> tune_;   // the tune last played, as the music thread tells of it
    QObject* notices_;                  // the passes' notices go to it; those still queued die with it
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
// be loaded is named in a box, once, with the candidate that plays instead;
// the music is silent only when none loads.
void chooseSoundfont(const std::string& path);
