// How much of its time budget the presentation takes:
//   - one portrait fade frame, against the 5 ms pause that follows it;
//   - one status refresh, against the 10 ms tick that runs it;
//   - the process's CPU time over 10 s on the title screen with its music
//     playing, again with the music stopped (the difference is the music's
//     share), again once the tune plays from memory (from its third pass),
//     and over 10 s inside a click wait (the tune still from memory).
// Each is measured in this run; the last line gives the four ratios.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "core/clock.h"
#include "core/paths.h"
#include "core/state.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/status.h"

namespace {

// CPU time of every thread of the process, as the scheduler counts it.
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// CPU time of the whole process (every thread) over the run, in % of one
// core; the event thread's share is printed with it.
double cpuPercent(const char* what, const std::function<void()>& run)
{
    const double before = cpuSeconds(), eventBefore = threadSeconds();
    QElapsedTimer wall;
    wall.start();
    run();
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double all = 100.0 * (cpuSeconds() - before) / seconds;
    std::printf("%s: %.2f%% of a core, %.2f%% on the event thread\n", what, all,
                100.0 * (threadSeconds() - eventBefore) / seconds);
    return all;
}

long residentKb()
{
    FILE* f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f && std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    if (f)
        std::fclose(f);
    return resident * 4;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setAppDir(MIRUHE_BUILD_DIR);
    TForm1 form;
    form.show();

    // The title screen, its timers and its music, for ten seconds, once the
    // window has first been drawn and the music has begun.
    const auto tenSeconds = [] {
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    };
    QEventLoop warmUp;
    QTimer::singleShot(2000, &warmUp, &QEventLoop::quit);
    warmUp.exec();
    const double idle = cpuPercent("title screen", tenSeconds);
    std::printf("resident memory on the title screen: %ld kB\n", residentKb());
    // The same without the music: the difference is the music's own share.
    form.mid_p->Stop();
    const double silent = cpuPercent("title screen, music stopped", tenSeconds);
    std::printf("music: %.2f%% of a core\n", idle - silent);
    // From its third pass the tune is played from memory: the title as it
    // is once the player has lingered there through two passes (~160 s).
    form.mid_p->Play();
    QEventLoop passes;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (form.mid_p->fromMemory())
            passes.quit();
    });
    poll.start(500);
    passes.exec();
    const double kept = cpuPercent("title screen, tune from memory", tenSeconds);
    std::printf("music from memory: %.2f%% of a core\n", kept - silent);

    // A click wait, for ten seconds.
    form.start_box->hide();
    const double waiting = cpuPercent("click wait", [&] {
        QTimer::singleShot(10000, &form, [] { Form1->click_lMouseDown(); });
        waitForClick();
    });

    // One fade frame's work: the ten frames with their pauses taken out.
    setPauseScale(0);
    const int fades = 50;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < fades; ++i)
        fadeInPortrait("5.bmp");
    const double frameMs = double(t.nsecsElapsed()) / 1e6 / (fades * 10);

    // One status refresh.
    const int refreshes = 20000;
    t.restart();
    for (int i = 0; i < refreshes; ++i) {
        my.score = i;   // a text that changes, as during play
        refreshStatus();
    }
    const double refreshMs = double(t.nsecsElapsed()) / 1e6 / refreshes;

    std::printf("fade frame %.3f ms, refresh %.4f ms\n", frameMs, refreshMs);
    std::printf("presentation: fade frame %.1f%% of its pause, refresh %.2f%% of its tick, idle cpu %.2f%%, "
                "click-wait cpu %.2f%%, idle cpu with the tune from memory %.2f%%\n",
                100 * frameMs / 5, 100 * refreshMs / 10, idle, waiting, kept);
    return 0;
}
