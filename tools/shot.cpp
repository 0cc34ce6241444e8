// Renders the game's window to a PNG, without a display:
//   shot <out.png> [--hide <control>]... [--show <control>]... [--ticks <n>] [--language <code>]
// The game runs from the folder of this tool's build (its dat/ and cg/),
// opens as the player sees it, lets its timers run n ticks of 10 ms (default
// 50), then the listed controls are hidden or shown and the window is drawn.
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "core/language.h"
#include "core/paths.h"
#include "ui/form1.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: shot <out.png> [--hide <control>]... [--show <control>]... [--ticks <n>] [--language <code>]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setStyle("Windows");
    setAppDir(MIRUHE_BUILD_DIR);
    for (int i = 2; i + 1 < argc; i += 2)
        if (!std::strcmp(argv[i], "--language"))
            setLanguage(argv[i + 1]);
    TForm1 form;
    new TForm2;
    form.show();
    int ticks = 50;
    for (int i = 2; i + 1 < argc; i += 2)
        if (!std::strcmp(argv[i], "--ticks"))
            ticks = std::atoi(argv[i + 1]);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ticks * 10)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--ticks") || !std::strcmp(argv[i], "--language"))
            continue;
        auto* w = form.findChild<QWidget*>(argv[i + 1]);
        if (!w) {
            std::fprintf(stderr, "no control named %s\n", argv[i + 1]);
            return 1;
        }
        w->setVisible(!std::strcmp(argv[i], "--show"));
    }
    return form.grab().save(argv[1]) ? 0 : 1;
}
