#include "ui/saving.h"

#include "core/backups.h"
#include "core/datafile.h"
#include "core/savegame.h"
#include "core/text.h"
#include "ui/dialogs.h"

bool saveGameOrReport()
{
    try {
        saveGame();
        return true;
    } catch (const EInOutError& e) {
        showMessage(e.what());
        return false;
    }
}

void reportFailedLoad(const std::string& error)
{
    const std::optional<Backup> backup = backupToGoBackTo();
    if (!backup) {
        showMessage(error);
        return;
    }
    const std::string offer =
        fill("前のセーブに戻る？\r（%1のセーブ、トライ回数：%2回）"_sj, {backup->time, num(backup->tryCount)});
    if (!askYesNo(error + "\r\r" + offer))
        return;
    try {
        goBackTo(*backup);
        loadGameData();
    } catch (const EInOutError& e) {
        showMessage(e.what());
    }
}
