// Kills a saving process at random moments and checks, after every kill,
// that my.dat and the record file are each whole: byte for byte the last
// save that finished or the one that was under way; and that each of the
// three backups is there and whole: an earlier save, no older than the
// backups had before that save.
//   kill_during_save [kills]        (1000 when not given)
// Run it in a program folder (dat/ holding my.dat, item.dat and map.dat).
// It works on a copy of those three in a temporary folder beside them, so
// the save found there is never touched. Its last line is
//   kill-during-save: <kills> kills, <corrupt> corrupt
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "core/backups.h"
#include "core/datafile.h"
#include "core/paths.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/state.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Loads what the last process left, as the game does, then saves again and
// again, save n with try count n, until it is killed. `started` says which
// save is under way.
[[noreturn]] void saveUntilKilled(int first, std::atomic<int>& started)
{
    try {
        loadGameData();
    } catch (const EInOutError& e) {
        std::fprintf(stderr, "the save left does not load: %s\n", e.what());
        _exit(3);
    }
    for (int n = first;; ++n) {
        started.store(n);
        my.tryCount = n;
        try {
            saveGame();
        } catch (const EInOutError& e) {
            std::fprintf(stderr, "save %d failed: %s\n", n, e.what());
            _exit(3);
        }
    }
}

int run(int kills, const fs::path& work)
{
    setAppDir(work.string());
    loadGameData();
    // Every save below is the same run but for its try count, so the bytes
    // of save n are those of the state with try count n (a run already in
    // the ranking stays as it is).
    const auto bytesOf = [](int n) {
        my.tryCount = n;
        return std::pair{saveFileBytes(), recordFileBytes()};
    };
    my.tryCount = 0;
    const auto t0 = Clock::now();
    for (int i = 0; i < 20; ++i)
        saveGame();
    const auto saveTime = (Clock::now() - t0) / 20;

    auto* started = static_cast<std::atomic<int>*>(
        mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (started == MAP_FAILED) {
        std::perror("mmap");
        return 2;
    }
    std::mt19937 random(std::random_device{}());
    // The kills fall anywhere from before the first save to a few saves in.
    std::uniform_int_distribution<long long> delay(0, std::chrono::nanoseconds(saveTime * 3).count());
    // Each file holds save `last` or save `last + 1`, and the next child
    // begins with save `last + 1`.
    int last = 0;
    int corrupt = 0, leftovers = 0, between = 0;
    for (int i = 0; i < kills; ++i) {
        started->store(last);
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        if (child == 0)
            saveUntilKilled(last + 1, *started);
        std::this_thread::sleep_for(std::chrono::nanoseconds(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            std::fprintf(stderr, "the saving process ended by itself\n");
            return 2;
        }
        // Save n was under way, so n - 1 had finished; before the child's
        // first save the files are as the last child left them.
        const int low = std::max(last, started->load() - 1);
        const auto [saveLow, recordLow] = bytesOf(low);
        const auto [saveHigh, recordHigh] = bytesOf(low + 1);
        const std::string save = readBytes(work / "dat" / "my.dat");
        const std::string record = readBytes(recordFilePath());
        if ((save != saveLow && save != saveHigh) || (record != recordLow && record != recordHigh)) {
            ++corrupt;
            std::fprintf(stderr, "kill %d: a file is neither save %d nor save %d\n", i + 1, low, low + 1);
        }
        // Backup k held save low - k (or an earlier save's try count 0)
        // before, and moves on as the save goes on; a save begun again
        // after a kill may leave a newer one there.
        for (int k = 1; k <= backupCount; ++k) {
            const std::string backup = readBytes(backupPath(k));
            bool whole = false;
            for (int m = std::max(0, low - k); m <= low + 1 && !whole; ++m)
                whole = backup == bytesOf(m).first;
            if (!whole) {
                ++corrupt;
                std::fprintf(stderr, "kill %d: my.dat.%d is not a save from %d to %d\n", i + 1, k,
                             std::max(0, low - k), low + 1);
            }
        }
        between += save == saveHigh && record == recordLow;
        bool left = fs::exists(replaceTempPath(saveFilePath(), child)) || fs::exists(replaceTempPath(recordFilePath(), child));
        for (int k = 1; k <= backupCount; ++k)
            left = left || fs::exists(replaceTempPath(backupPath(k), child));
        leftovers += left;
        discardUnfinishedSaves();
        last = low;
    }
    std::printf("one save: %.2f ms; kills that left a temporary file: %d, that fell between my.dat and the "
                "record file: %d\n",
                std::chrono::duration<double, std::milli>(saveTime).count(), leftovers, between);
    std::printf("kill-during-save: %d kills, %d corrupt\n", kills, corrupt);
    return corrupt == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    char name[] = "kill-during-save.XXXXXX";
    if (!mkdtemp(name)) {
        std::perror("mkdtemp");
        return 2;
    }
    const fs::path work = fs::absolute(name);
    int result = 2;
    try {
        fs::create_directory(work / "dat");
        for (const char* file : {"my.dat", "item.dat", "map.dat"})
            fs::copy_file(fs::path("dat") / file, work / "dat" / file);
        result = run(kills, work);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    fs::remove_all(work);
    return result;
}
