// A test game: the real main window on a private copy of the program's
// folder, with boxes answered by the test and every box text recorded.
#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mixer/audio_output.h"
#include "tests/support/app.h"
#include "ui/form1.h"

class QTimer;

// Rows of text a label shows for a caption, laid out as the label lays it out.
inline int rows(const TLabel* label, const std::string& cp932)
{
    return label->textHeight(cp932) / label->font().pixelSize();
}

// The first text the window shows with anything Japanese in it (kana,
// kanji, full-width forms, the Japanese brackets and marks), "" when none.
// The names the player typed are the player's, in any language.
std::string japaneseShown(const TForm1& f);

class TestGame {
public:
    // The virtual output plays only when a test steps it, unless it is told
    // to play in real time, on a thread of its own. `prepare` may change the
    // program's folder before the window starts on it.
    explicit TestGame(VirtualAudio audio = VirtualAudio::Manual,
                      const std::function<void(const TempAppDir&)>& prepare = {});
    ~TestGame();
    TForm1& form() { return *form_; }
    // Answers for the next confirmations, in order (No once they run out).
    std::deque<bool> answers;
    // Every box and confirmation text shown, CP932.
    std::vector<std::string> boxes;
    // The cues queued on a channel of the mixer, oldest first, by file name.
    // The virtual output plays nothing until a test steps it, so every cue
    // played stays in its queue.
    std::vector<std::string> cues(int channel);
    // All cues queued on the four channels.
    size_t cueCount();

    // Clicks through every click wait from now on, as a patient player
    // would, and keeps what the message line said at each wait.
    void clickThrough();
    std::vector<std::string> said;
    // Called at each wait, before its click.
    std::function<void()> onWait;
    TempAppDir dir;

private:
    std::unique_ptr<TForm1> form_;
    QTimer* clicker_ = nullptr;
};
