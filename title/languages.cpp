// The title's key L: the game in its next language, kept for the next start.
#include <algorithm>

#include "core/language.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/settings.h"
#include "ui/form1.h"
#include "ui/sound.h"
#include "ui/status.h"

void TForm1::switchLanguage()
{
    if (!visible(start_box))
        return;   // a run is not switched halfway
    const std::vector<std::string> codes = languages();
    const auto at = std::find(codes.begin(), codes.end(), language());
    const std::string next = at == codes.end() || at + 1 == codes.end() ? codes.front() : *(at + 1);
    playCue(0, "b.wav");
    setLanguage(next);
    keepSetting("game/language", QString::fromStdString(next));
    translateTables();
    showTexts();
    refreshStatus();
    rank_l->setCaption(rankingText());
}
