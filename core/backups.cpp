#include "core/backups.h"

#include <QDateTime>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "core/datafile.h"
#include "core/paths.h"
#include "core/savegame.h"

namespace {
bool present(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}
} // namespace

std::string backupPath(int k) { return saveFilePath() + "." + std::to_string(k); }

void keepBackups(const std::string& lastSaved)
{
    std::string onDisk;
    try {
        onDisk = readDataFile(saveFilePath());
    } catch (const EInOutError&) {
        return;   // no save there yet
    }
    if (lastSaved.empty() || onDisk != lastSaved)
        return;
    // Each step replaces one backup whole, newest last: a save cut short
    // leaves every backup an earlier save.
    for (int k = backupCount; k > 1; --k)
        if (present(backupPath(k - 1)))
            copyFile(backupPath(k - 1), backupPath(k));
    copyFile(saveFilePath(), backupPath(1));
}

std::optional<Backup> backupToGoBackTo()
{
    try {
        readSaveFile(saveFileToRead());
        return std::nullopt;   // the save reads: a table failed
    } catch (const EInOutError&) {
    }
    for (int k = 1; k <= backupCount; ++k) {
        try {
            const tmy saved = readSaveFile(backupPath(k));
            struct stat st;
            if (::stat(backupPath(k).c_str(), &st) != 0)
                continue;
            const QString time = QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec).toString("yyyy/MM/dd HH:mm");
            return Backup{k, time.toStdString(), saved.tryCount};
        } catch (const EInOutError&) {
        }
    }
    return std::nullopt;
}

void goBackTo(const Backup& backup)
{
    const std::string save = saveFilePath();
    if (present(save)) {
        const std::string damaged =
            save + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
        // A damaged file kept earlier is never written over.
        if (present(damaged))
            throw fileError(EEXIST, damaged);
        if (std::rename(save.c_str(), damaged.c_str()) != 0)
            throw fileError(errno, save);
    }
    copyFile(backupPath(backup.number), save);
}
