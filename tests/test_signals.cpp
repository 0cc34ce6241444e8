// Ending from outside: SIGINT, SIGTERM and SIGHUP end the game quietly,
// with exit code 0, even in the middle of a pause.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "app/signals.h"
#include "core/clock.h"
#include "tests/support/app.h"

namespace {

using namespace std::chrono;

// True once the process catches `signal` (its handler is installed).
bool catches(pid_t pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1;
    return false;
}

// Sends the signal, then waits for the end (killing what is still there
// after 5 s): the exit status and how long it took.
std::pair<int, milliseconds> endWith(pid_t pid, int signal)
{
    const auto sent = steady_clock::now();
    ::kill(pid, signal);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (steady_clock::now() - sent > 5s)
            ::kill(pid, SIGKILL);
        std::this_thread::sleep_for(1ms);
    }
    const auto took = duration_cast<milliseconds>(steady_clock::now() - sent);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), took};
}

TEST(Signals, TheGameEndsQuietlyWhenToldFromOutside)
{
    TempAppDir dir;
    namespace fs = std::filesystem;
    fs::copy_file(fs::path(MIRUHE_BUILD_DIR) / "miruhe", fs::path(dir.path()) / "miruhe");
    const std::string save = readFile(dir.dat("my.dat"));
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            ::setenv("XDG_CONFIG_HOME", (dir.path() + "/config").c_str(), 1);   // not the player's settings
            const std::string program = dir.path() + "/miruhe";
            ::execl(program.c_str(), program.c_str(), nullptr);
            ::_exit(127);
        }
        for (int i = 0; i < 1000 && !catches(pid, signal); ++i)
            std::this_thread::sleep_for(10ms);
        std::this_thread::sleep_for(300ms);   // on the title screen, with its music
        const auto [code, took] = endWith(pid, signal);
        EXPECT_EQ(code, 0);
        EXPECT_LT(took, 1000ms);
    }
    EXPECT_EQ(readFile(dir.dat("my.dat")), save);   // nothing is saved on the way out
}

TEST(Signals, APauseUnderWayIsCutShort)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        testApp();
        setPauseScale(1);
        endOnSignals();
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &byte, 1);
        pauseMs(5000);   // the signal arrives in here
        QCoreApplication::processEvents();
        ::_exit(3);   // not reached: the game ended at the pass of its event loop
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    std::this_thread::sleep_for(50ms);
    const auto [code, took] = endWith(pid, SIGTERM);
    EXPECT_EQ(code, 0);
    EXPECT_LT(took, 1000ms);
}

} // namespace
