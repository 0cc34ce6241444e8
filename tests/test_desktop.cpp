// The game on a desktop: where its files go, installed or portable; the
// window's scale, place and full screen on a 1920 x 1080 screen, and its
// boxes; sound that cannot start; the settings file; the command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "core/datafile.h"
#include "core/paths.h"
#include "core/places.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/sound.h"
#include "ui/view.h"
#include "ui/volume.h"

namespace fs = std::filesystem;

namespace {

// Every test of this file sees one 1920 x 1080 screen.
const bool screenGiven = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MIRUHE_SOURCE_DIR "/tests/support/screen_1920x1080.json");
    return true;
}();

// An installed copy: the program in prefix/bin, its files in
// prefix/share/games/miruhe (the test's copy of the built folder), and a home.
struct Installed {
    TempAppDir files;
    QTemporaryDir root;
    std::string prefix = root.path().toStdString() + "/prefix";
    std::string home = root.path().toStdString() + "/home";
    Installed()
    {
        fs::create_directories(prefix + "/bin");
        fs::create_directories(prefix + "/share/games");
        fs::create_directory_symlink(files.path(), prefix + "/share/games/miruhe");
        fs::create_directories(home);
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
    }
    ~Installed() { setAppDir("."); }
};

TEST(SavePlace, APortableFolderKeepsEverythingBesideTheProgram)
{
    TempAppDir dir;
    const StartPlace place = choosePlaces(dir.path());
    EXPECT_FALSE(installed());
    EXPECT_FALSE(place.newSave);
    EXPECT_EQ(place.problem, "");
    EXPECT_EQ(saveFilePath(), dir.dat("my.dat"));
    EXPECT_EQ(recordFilePath(), dir.path() + "/記録.txt");
    EXPECT_EQ(mixerSettingsPath(), dir.path() + "/MIXER.INI");
}

TEST(SavePlace, AnInstalledCopyKeepsThePlayersFilesInTheirDataFolder)
{
    Installed copy;
    const std::string initial = readFile(copy.files.dat("my.dat"));
    // No XDG_DATA_HOME, and no ~/.local/share yet: the folders are made.
    StartPlace place = choosePlaces(copy.prefix + "/bin");
    const std::string mine = copy.home + "/.local/share/miruhe";
    EXPECT_TRUE(installed());
    EXPECT_TRUE(place.newSave);
    EXPECT_EQ(place.problem, "");
    EXPECT_EQ(appDir(), copy.prefix + "/share/games/miruhe");
    EXPECT_EQ(saveFilePath(), mine + "/my.dat");
    EXPECT_EQ(readFile(mine + "/my.dat"), initial);

    // A run saved there, then a second start: the save is the player's, not copied again.
    loadGameData();
    my.coins = 777;
    saveGame();
    EXPECT_TRUE(fs::exists(mine + "/記録.txt"));
    const std::string saved = readFile(mine + "/my.dat");
    place = choosePlaces(copy.prefix + "/bin");
    EXPECT_FALSE(place.newSave);
    EXPECT_EQ(readFile(mine + "/my.dat"), saved);
    EXPECT_EQ(readFile(copy.files.dat("my.dat")), initial);   // the install's is never written

    // The player's MIXER.INI comes before the program's; a relative XDG_DATA_HOME counts for nothing.
    EXPECT_EQ(mixerSettingsPath(), copy.prefix + "/share/games/miruhe/MIXER.INI");
    writeFile(mine + "/MIXER.INI", "[default]\r\n");
    EXPECT_EQ(mixerSettingsPath(), mine + "/MIXER.INI");
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    choosePlaces(copy.prefix + "/bin");
    EXPECT_EQ(saveFilePath(), mine + "/my.dat");
    ::setenv("XDG_DATA_HOME", (copy.home + "/xdg").c_str(), 1);
    EXPECT_TRUE(choosePlaces(copy.prefix + "/bin").newSave);
    EXPECT_EQ(saveFilePath(), copy.home + "/xdg/miruhe/my.dat");
}

TEST(SavePlace, AnUnwritableFolderIsNamedAndPlayGoesOnWithoutSaving)
{
    Installed copy;
    writeFile(copy.home + "/blocked", "a file where the folder should go");
    ::setenv("XDG_DATA_HOME", (copy.home + "/blocked").c_str(), 1);
    const StartPlace place = choosePlaces(copy.prefix + "/bin");
    EXPECT_FALSE(place.newSave);
    EXPECT_NE(place.problem.find((copy.home + "/blocked/miruhe").c_str()), std::string::npos);
    EXPECT_NE(place.problem.find("書き込めません"_sj), std::string::npos);
    // The initial save is read; each save reports the write error and writes nothing.
    loadGameData();
    EXPECT_FALSE(loadFailed());
    EXPECT_THROW(saveGame(), EInOutError);
    EXPECT_EQ(readFile(copy.files.dat("my.dat")).empty(), false);
    EXPECT_FALSE(fs::exists(copy.home + "/blocked/miruhe"));
}

// As the box says: a new game starts and plays there, each save saying it
// could not write.
TEST(SavePlace, ANewGameIsPlayedUnsavedWhereNothingCanBeWritten)
{
    TestGame game;
    setInstalled(game.dir.path(), game.dir.path() + "/dat/my.dat/miruhe");   // a file where the folder should be
    loadGameData();
    game.clickThrough();
    game.answers = {true};
    game.form().Button4Click();
    game.form().Image8Click();
    EXPECT_FALSE(visible(game.form().start_box));
    EXPECT_EQ(my.currentArea, 0);
    EXPECT_TRUE(visible(game.form().walk_b));
    ASSERT_EQ(game.boxes.size(), 4u);   // the question, the failed save, the new start, the failed save after the prologue
    EXPECT_EQ(game.boxes[2], "初期化してしまったよ"_sj);
    EXPECT_EQ(game.boxes[1], game.boxes[3]);
    setAppDir(game.dir.path());
}

// The view of a test game, on the 1920 x 1080 screen.
struct Viewed {
    TestGame game;
    GameView view{&game.form()};
    Viewed() { view.show(); }
    QPoint at(QWidget* control) const
    {
        const QPointF inForm = control->mapTo(control->window(), control->rect().center());
        return view.mapFromScene(inForm);
    }
};

TEST(Window, ScalesInWholeStepsAndFillsTheScreenCentredOnBlack)
{
    Viewed v;
    // The first start takes the largest scale that fits: 2 (3 would be 1383 high).
    EXPECT_EQ(v.view.scale(), 2);
    EXPECT_EQ(v.view.size(), QSize(846, 922));
    stepScale(+1);
    EXPECT_EQ(v.view.size(), QSize(846, 922));
    stepScale(-1);
    EXPECT_EQ(v.view.size(), QSize(423, 461));
    EXPECT_EQ(settingInt("window/scale", 1, 4, 0), 1);
    stepScale(+1);
    EXPECT_EQ(v.view.size(), QSize(846, 922));
    resetScale();
    EXPECT_EQ(v.view.scale(), 1);

    toggleFullScreen();
    QCoreApplication::processEvents();
    EXPECT_EQ(v.view.size(), QSize(1920, 1080));
    EXPECT_EQ(v.view.scale(), 2);
    EXPECT_EQ(v.view.mapFromScene(0, 0), QPoint((1920 - 846) / 2, (1080 - 922) / 2));
    stepScale(+1);   // full screen keeps its own
    EXPECT_EQ(v.view.scale(), 2);
    toggleFullScreen();
    QCoreApplication::processEvents();
    EXPECT_EQ(v.view.size(), QSize(423, 461));
    EXPECT_EQ(settingInt("window/scale", 1, 4, 0), 1);
}

TEST(Window, AClickOnTheScaledWindowReachesTheControlUnderIt)
{
    Viewed v;
    TForm1& f = v.game.form();
    v.view.setWindowTitle("x");
    f.setWindowTitle("ミルヘ");
    EXPECT_EQ(v.view.windowTitle(), "ミルヘ");
    // New game opens the difficulties; NOMAL asks whether to begin anew.
    QTest::mouseClick(v.view.viewport(), Qt::LeftButton, {}, v.at(f.Image3));
    ASSERT_TRUE(f.start_box2->isVisible());
    v.game.answers = {false};
    QTest::mouseClick(v.view.viewport(), Qt::LeftButton, {}, v.at(f.Image8));
    ASSERT_EQ(v.game.boxes.size(), 1u);
    EXPECT_EQ(v.game.answers.size(), 0u);
}

// A text shown again is drawn from a picture of it made at the window's
// scale: it stays sharp at 2x, through a change of scale, and follows its
// colour.
TEST(Window, ATextShownAgainStaysSharpAtEveryScale)
{
    Viewed v;
    TLabel* title = v.game.form().miruhe_l;
    const auto shown = [&](const char* text) {
        for (const std::string& caption : {std::string("x"), sjis(text)}) {
            title->setCaption(caption);
            QCoreApplication::processEvents();
        }
        return v.view.viewport()->grab(QRect(v.at(title) - QPoint(120, 40), QSize(240, 80))).toImage();
    };
    // A picture made at 1x and shown at 2x has its pixels in squares of 2 x 2.
    const auto sharp = [](const QImage& a) {
        for (int y = 0; y + 1 < a.height(); y += 2)
            for (int x = 0; x + 1 < a.width(); x += 2)
                if (a.pixel(x, y) != a.pixel(x + 1, y) || a.pixel(x, y) != a.pixel(x, y + 1))
                    return true;
        return false;
    };
    stepScale(-1);
    shown("ルミヘ");
    shown("ルミヘ");   // its picture, made at 1x
    stepScale(+1);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(sharp(shown("ルミヘ"))) << i;
    title->setFontColor(Qt::red);
    const QImage red = shown("ルミヘ");
    bool inRed = false;
    for (int y = 0; y < red.height(); ++y)
        for (int x = 0; x < red.width(); ++x)
            inRed |= red.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(inRed);
}

// The first start takes the largest scale that fits and keeps it; leaving
// full screen gives back the window's scale and place; a place kept where no
// screen is comes back onto the screen.
TEST(Window, FullScreenComesBackToTheWindowAndItsPlaceIsKept)
{
    {
        Viewed v;
        v.view.move(300, 40);
        QCoreApplication::processEvents();
        const QRect before = v.view.geometry();
        toggleFullScreen();
        QCoreApplication::processEvents();
        toggleFullScreen();
        QCoreApplication::processEvents();
        EXPECT_EQ(v.view.scale(), 2);
        EXPECT_EQ(v.view.size(), QSize(846, 922));
        EXPECT_EQ(v.view.geometry(), before);
        v.view.close();
        EXPECT_EQ(settings().value("window/place").toPoint(), before.topLeft());
    }
    TestGame game;
    keepSetting("window/place", QPoint(1700, -300));
    GameView view(&game.form());
    EXPECT_EQ(view.scale(), 2);
    EXPECT_EQ(view.frameGeometry().top(), 0);
    EXPECT_EQ(view.frameGeometry().right(), 1919);
}

// A box is drawn at the game's scale, and is wide enough for its title.
TEST(Window, BoxesGrowWithTheGame)
{
    Viewed v;
    setDialogHook(nullptr);
    int px = 0, wide = 0;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        px = box->font().pixelSize();
        wide = box->width();
        box->close();
    });
    showMessage("GAME CLEAR");
    EXPECT_EQ(px, 24);
    EXPECT_GE(wide, 320);
}

// What cannot start the sound (a MIXER.INI the mixer refuses, or one that is
// a folder) is said in one box with the file, and the game plays on silent.
TEST(Sound, ASoundThatCannotStartIsOneBoxAndTheGamePlaysOnSilent)
{
    for (const bool folder : {false, true}) {
        TestGame game(VirtualAudio::Manual, [folder](const TempAppDir& dir) {
            if (folder)
                fs::create_directory(dir.path() + "/MIXER.INI");
            else
                writeFile(dir.path() + "/MIXER.INI", "[not compatible]\r\nVirtual wave output=1\r\n");
        });
        QCoreApplication::processEvents();
        ASSERT_EQ(game.boxes.size(), 1u) << folder;
        EXPECT_NE(game.boxes[0].find("音を出せない"_sj), std::string::npos);
        EXPECT_NE(game.boxes[0].find(game.dir.path() + "/MIXER.INI"), std::string::npos);
        EXPECT_EQ(game.form().SoundMixer1, nullptr);
        playCue(0, "1.wav");
        game.form().walk_bMouseDown();
        EXPECT_EQ(game.boxes.size(), 1u);
    }
}

// The settings: a file that cannot be used is said once and the settings
// live through the run; only the game's own keys are written back, so
// junk neither stays nor grows; only what the settings write counts as muted.
TEST(Settings, ABrokenFileIsSaidAndOnlyTheGamesKeysAreWritten)
{
    TempAppDir dir;
    fs::create_directory(dir.path() + "/folder.ini");
    setSettingsFile(dir.path() + "/folder.ini");
    EXPECT_NE(settingsProblem().find("folder.ini"), std::string::npos);
    keepSetting("sound/music", 30);
    EXPECT_EQ(settingInt("sound/music", 0, 100, 100), 30);

    std::string junk = "[sound]\nmuted=maybe\nmusic=40\n";
    for (int i = 0; i < 20000; ++i)
        junk += "junk line " + std::to_string(i) + " = =\n";
    writeFile(dir.path() + "/junk.ini", junk);
    setSettingsFile(dir.path() + "/junk.ini");
    EXPECT_EQ(settingsProblem(), "");
    EXPECT_FALSE(soundMuted());
    keepSetting("window/scale", 2);
    const std::string written = readFile(dir.path() + "/junk.ini");
    EXPECT_LT(written.size(), 200u) << written.substr(0, 200);
    EXPECT_NE(written.find("music=40"), std::string::npos);
    keepSetting("sound/muted", true);
    EXPECT_TRUE(soundMuted());
}

// A typo on the command line is not taken for nothing: one line, the usage,
// and exit 2; Qt's own options still pass.
TEST(CommandLine, AnUnknownOptionOrAMissingValueIsRefused)
{
    for (const QStringList& args : {QStringList{"--frobnicate"}, QStringList{"-z"}, QStringList{"--soundfont="},
                                    QStringList{"-platform", "offscreen", "--language"}}) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(MIRUHE_BUILD_DIR "/miruhe", args);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), 2) << args.join(' ').toStdString();
        const QString said = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(said.contains("unknown option") || said.contains("needs a value")) << said.toStdString();
        EXPECT_TRUE(said.contains("--soundfont FILE")) << said.toStdString();
    }
}

TEST(CommandLine, HelpAndVersion)
{
    QProcess program;
    program.start(MIRUHE_BUILD_DIR "/miruhe", {"--version"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(), "miruhe " MIRUHE_VERSION "\n");
    program.start(MIRUHE_BUILD_DIR "/miruhe", {"--help"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    const QString help = program.readAllStandardOutput();
    for (const char* option : {"--soundfont FILE", "--help", "--version"})
        EXPECT_TRUE(help.contains(option)) << option;
}

} // namespace
