#include "core/places.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "core/datafile.h"
#include "core/paths.h"
#include "core/text.h"

namespace fs = std::filesystem;

namespace {
bool writable(const fs::path& p) { return ::access(p.c_str(), W_OK) == 0; }

bool portable(const fs::path& program) { return writable(program) && writable(program / "dat"); }
} // namespace

std::string gameFilesDir(const std::string& programDir)
{
    const fs::path program(programDir);
    const fs::path share = program.parent_path() / "share" / "games" / "miruhe";
    std::error_code ec;
    return !portable(program) && fs::is_directory(share / "dat", ec) ? share.string() : programDir;
}

StartPlace choosePlaces(const std::string& programDir)
{
    if (portable(programDir)) {
        setAppDir(programDir);
        return {};
    }
    std::error_code ec;
    const fs::path mine = fs::path(xdgFolder("XDG_DATA_HOME", ".local/share")) / "miruhe";
    setInstalled(gameFilesDir(programDir), mine.string());

    StartPlace place;
    fs::create_directories(mine, ec);
    if (!fs::exists(saveFilePath(), ec)) {
        try {
            createFile(saveFilePath(), readDataFile(datPath("my.dat")));
            place.newSave = true;
        } catch (const EInOutError&) {
        }
    }
    if (!fs::is_directory(mine, ec) || !writable(mine) || !fs::exists(saveFilePath(), ec))
        place.problem = fill("セーブの置き場所に書き込めません。\rこのまま遊べますが、セーブはできません。\r%1"_sj,
                             {toCp932(mine.string()).value_or(mine.string())});
    return place;
}
