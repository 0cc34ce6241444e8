// Pictures and effects on the scene: backgrounds, portraits, the red flash,
// the lightning, and a picture that cannot be loaded.
#include <gtest/gtest.h>

#include <QScreen>

#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/bitmap.h"
#include "ui/dialogs.h"
#include "ui/pictures.h"

namespace {

class Pictures : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override { f.start_box->hide(); }
};

TEST_F(Pictures, ASmallPictureIsStretchedOverTheWholeScene)
{
    QImage small(150, 200, QImage::Format_RGB888);
    small.fill(QColor(10, 20, 30));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 75; ++x)
            small.setPixelColor(x, y, QColor(200, 100, 50));   // the top-left quarter
    ASSERT_TRUE(writeBmp24(small, game.dir.cg("small.bmp")));
    showPicture("small.bmp");
    EXPECT_EQ(f.bak->picture.size(), QSize(150, 200));
    EXPECT_EQ(f.cg->picture.size(), QSize(300, 400));
    EXPECT_EQ(f.cg->picture.pixelColor(0, 0), QColor(200, 100, 50));
    EXPECT_EQ(f.cg->picture.pixelColor(149, 199), QColor(200, 100, 50));
    EXPECT_EQ(f.cg->picture.pixelColor(150, 200), QColor(10, 20, 30));
    EXPECT_EQ(f.cg->picture.pixelColor(299, 399), QColor(10, 20, 30));
}

TEST_F(Pictures, WhatIsDrawnOnTheSceneReachesTheScreen)
{
    showPicture("bak1.bmp");
    pumpMessages();
    fadeInPortrait("7.bmp");
    pumpMessages();
    // Where no label lies over the scene, the window on screen shows the portrait.
    const QImage shown = f.screen()->grabWindow(f.winId()).toImage();
    for (QPoint at : {QPoint(40, 150), QPoint(150, 60), QPoint(100, 250), QPoint(250, 200)})
        EXPECT_EQ(shown.pixelColor(at), f.cg->picture.pixelColor(at)) << at.x() << "," << at.y();
}

TEST_F(Pictures, AMissingPictureIsReportedAndTheSceneGoesOn)
{
    my.coins = 1;
    guarded([] {
        my.coins = 2;
        showPicture("nothere.bmp");
        my.coins = 3;
    });
    EXPECT_EQ(my.coins, 3);
    ASSERT_EQ(game.boxes.size(), 1u);
    EXPECT_NE(game.boxes[0].find("nothere.bmp"), std::string::npos);

    writeFile(game.dir.cg("broken.bmp"), "BM not a picture");
    guarded([] { fadeInPortrait("broken.bmp"); });
    ASSERT_EQ(game.boxes.size(), 2u);
    EXPECT_EQ(game.boxes[1], "ビットマップ イメージが不正です"_sj);

    // A background gone from the folder does not hold the road up.
    std::remove(game.dir.cg("bak1.bmp").c_str());
    my.currentArea = 1;
    my.deathEnergy = 50;
    my.soul = my.maxSoul = 10;
    encounterTick = -10;   // nothing met on these steps
    for (int step = 0; step < 3; ++step)
        emit f.walk_b->mouseDown();
    EXPECT_EQ(my.distance, 3);
    EXPECT_EQ(game.boxes.size(), 3u);
}

TEST_F(Pictures, APortraitFadesInWholeAndIsRemembered)
{
    fadeInPortrait("5.bmp");
    EXPECT_EQ(portraitFile, "5.bmp");
    QImage portrait;
    ASSERT_TRUE(portrait.load(QString::fromStdString(game.dir.cg("5.bmp"))));
    // With the black mask every frame is the portrait itself.
    EXPECT_EQ(f.cg->picture.convertToFormat(QImage::Format_RGB888), portrait.convertToFormat(QImage::Format_RGB888));
}

TEST_F(Pictures, ABrighterMaskDarkensTheLaterFrames)
{
    f.Image2->picture.fill(QColor(100, 100, 100));
    QImage grey(300, 400, QImage::Format_RGB888);
    grey.fill(QColor(250, 120, 40));
    ASSERT_TRUE(writeBmp24(grey, game.dir.cg("grey.bmp")));
    fadeInPortrait("grey.bmp");
    // The last frame takes 10 x 9 from every byte, and never below 0.
    EXPECT_EQ(f.cg->picture.pixelColor(7, 7), QColor(160, 30, 0));
}

TEST_F(Pictures, TheRedFlashEndsOnTheScene)
{
    showPicture("bak1.bmp");
    const QImage scene = f.cg->picture.copy();
    flashRed();
    EXPECT_EQ(f.cg->picture, scene);
}

TEST_F(Pictures, LightningTakesTheKarmasColour)
{
    showPicture("bak2.bmp");
    const QImage scene = f.cg->picture.copy();
    const struct {
        int karma;
        QColor colour;
    } cases[] = {{-10, {255, 0, 255}}, {-9, {0, 255, 255}}, {9, {0, 255, 255}}, {10, {255, 255, 255}}};
    for (const auto& c : cases) {
        my.karma = c.karma;
        drawLightning();
        EXPECT_EQ(f.cg->canvas.penColor, c.colour) << c.karma;
        EXPECT_EQ(f.cg->canvas.penWidth, 1);
        EXPECT_EQ(f.cg->picture, scene);   // every segment is wiped by the scene
    }
    my.karma = 150;   // beyond the bands: the pen keeps its colour
    drawLightning();
    EXPECT_EQ(f.cg->canvas.penColor, QColor(255, 255, 255));
    drawGoldLightning();
    EXPECT_EQ(f.cg->canvas.penColor, QColor(255, 255, 0));
}

TEST_F(Pictures, LightningSegmentsFollowTheDraws)
{
    my.karma = 0;
    // Start point, then per segment: width, end point; x is drawn before y.
    feedDraws({10, 20, 2, 100, 100, 7, 200, 30, 12, 50, 390, 8, 280, 200, 5, 10, 10, 2, 150, 250});
    f.bak->picture = QImage(300, 400, QImage::Format_RGB888);
    f.bak->picture.fill(Qt::black);
    drawLightning();
    EXPECT_EQ(pendingDraws(), 0);
    EXPECT_EQ(f.cg->canvas.penPos, QPoint(150, 250));
}

} // namespace
