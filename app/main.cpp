// ミルヘ: a soul walks the roads of the world of the dead.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/signals.h"
#include "core/places.h"
#include "core/settings.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/help.h"
#include "ui/music.h"
#include "ui/view.h"
#include "ui/volume.h"

namespace {
const char* const usage =
    "Usage: miruhe [--soundfont FILE]\n"
    "ミルヘ: a soul walks the roads of the world of the dead.\n"
    "\n"
    "  --soundfont FILE  play the music with this SoundFont (.sf2/.sf3) instead of\n"
    "                    the one in the settings or the system's General MIDI one\n"
    "  --help            show this and quit\n"
    "  --version         show the version and quit\n"
    "\n"
    "Qt's own options (-platform, -display, ...) are taken too.\n"
    "Settings (window scale, volumes, soundfont): $XDG_CONFIG_HOME/miruhe/settings.ini\n"
    "Save and record file of an installed copy: $XDG_DATA_HOME/miruhe/\n"
    "In the game, F1 shows the keys and a short guide.\n";
}

int main(int argc, char** argv)
{
    std::string soundfont;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::puts("miruhe " MIRUHE_VERSION);
            return 0;
        }
        if (!std::strcmp(argv[i], "--soundfont")) {
            if (i + 1 == argc) {
                std::fputs("miruhe: --soundfont needs a file\n", stderr);
                return 2;
            }
            soundfont = argv[++i];
        } else if (!std::strncmp(argv[i], "--soundfont=", 12)) {
            soundfont = argv[i] + 12;
        }
    }
    QApplication app(argc, argv);
    app.setApplicationName("Ｋ．Ｔ．");
    app.setApplicationVersion(MIRUHE_VERSION);
    QGuiApplication::setDesktopFileName("io.github.miruhe.Miruhe");   // the menu entry this window belongs to
    QApplication::setWindowIcon(QIcon(":/io.github.miruhe.Miruhe.svg"));
    app.setStyle("Windows");   // the classic bevelled buttons the game was drawn with
    const StartPlace place = choosePlaces(QCoreApplication::applicationDirPath().toStdString());
    chooseSoundfont(soundfont.empty() ? settings().value("sound/soundfont").toString().toStdString() : soundfont);
    restoreVolumes();
    endOnSignals();
    auto* form1 = new TForm1;
    auto* form2 = new TForm2;
    auto* view = new GameView(form1);
    view->show();
    if (!place.problem.empty())
        QTimer::singleShot(0, form1, [text = place.problem] { showMessage(text); });
    if (place.newSave)   // the very first start: how this world works, once
        QTimer::singleShot(0, form1, [] { guarded(showHelp); });
    const int result = app.exec();
    delete view;
    delete form2;
    delete form1;
    return result;
}
