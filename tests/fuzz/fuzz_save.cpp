// A whole save as the game meets it. Any bytes as my.dat are either refused
// with the input error, and then nothing is written over them, or give a
// state the game can play (its area one of the area table's), and from
// then on my.dat, whenever written, loads back to the state that wrote it:
// load, save and load give the same state, and saving again writes the same
// bytes, the record file too. A refused file with a good backup beside it
// goes back to the backup: the backup loads, and the refused bytes are kept
// in the damaged file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "core/backups.h"
#include "core/datafile.h"
#include "core/paths.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/state.h"

namespace fs = std::filesystem;

namespace {

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// A save the game wrote: a fresh state's.
std::string goodSave;

// Every run begins with my.dat alone.
void removeBackupsAndDamagedFiles()
{
    for (const auto& entry : fs::directory_iterator(appDir() + "/dat"))
        if (entry.path().filename().string().starts_with("my.dat."))
            fs::remove(entry.path());
}

// The refused bytes with the good save as my.dat.1: going back puts the
// good save in place and keeps the refused bytes.
void goBack(const std::string& input)
{
    writeBytes(backupPath(1), goodSave);
    const std::optional<Backup> backup = backupToGoBackTo();
    check(backup && backup->number == 1 && backup->tryCount == 7);
    goBackTo(*backup);
    check(readBytes(datPath("my.dat")) == goodSave && readBytes(backupPath(1)) == goodSave);
    int damaged = 0;
    for (const auto& entry : fs::directory_iterator(appDir() + "/dat"))
        if (entry.path().filename().string().starts_with("my.dat.damaged-")) {
            check(readBytes(entry.path().string()) == input);
            ++damaged;
        }
    check(damaged == 1);
    loadGameData();
    check(!loadFailed() && my.tryCount == 7);
}

} // namespace

// The program's folder for the run, in memory where the system has a
// shared-memory folder so that the saves do not wait for a disk. The tables
// are empty: short tables are allowed, and only the save is fuzzed here.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string dir = (base / "fuzz_save.XXXXXX").string();
    if (!mkdtemp(dir.data()))
        std::abort();
    fs::create_directory(dir + "/dat");
    writeBytes(dir + "/dat/item.dat", "");
    writeBytes(dir + "/dat/map.dat", "");
    setAppDir(dir);
    my = tmy{};
    my.tryCount = 7;
    goodSave = saveFileBytes();
    std::atexit([] { fs::remove_all(appDir()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string save = datPath("my.dat");
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string recordBefore = readBytes(recordFilePath());
    removeBackupsAndDamagedFiles();
    writeBytes(save, input);
    try {
        loadGameData();
    } catch (const EInOutError&) {
        check(loadFailed());
        bool refused = false;
        try {
            saveGame();
        } catch (const EInOutError&) {
            refused = true;
        }
        check(refused && readBytes(save) == input && readBytes(recordFilePath()) == recordBefore);
        goBack(input);
        return 0;
    }
    check(!loadFailed());
    check(my.currentArea >= -1 && my.currentArea < int(areaTable.size()));

    saveGame();
    const std::string written = readBytes(save);
    const std::string record = readBytes(recordFilePath());
    check(written == saveFileBytes());
    loadGameData();
    // Every field has its own line and no string holds a line end, so the
    // same bytes mean the same state.
    check(saveFileBytes() == written);
    saveGame();
    check(readBytes(save) == written && readBytes(recordFilePath()) == record);
    return 0;
}
