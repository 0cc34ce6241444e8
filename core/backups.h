// The save's backups: the three saves before it, my.dat.1 (the newest) to
// my.dat.3, beside my.dat; and going back to one when my.dat is damaged.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

constexpr int backupCount = 3;
// my.dat.k, beside my.dat.
std::string backupPath(int k);

// Moves the backups one place on (the oldest is dropped) and copies the
// my.dat on disk to my.dat.1, when it holds `lastSaved`: the bytes of the
// save this program last read or wrote in the game's own form. A file the
// game did not write and read back never becomes a backup. Called by a
// save before it puts the new my.dat in place; EInOutError names a
// backup that could not be written (each backup is whole either way).
void keepBackups(const std::string& lastSaved);

struct Backup {
    int number = 0;        // my.dat.<number>
    std::string time;      // when it was saved: "2024/05/01 12:34"
    int32_t tryCount = 0;
};
// After a failed loadGameData: the newest backup that loads, when it is
// the save that failed (a table that fails has no backups).
std::optional<Backup> backupToGoBackTo();
// Renames my.dat, when there, to my.dat.damaged-YYYYMMDD-HHMMSS, which is
// never removed, and copies the backup to my.dat. EInOutError names the
// file that failed.
void goBackTo(const Backup& backup);
