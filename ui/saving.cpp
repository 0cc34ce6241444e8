#include "ui/saving.h"

#include "core/datafile.h"
#include "core/savegame.h"
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
