// The extras panel: what the best score unlocks, the music room and the
// item encyclopedia.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/music.h"

namespace {

class Extras : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override { f.Timer1->stop(); }
    // Opens the panel with this best score in the ranking.
    void open(int best)
    {
        my.rankScore[1] = best;
        f.am_bMouseDown();
    }
    std::vector<std::string> listed() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < f.music_list->count(); ++i)
            rows.push_back(f.music_list->itemText(i));
        return rows;
    }
    void select(int row)
    {
        f.music_list->setCurrentRow(row);
        f.music_listMouseDown();
    }
    // The encyclopedia's text for an item of this value.
    std::string entry(int value)
    {
        itemTable[7].value = value;
        f.zukan_v->setValue(6);
        f.zukan_v->setValue(7);
        return f.zukan_l->caption();
    }
};

TEST_F(Extras, TheDefaultBestUnlocksEverything)
{
    f.Button4Click();
    open(10000);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Miruhe", "Purple Grass", "Free Soul", "The Sword", "Usakuma",
                                                  "Modesty", "I Knew me", "All to 1"}));
    EXPECT_TRUE(visible(f.am_box) && visible(f.zukan_box));
    EXPECT_FALSE(visible(f.start_box2));
    EXPECT_EQ(f.am_box->pos(), QPoint(4, 4));
    EXPECT_EQ(f.am_box->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(f.music_list->currentRow(), -1);
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"b.wav"});
}

TEST_F(Extras, EachTrackOpensAtItsScore)
{
    const std::string locked = "????";
    open(1999);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Miruhe", "Purple Grass", "Free Soul", "The Sword", locked, locked,
                                                  locked, locked}));
    EXPECT_FALSE(visible(f.zukan_box));
    open(2000);
    EXPECT_EQ(listed()[4], "Usakuma");
    EXPECT_EQ(listed()[5], locked);
    open(5999);
    EXPECT_EQ(listed()[5], "Modesty");
    EXPECT_EQ(listed()[6], locked);
    EXPECT_EQ(listed()[7], locked);
    EXPECT_FALSE(visible(f.zukan_box));
    open(8000);
    EXPECT_EQ(listed()[6], "I Knew me");
    EXPECT_EQ(listed()[7], "All to 1");
    EXPECT_EQ(listed().size(), 8u);   // rebuilt, not added to
    open(9999);
    EXPECT_FALSE(visible(f.zukan_box));
    open(-50);
    EXPECT_EQ(listed()[0], "Miruhe");
}

TEST_F(Extras, TheFirstFiveTracksTellTheirLore)
{
    open(10000);
    const char* titles[5] = {"Miruhe", "Purple Grass", "Free Soul", "The Sword", "Usakuma"};
    for (int row = 0; row < 5; ++row) {
        select(row);
        const std::string head = std::string(titles[row]) + "\r\r";
        EXPECT_EQ(f.music_l->caption().substr(0, head.size()), head);
        EXPECT_GT(f.music_l->caption().size(), head.size() + 40);
    }
    for (int row = 5; row < 8; ++row) {
        f.music_l->setCaption("x");
        select(row);
        EXPECT_EQ(f.music_l->caption(), "");
    }
    EXPECT_EQ(game.cues(0).size(), 9u);   // the panel, then "list.wav" for every selection
    EXPECT_EQ(game.cues(0).back(), "list.wav");
}

TEST_F(Extras, ALockedTrackShowsNothingAndDoesNotPlay)
{
    open(3000);
    select(6);
    EXPECT_EQ(f.music_l->caption(), "");
    f.mid_p->FileName.clear();
    f.Label13MouseDown();
    EXPECT_EQ(f.mid_p->FileName, "");
    EXPECT_EQ(game.cues(0).back(), "2.wav");
}

TEST_F(Extras, ThePlayLinkPlaysTheChosenTrack)
{
    open(10000);
    f.mid_p->FileName.clear();
    f.Label13MouseDown();   // nothing selected: only the click
    EXPECT_EQ(f.mid_p->FileName, "");
    EXPECT_EQ(game.cues(0), (std::vector<std::string>{"b.wav", "2.wav"}));
    f.music_list->setCurrentRow(7);
    f.Label13MouseDown();
    EXPECT_EQ(f.mid_p->FileName, game.dir.dat("allto1.mid"));
    f.music_list->setCurrentRow(1);
    f.Label13MouseDown();
    EXPECT_EQ(f.mid_p->FileName, game.dir.dat("purplegrass.mid"));
}

TEST_F(Extras, NoSelectionLeavesTheDescription)
{
    open(10000);
    f.music_l->setCaption("曲説明"_sj);
    f.music_listMouseDown();
    EXPECT_EQ(f.music_l->caption(), "曲説明"_sj);
    EXPECT_EQ(game.cues(0).back(), "list.wav");
}

TEST_F(Extras, RarityIsOneStarForEveryTenAndOneMore)
{
    const std::string head = itemTable[7].name + "\r" + "レア度:"_sj;
    const std::string tail = "\r" + itemTable[7].description;
    const std::string star = "★"_sj;
    const struct {
        int value;
        std::string stars;
    } cases[] = {{-15, ""}, {-5, star}, {0, star}, {9, star}, {10, star + star}, {19, star + star}, {20, star + star + star}};
    for (const auto& c : cases)
        EXPECT_EQ(entry(c.value), head + c.stars + tail) << c.value;
}

TEST_F(Extras, EveryNamedItemFitsTheEncyclopedia)
{
    open(10000);
    int shown = 0;
    for (int id = 254; id >= 0; --id) {   // from the design value 0: every step is a change
        f.zukan_v->setValue(id);
        if (itemTable[id].name.empty())
            continue;
        ++shown;
        EXPECT_LE(f.zukan_l->textHeight(f.zukan_l->caption()), f.zukan_l->height())
            << id << " " << toUtf8(itemTable[id].name) << ": " << rows(f.zukan_l, f.zukan_l->caption()) << " rows";
    }
    EXPECT_GT(shown, 100);
}

TEST_F(Extras, AnIdWithoutAnItemShowsNothing)
{
    open(10000);
    EXPECT_EQ(f.zukan_l->caption(), "説明"_sj);   // until the number first changes
    itemTable[40].name.clear();
    f.zukan_v->setValue(40);
    EXPECT_EQ(f.zukan_l->caption(), "");
    EXPECT_EQ(game.cues(0).back(), "list.wav");
    f.zukan_v->setValue(255);
    EXPECT_EQ(f.zukan_v->value(), 254);
}

TEST_F(Extras, TheCreditsNameTheMaker)
{
    EXPECT_NE(f.Label9->caption().find("くいるもす"_sj), std::string::npos);
    for (TLabel* l : {f.Label9, f.Label10, f.Label11, f.Label12})
        EXPECT_LE(l->x() + l->width(), f.Image5->x() + f.Image5->width()) << l->objectName().toStdString();
}

} // namespace
