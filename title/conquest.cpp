// The area's guardian has fallen.
#include "title/conquest.h"

#include "core/clock.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/transitions.h"

namespace {

// The stage flash: each picture for a moment.
void flashFrame(const char* picture)
{
    showPicture(picture);
    repaintWindow();
    pauseMs(40);
}

void gameClear()
{
    const std::string ending[3] = {
        fill("%1は、管理者達の間の、いちばん奥の扉を開けた"_sj, {soulName()}),
        "そこには誰もいなかった。ただ、生きていた頃の自分の声が、小さく響いていた"_sj,
        "「見つかった？」……うん、見つかった。ひとつになった魂に、死者の世界の静かな朝が来た"_sj,
    };
    for (const std::string& line : ending) {
        playCue(0, "1.wav");
        showMessage(line);
    }
    playCue(0, "1.wav");
    showMessage("GAME CLEAR");
    int32_t* crests[4] = {&my.crestUnderworld, &my.crestSoul, &my.crestRedSword, &my.crestAdmins};
    if (my.difficulty >= 0 && my.difficulty <= 3)
        *crests[my.difficulty] = 1;
    saveGameOrReport();   // a save that fails is reported; the soul still goes back to the map
}

} // namespace

void conquerArea()
{
    playMusic("not");
    playCue(1, "17.wav");
    addTo(at(my.areaClears, my.currentArea), 1);
    for (const char* picture : {"stage1.bmp", "stage2.bmp", "stage3.bmp", "stage4.bmp", "stage5.bmp"})
        flashFrame(picture);
    Form1->cg->canvas.fillAll(Qt::white);
    repaintWindow();
    pauseMs(40);
    for (const char* picture : {"stage5.bmp", "stage4.bmp", "stage3.bmp", "stage2.bmp", "stage1.bmp", "bak3.bmp"})
        flashFrame(picture);
    showMessage(fill("%1は、【%2】を制覇した"_sj, {soulName(), at(areaTable, my.currentArea).name}));
    if (my.currentArea == 9)
        gameClear();
    playCue(0, "1.wav");
    my.distance = 0;
    returnToMap();
}
