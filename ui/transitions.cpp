#include "ui/transitions.h"

#include "core/clock.h"
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "ui/form1.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/sound.h"

int entryCost(int area)
{
    return area >= 0 && area < int(areaTable.size()) ? areaTable[area].entryCost : 0;
}

void enterArea(int area)
{
    TForm1& f = *Form1;
    showPicture("bak3.bmp");
    playCue(3, "13.wav");
    my.currentArea = area;
    f.map_box->hide();
    repaintWindow();
    pauseMs(30);
    revealScene();
    f.moji_l->setCaption({});
    f.moji_l2->setCaption({});
    f.moji_l->show();
    f.moji_l2->show();
    f.e_hp_l->show();
    addTo(my.deathEnergy, -int64_t(entryCost(my.currentArea)));
    showPlayButtons();
}

void closeAreaView()
{
    TCanvas& c = Form1->cg->canvas;
    const QImage& scene = Form1->bak->picture;
    for (int k = 40; k <= 44; ++k) {
        c.stretchDraw(0, 200 - 5 * k, 300, 200 + 5 * k, scene);
        repaintWindow();
        pauseMs(10);
    }
    for (int i = 23; i >= 0; --i) {
        const int h = 10 * i;
        c.fillAll(Qt::black);
        c.penColor = QColor(0, 255, 255);
        c.brushColor = Qt::black;
        c.rectangle(0, 199 - h, 300, 201 + h);
        c.stretchDraw(0, 200 - h, 300, 200 + h, scene);
        repaintWindow();
    }
    c.fillAll(Qt::black);
}

void returnToMap()
{
    TForm1& f = *Form1;
    playMusic("freesoul.mid");
    playCue(3, "14.wav");
    hidePlayButtons();
    enemyHp = 0;
    enemyMaxHp = 0;
    my.distance = 0;
    f.e_hp_l->hide();
    f.moji_l->hide();
    f.moji_l2->hide();
    f.state_l3->hide();
    closeAreaView();
    // The fills of the way in, backwards, from just above black up to pale cyan.
    for (int i = 8; i >= 0; --i) {
        const QColor& colour = sceneFills[i];
        repaintWindow();
        pauseMs(30);
        f.cg->canvas.fillAll(colour);
    }
    repaintWindow();
    pauseMs(30);
    f.map_box->show();
    playCue(0, "1.wav");
    // The area just left never offers its own chance button.
    const bool shop = R(2) == 0;
    f.shop_b->setVisible(shop && my.currentArea != 3);
    const bool usakuma = R(10) == 0;
    f.map_b8->setVisible(usakuma && my.currentArea != 8);
    const bool cave = R(10) == 0;
    f.map_b13->setVisible(cave && my.currentArea != 13);
    my.currentArea = -1;
}
