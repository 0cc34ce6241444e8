// ミルヘ: a soul walks the roads of the world of the dead.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/signals.h"
#include "core/language.h"
#include "core/paths.h"
#include "core/places.h"
#include "core/settings.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/help.h"
#include "ui/music.h"
#include "ui/view.h"
#include "ui/volume.h"

namespace {

const char* const usage =
    "使い方: miruhe [--language %1] [--soundfont FILE]\n"
    "ミルヘ: 死者の世界の道を、ひとつの魂が歩いていく。\n"
    "\n"
    "  --language %1  この一回だけ、その言葉で遊ぶ (設定の言葉はそのまま)\n"
    "  --soundfont FILE  設定の音色やシステムの General MIDI のかわりに、\n"
    "                    この SoundFont (.sf2/.sf3) で曲を鳴らす\n"
    "  --help            これを出して終わる\n"
    "  --version         版を出して終わる\n"
    "\n"
    "Qt のオプション (-platform, -display, ...) も使えます。\n"
    "設定 (言葉、画面の大きさ、音量、音色): $XDG_CONFIG_HOME/miruhe/settings.ini\n"
    "インストールしたときのセーブと記録: $XDG_DATA_HOME/miruhe/\n"
    "ゲームの中では F1 でキーと短い案内。タイトルでは L で言葉を切り替えます。\n";

struct Options {
    bool help = false;
    bool version = false;
    std::string soundfont, language;
    std::string fault;   // what was wrong with them, "" when nothing
};

// The program's own options. Qt takes its own out of argv when the
// application is made; before that they are left to it, and a fault found
// then is not yet one.
Options readOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const std::string& name, std::string& into) {
            if (arg != name && arg.rfind(name + "=", 0) != 0)
                return false;
            into = arg == name ? (i + 1 < argc ? argv[++i] : "") : arg.substr(name.size() + 1);
            if (into.empty() && o.fault.empty())
                o.fault = name + " needs a value";
            return true;
        };
        if (arg == "--help" || arg == "-h")
            o.help = true;
        else if (arg == "--version")
            o.version = true;
        else if (!value("--soundfont", o.soundfont) && !value("--language", o.language) && o.fault.empty())
            o.fault = "unknown option " + arg;
    }
    return o;
}

std::string programDir()
{
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

// The language of this run: the option's, else the one kept, else the
// desktop's. "" when the option names a language the game does not have.
std::string startLanguage(const std::string& option)
{
    const std::vector<std::string> known = languages();
    auto have = [&](const std::string& code) { return std::find(known.begin(), known.end(), code) != known.end(); };
    if (!option.empty())
        return have(option) ? option : std::string();
    const std::string kept = settings().value("game/language").toString().toStdString();
    return have(kept) ? kept : desktopLanguage();
}

std::string usageText()
{
    std::string codes;
    for (const std::string& code : languages())
        codes += (codes.empty() ? "" : "|") + code;
    return toUtf8(fill(sjis(usage), {codes}));
}

} // namespace

int main(int argc, char** argv)
{
    // --help and --version answer without a display, in the language the game would speak.
    if (const Options early = readOptions(argc, argv); early.help || early.version) {
        if (early.version) {
            std::puts("miruhe " MIRUHE_VERSION);
            return 0;
        }
        setAppDir(gameFilesDir(programDir()));
        const std::string code = startLanguage(early.language);
        setLanguage(code.empty() ? "ja" : code);
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // The window's class for the desktop, which its menu entry names
    // (StartupWMClass); the game's own title, "Ｋ．Ｔ．", heads its boxes.
    app.setApplicationName("miruhe");
    app.setApplicationVersion(MIRUHE_VERSION);
    QGuiApplication::setDesktopFileName("io.github.miruhe.Miruhe");   // the menu entry this window belongs to
    QApplication::setWindowIcon(QIcon(":/io.github.miruhe.Miruhe.svg"));
    app.setStyle("Windows");   // the classic bevelled buttons the game was drawn with
    const Options options = readOptions(argc, argv);
    setAppDir(gameFilesDir(programDir()));
    const std::string language = startLanguage(options.language);
    setLanguage(language.empty() ? "ja" : language);
    if (!options.fault.empty() || language.empty()) {
        const std::string fault = !options.fault.empty() ? options.fault : "no language " + options.language;
        std::fprintf(stderr, "miruhe: %s\n%s", fault.c_str(), usageText().c_str());
        return 2;
    }
    const StartPlace place = choosePlaces(programDir());
    if (options.language.empty() && !settings().contains("game/language"))
        keepSetting("game/language", QString::fromStdString(language));   // the first start: the desktop's, from now on
    chooseSoundfont(options.soundfont.empty() ? settings().value("sound/soundfont").toString().toStdString()
                                              : options.soundfont);
    restoreVolumes();
    endOnSignals();
    auto* form1 = new TForm1;
    auto* form2 = new TForm2;
    auto* view = new GameView(form1);
    view->show();
    for (const std::string& problem : {place.problem, settingsProblem()})
        if (!problem.empty())
            QTimer::singleShot(0, form1, [problem] { showMessage(problem); });
    if (place.newSave)   // the very first start: how this world works, once
        QTimer::singleShot(0, form1, [] { guarded(showHelp); });
    const int result = app.exec();
    delete view;
    delete form2;
    delete form1;
    return result;
}
