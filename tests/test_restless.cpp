// A restless player: presses whatever lies under the mouse with any of its
// buttons, hits and holds the game's keys and others, types and pastes odd
// text into the name, at random moments: inside click waits, typing, fades,
// deaths and GAME OVER as well as between them. Every press goes through
// the window's event queue, as the player's own would. After every event
// the world must still make sense, and in English nothing Japanese is shown
// but a typed name. It plays in Japanese and in English, and switches
// between them on the title.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <random>
#include <sstream>

#include "core/language.h"
#include "core/paths.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/dialogs.h"

// What the libraries below the window keep until the process ends is not
// the game's to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }

namespace {

// Texts a player might paste as a name: line ends, control characters,
// characters with no CP932 form, far too much.
const char* const pastes[] = {
    "ab\ncd", "ab\r\ncd", "\t\x01\x1b[0m", "ｋ", "k", "", "😀魂", "한국", "  ", "ミルヘ\r",
    "あいうえおかきくけこさしすせそたちつてと", "\x7f", "名前\0隠す", "¥~\\",
};

class Restless {
public:
    // yesChance: how often a confirmation (a new game, a ranking reset) is
    // answered yes, in percent.
    Restless(TestGame& game, uint32_t seed, int yesChance)
        : game_(game), f_(game.form()), seed_(seed), yesChance_(yesChance), rng_(seed)
    {
        game_.answers.clear();
        record_ = guardRecord();
        save_ = readFile(datPath("my.dat"));
        // The window's timers tick at the player's pace, so that a seed
        // plays the same game on any machine.
        for (QTimer* t : {f_.Timer1, f_.Timer3, f_.Timer4})
            t->stop();
        timer_ = new QTimer(&f_);
        QObject::connect(timer_, &QTimer::timeout, [this] { tick(); });
        timer_->start(0);
    }

    // Plays until `actions` events have been sent, or a check fails.
    void play(int actions)
    {
        while (sent_ < actions && !failed_)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        timer_->stop();   // the loop ends only between scenes: nothing is left half done
    }

    bool failed() const { return failed_; }

private:
    int pick(int n) { return int(rng_() % unsigned(n)); }

    void note(const std::string& event)
    {
        log_.push_back(std::to_string(sent_) + ": " + event);
        if (log_.size() > 40)
            log_.pop_front();
    }

    void fail(const std::string& what)
    {
        if (failed_)
            return;
        failed_ = true;
        std::ostringstream out;
        out << what << "\nseed " << seed_ << ", event " << sent_ << ", area " << my.currentArea << ", message \""
            << toUtf8(f_.moji_l->caption()) << "\" (replay: RESTLESS_SEED=" << seed_ << ")\nlast events:";
        for (const std::string& e : log_)
            out << "\n  " << e;
        ADD_FAILURE() << out.str();
    }

    // Controls a player can see and reach.
    static bool pressable(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

    std::vector<QWidget*> playControls() const
    {
        TForm1& f = f_;
        return {f.walk_b, f.battle_b, f.battle_b2, f.item_b, f.sell_b, f.kutu_b};
    }

    // Something to press, from play, panels, map or title.
    std::vector<QWidget*> offered() const
    {
        TForm1& f = f_;
        std::vector<QWidget*> all = playControls();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 f.item_list, f.BitBtn1, f.BitBtn2, f.Button5, f.BitBtn6, f.BitBtn7, f.BitBtn8, f.BitBtn9,
                 f.BitBtn10, f.store_list, f.Button2, f.Button6, f.map_b0, f.shop_b, f.map_b1, f.map_b2, f.map_b4,
                 f.map_b5, f.map_b6, f.map_b7, f.map_b8, f.map_b9, f.map_b12, f.map_b13, f.Button8, f.Button9,
                 f.Button10, f.Image4, f.Image3, f.rank_b, f.am_b, f.Image7, f.Image8, f.Image9, f.ex_b, f.Label3,
                 f.Label13, f.Label14, f.music_list, f.zukan_v})
            all.push_back(w);
        std::erase_if(all, [](QWidget* w) { return !pressable(w); });
        return all;
    }

    void check()
    {
        TForm1& f = f_;
        if (visible(f.map_box))
            for (QWidget* w : playControls())
                if (visible(w))
                    return fail(w->objectName().toStdString() + " is shown over the world map");
        if (my.currentArea < -1 || my.currentArea > 98)
            return fail("the soul stands in area " + std::to_string(my.currentArea));
        const GuardRecord& guard = guardRecord();
        if (guard.refused != record_.refused)
            return fail("a scene was offered while another ran (the guard refused it)");
        if (guard.abandoned != record_.abandoned)
            return fail("a handler was abandoned: \"" + toUtf8(game_.boxes.empty() ? "" : game_.boxes.back()) + "\"");
        const std::vector<QWidget*> now = offered();
        if (!handlerRunning() && std::none_of(now.begin(), now.end(), [](QWidget* w) {
                return !qobject_cast<QListWidget*>(w) && !qobject_cast<QSpinBox*>(w);
            }))
            return fail("nothing but a list can be pressed");
        if (language() != "ja")
            if (const std::string shown = japaneseShown(f); !shown.empty())
                return fail("shown in English: \"" + shown + "\"");
        const std::string save = readFile(datPath("my.dat"));
        if (save != save_) {
            save_ = save;
            if (!savedStateLoadsBack(save))
                return fail("my.dat does not load back to the state that wrote it");
        }
    }

    // A written save reads back, and writes again to the same bytes.
    static bool savedStateLoadsBack(const std::string& bytes)
    {
        const tmy playing = my;
        bool same = false;
        try {
            loadGameData();
            same = saveFileBytes() == bytes;
        } catch (const std::exception&) {
        }
        my = playing;
        return same;
    }

    QPoint somewhere(QWidget* w)
    {
        return w->mapTo(&f_, QPoint(pick(std::max(1, w->width())), pick(std::max(1, w->height()))));
    }

    void post(QEvent* e) { QCoreApplication::postEvent(f_.windowHandle(), e); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
        post(new QMouseEvent(type, at, f_.mapToGlobal(at), button, held, Qt::NoModifier));
    }

    // A key pressed, held for `repeats` auto-repeated presses, and released.
    void key(int code, Qt::KeyboardModifiers mods = {}, const QString& text = {}, int repeats = 0)
    {
        post(new QKeyEvent(QEvent::KeyPress, code, mods, text));
        for (int i = 0; i < repeats; ++i)
            post(new QKeyEvent(QEvent::KeyPress, code, mods, text, true));
        post(new QKeyEvent(QEvent::KeyRelease, code, mods, text));
    }

    // A press, mostly on what is offered (walking most of all) or on the
    // scene when a click is awaited, now and then anywhere at all; its
    // release follows with the next event.
    void press()
    {
        TForm1& f = f_;
        std::vector<QWidget*> targets = offered();
        if (f.walk_b->isVisible())
            targets.insert(targets.end(), 3, f.walk_b);
        if (clickWait == 0)
            targets.insert(targets.end(), targets.size() + 1, f.cg);
        QWidget* target = pick(5) != 0 && !targets.empty() ? targets[size_t(pick(int(targets.size())))] : nullptr;
        pressedAt_ = target ? somewhere(target) : QPoint(pick(f.width()), pick(f.height()));
        const int b = pick(10);
        button_ = b < 7 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton;
        mouse(QEvent::MouseButtonPress, pressedAt_, button_);
        const QWidget* under = f.childAt(pressedAt_);
        while (under && under->objectName().isEmpty())   // a list's inner view, say
            under = under->parentWidget();
        note(std::string("press ") + (button_ == Qt::LeftButton ? "left" : button_ == Qt::RightButton ? "right" : "middle")
             + " at " + std::to_string(pressedAt_.x()) + "," + std::to_string(pressedAt_.y()) + " on "
             + (under ? under->objectName().toStdString() : "the window"));
        released_ = true;
    }

    void act()
    {
        TForm1& f = f_;
        if (released_) {   // the press waiting for its release
            mouse(QEvent::MouseButtonRelease, pressedAt_, button_);
            note("release");
            released_ = false;
            return;
        }
        // Now and then the player clicks on while the game is busy: the
        // presses queue up and arrive together.
        if (pick(8) == 0) {
            for (int n = 2 + pick(3); n > 0; --n, ++sent_) {
                press();
                mouse(QEvent::MouseButtonRelease, pressedAt_, button_);
                released_ = false;
            }
            return;
        }
        const int r = pick(100);
        if (r < 65) {
            press();
        } else if (r < 85) {
            // The game's keys, now and then held down or with Ctrl (the
            // window's size), and some that are not the game's.
            static const int keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Space, Qt::Key_Escape,
                                       Qt::Key_Y, Qt::Key_N, Qt::Key_W, Qt::Key_W, Qt::Key_B, Qt::Key_B, Qt::Key_I,
                                       Qt::Key_J, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_M,
                                       Qt::Key_BracketLeft, Qt::Key_BraceRight, Qt::Key_Equal, Qt::Key_0,
                                       Qt::Key_F1, Qt::Key_F11, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Tab,
                                       Qt::Key_A, Qt::Key_Backspace, Qt::Key_L};
            const int code = keys[pick(int(std::size(keys)))];
            const Qt::KeyboardModifiers mods = pick(10) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            const QString text = code >= 0x20 && code < 0x7f && mods == Qt::NoModifier ? QString(QChar(code)).toLower() : "";
            const int repeats = pick(6) == 0 ? 1 + pick(5) : 0;
            key(code, mods, text, repeats);
            note(std::string(mods ? "ctrl+" : "") + "key " + QKeySequence(code).toString().toStdString()
                 + (repeats ? " held" : "") + (f.name_l->hasFocus() ? " in the name" : ""));
        } else if (visible(f.name_box)) {
            const char* text = pastes[pick(int(std::size(pastes)))];
            QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
            f.name_l->setFocus();
            key(Qt::Key_V, Qt::ControlModifier);
            note(std::string("paste \"") + text + "\"");
        } else {
            note("idle");
        }
        ++sent_;
    }

    void tick()
    {
        if (failed_) {   // what is left of the scene runs through to its end
            clickWait = clickWait == 0 ? 1 : clickWait;
            return;
        }
        if (pick(2) == 0)
            guarded([this] { f_.Timer1Timer(); }, HandlerKind::Free);
        if (pick(10) == 0)
            guarded([this] { f_.Timer4Timer(); }, HandlerKind::Free);
        if (pick(100) == 0)
            guarded([this] { f_.Timer3Timer(); }, HandlerKind::Free);
        check();
        if (!failed_ && pick(3) == 0) {
            // Confirmations are answered as they come.
            if (game_.answers.size() < 2)
                game_.answers.push_back(pick(100) < yesChance_);
            act();
        }
    }

    TestGame& game_;
    TForm1& f_;
    uint32_t seed_;
    int yesChance_;
    std::mt19937 rng_;
    QTimer* timer_;
    GuardRecord record_;
    std::string save_;
    std::deque<std::string> log_;
    int sent_ = 0;
    bool failed_ = false;
    bool released_ = false;
    QPoint pressedAt_;
    Qt::MouseButton button_ = Qt::LeftButton;
};

// A soul with everything to press: gates open, items of every kind, coins.
void strongSave()
{
    my.deathEnergy = 5000;
    my.maxSoul = my.soul = 60;
    my.soulSword = 12;
    my.soulArmor = 6;
    my.coins = 300;
    my.currentArea = -1;
    my.crestRedSword = 1;   // EXTREAM can be chosen
    my.eventFlag[0] = 1;
    my.eventFlag[2] = my.eventFlag[3] = 4;
    my.eventFlag[13] = 1;
    my.areaClears[2] = my.areaClears[5] = my.areaClears[6] = my.areaClears[7] = 2;
    for (int id = 0; id < 254; ++id)
        if (!itemTable[id].name.empty())
            my.itemCount[id] = 2;
    saveGame();
}

// A soul at the edges of 32 bits: every number it has at `v`, but its
// death energy at the top so that it can play, its prologue still to come
// (the title raises the try count) and the world map open.
void extremeSave(int32_t v)
{
    strongSave();
    for (int32_t* n : {&my.reserved1, &my.memory, &my.soul, &my.consciousness, &my.soulSword, &my.reserved2,
                       &my.tryCount, &my.distance, &my.maxSoul, &my.coins, &my.score, &my.soulArmor, &my.karma,
                       &my.energySpent, &my.difficulty, &my.crestUnderworld, &my.crestSoul, &my.crestRedSword,
                       &my.crestAdmins, &my.statusFaith, &my.statusGrudge, &my.statusPoison, &my.statusHeal})
        *n = v;
    my.deathEnergy = INT32_MAX;
    for (int k = 1; k <= 10; ++k)
        my.rankScore[k] = my.rankEnergy[k] = v;
    for (int32_t& n : my.itemCount)
        n = n > 0 ? v : 0;
    my.areaClears.fill(v);
    my.eventFlag[13] = 0;
    my.currentArea = 0;
    saveGame();
}

// How a run begins: a new soul, a strong one, one at the top or the bottom
// of every number, or a damaged save with a good backup beside it (the
// box of the start is answered yes).
enum class Start { New, Strong, Highest, Lowest, Damaged };

Start startOf(uint32_t seed)
{
    switch (seed) {
    case 11: return Start::Highest;
    case 12: return Start::Lowest;
    case 13: return Start::Damaged;
    default: return seed % 2 == 0 ? Start::Strong : Start::New;
    }
}

TEST(Restless, APlayerWhoPressesEverythingAtEveryMoment)
{
    // New souls and strong souls that keep their run, by turns.
    // RESTLESS_SEED=n replays the run of one seed; RESTLESS_AUDIO=realtime
    // plays the sound on the output's own thread, as the program does.
    const uint32_t only = uint32_t(qEnvironmentVariableIntValue("RESTLESS_SEED"));
    const bool realTime = qEnvironmentVariable("RESTLESS_AUDIO") == "realtime";
    for (uint32_t seed = only ? only : 1; seed <= (only ? only : 13); ++seed) {
        const bool english = seed == 9 || seed == 10;
        const Start start = startOf(seed);
        TestGame game(realTime ? VirtualAudio::RealTime : VirtualAudio::Manual,
                      [english, start](const TempAppDir& dir) {
                          setLanguage(english ? "en" : "ja");
                          if (start != Start::Damaged)
                              return;
                          const std::string save = readFile(dir.dat("my.dat"));
                          writeFile(dir.dat("my.dat.1"), save);
                          writeFile(dir.dat("my.dat"), save.substr(0, save.size() / 2) + "x\r\n");
                      });
        seedRandom(seed);
        if (start == Start::Strong)
            strongSave();
        if (start == Start::Highest || start == Start::Lowest)
            extremeSave(start == Start::Highest ? INT32_MAX : INT32_MIN);
        Restless player(game, seed, start == Start::New ? 75 : 10);
        if (start == Start::Damaged)
            game.answers = {true};
        player.play(3000);
        if (player.failed())
            break;
    }
}

} // namespace
