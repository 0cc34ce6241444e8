// A long walk through the real game by a player who presses whatever is
// there to press: every difficulty, thousands of actions, scripted by a
// seeded generator. Whatever happens, the game must go on: no crash, no
// hang, and never a screen where nothing can be pressed. In English, from a
// new game to GAME CLEAR, nothing Japanese is ever shown but a typed name.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include <QTimer>
#include <set>

#include "core/language.h"
#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"

namespace {

struct Player {
    TestGame& game;
    TForm1& f = game.form();
    std::mt19937 choose;
    TButton* goal = nullptr;   // pressed on the map whenever it is there

    // One press on whatever the screen offers; false when nothing can be pressed.
    bool act()
    {
        // The window's periodic duties, run here between presses so that the
        // walk does not depend on how fast the machine is.
        f.Timer1Timer();
        f.Timer4Timer();
        auto pick = [&](int n) { return int(choose() % unsigned(n)); };
        if (visible(f.start_box)) {
            if (visible(f.start_box2)) {
                game.answers.push_back(true);
                (f.*(std::array{&TForm1::Image7Click, &TForm1::Image8Click, &TForm1::Image9Click})[pick(3)])();
            } else if (pick(4) == 0) {
                f.Button4Click();
            } else {
                f.y_bClick();
            }
            return true;
        }
        if (visible(f.name_box)) {
            f.name_l->setText(QString::fromUtf8(pick(2) ? "ミルヘ" : "k"));
            f.Button5Click();
            return true;
        }
        if (visible(f.select_box)) {
            pick(2) ? f.BitBtn1Click() : f.BitBtn2Click();
            return true;
        }
        if (visible(f.lvup_box)) {
            (f.*(std::array{&TForm1::BitBtn6Click, &TForm1::BitBtn7Click, &TForm1::BitBtn8Click,
                            &TForm1::BitBtn9Click, &TForm1::BitBtn10Click})[pick(5)])();
            return true;
        }
        if (visible(f.store_box)) {
            if (pick(3) == 0 && f.store_list->count() > 0) {
                f.store_list->setCurrentRow(pick(f.store_list->count()));
                f.store_listMouseDown();
                f.Button2Click();
            } else {
                f.Button6Click();
            }
            return true;
        }
        if (visible(f.map_box)) {
            std::vector<TButton*> open;
            for (TButton* b : {f.map_b0, f.map_b1, f.map_b2, f.shop_b, f.map_b4, f.map_b5, f.map_b6, f.map_b7,
                               f.map_b8, f.map_b9, f.map_b12, f.map_b13, f.Button8, f.Button9, f.Button10})
                if (visible(b))
                    open.push_back(b);
            if (open.empty())
                return false;
            (goal && visible(goal) ? goal : open[size_t(pick(int(open.size())))])->click();
            return true;
        }
        // Play: walk, fight or search, use an item, jump, pick things up.
        std::vector<std::function<void()>> presses;
        if (visible(f.walk_b))
            presses.push_back([&] { f.walk_bMouseDown(); });
        if (visible(f.battle_b) || visible(f.battle_b2))
            presses.push_back([&] { f.battle_bClick(); });
        if (visible(f.kutu_b))
            presses.push_back([&] { f.kutu_bMouseDown(); });
        if (f.item_list->isEnabled() && f.item_list->count() > 0)
            presses.push_back([&] {
                f.item_list->setCurrentRow(pick(f.item_list->count()));
                f.item_listMouseDown();
                if (visible(f.item_b))
                    f.item_bClick();
            });
        for (TImage* pickup : {f.coin_cg, f.koku_cg, f.doku_cg, f.toki_cg})
            if (pickup->x() >= 0)
                presses.push_back([pickup] { emit pickup->mouseDown(); });
        if (presses.empty())
            return false;
        presses[size_t(pick(int(presses.size())))]();
        return true;
    }
};

// With MIRUHE_SHOTS=<folder>, each kind of screen is drawn at twice the
// window's size the first time it shows, into <folder>/<kind>.png.
struct Shots {
    explicit Shots(TForm1& form) : f(form) {}
    TForm1& f;
    QString folder = qEnvironmentVariable("MIRUHE_SHOTS");
    std::set<std::string> taken;
    std::string typing;   // the start of a line caught while it was typed

    void take(const std::string& kind)
    {
        if (!folder.isEmpty() && taken.insert(kind).second)
            shoot(&f, kind.c_str());
    }
    // Between presses and at every wait.
    void look(bool waiting)
    {
        const std::string said = f.moji_l->caption();
        if (visible(f.start_box))
            take(visible(f.start_box2) ? "difficulty" : "title");
        else if (visible(f.map_box))
            take("map");
        else if (visible(f.name_box))
            take("name");
        else if (visible(f.select_box))
            take("question");
        else if (visible(f.lvup_box))
            take("levelup");
        else if (visible(f.store_box))
            take("shop");
        else if (said == "GAME OVER")
            take("gameover");
        else if (inBattle == 1 && said.find("damage") != std::string::npos)
            take("fight");
        else if (said.find("Picked up") != std::string::npos || said.find("remains!!") != std::string::npos)
            take("search");
        else if (waiting && inBattle == 0 && visible(f.state_l3))
            take("encounter");
        if (!waiting && typing.empty() && said.size() >= 24 && clickWait != 0) {
            typing = said;
            take("typing");
        }
    }
};

// Plays `actions` presses; returns the areas conquered on the way.
int playFor(uint32_t seed, int actions, bool strong = false, bool english = false)
{
    TestGame game(VirtualAudio::Manual, [english](const TempAppDir&) { setLanguage(english ? "en" : "ja"); });
    for (QTimer* t : {game.form().Timer1, game.form().Timer3, game.form().Timer4})
        t->stop();
    game.clickThrough();
    seedRandom(seed);
    Player player{game, game.form(), std::mt19937(seed)};
    Shots shots(game.form());
    QTimer typing;   // a line caught halfway through its typing
    if (english && !shots.folder.isEmpty()) {
        game.onWait = [&] { shots.look(true); };
        QObject::connect(&typing, &QTimer::timeout, [&] { shots.look(false); });
        typing.start(0);
    }
    if (strong) {
        // A soul that has been everywhere: every gate open, strength to spare.
        game.form().y_bClick();
        my.deathEnergy = 100000;
        my.maxSoul = my.soul = 80;
        my.soulSword = 25;
        my.soulArmor = 10;
        my.coins = 500;
        my.eventFlag[0] = 1;
        my.eventFlag[2] = 4;
        my.eventFlag[3] = 4;
        my.areaClears[2] = my.areaClears[5] = my.areaClears[6] = my.areaClears[7] = english ? 2 : 1;
        my.itemCount[104] = my.itemCount[33] = 5;
        if (english) {   // strong enough for the High Hall, and GAME CLEAR at its end
            my.maxSoul = my.soul = 2000;
            my.soulSword = 300;
            my.soulArmor = 200;
            player.goal = game.form().map_b9;
        }
    }
    const int before = std::accumulate(my.areaClears.begin(), my.areaClears.end(), 0);
    int dead = 0;
    for (int i = 0; i < actions; ++i) {
        if (!player.act())
            ++dead;
        else
            dead = 0;
        EXPECT_LT(dead, 3) << "nothing can be pressed, seed " << seed << ", action " << i << ", area "
                           << my.currentArea << ", message " << toUtf8(game.form().moji_l->caption());
        if (dead >= 3)
            break;
        if (english && !shots.folder.isEmpty())
            shots.look(false);
        if (english && !japaneseShown(game.form()).empty())
            ADD_FAILURE() << "shown in English: " << japaneseShown(game.form()) << ", seed " << seed << ", action " << i;
        if (english && my.areaClears[9] > 0)
            return std::accumulate(my.areaClears.begin(), my.areaClears.end(), 0) - before;
    }
    return std::accumulate(my.areaClears.begin(), my.areaClears.end(), 0) - before;
}

TEST(Playthrough, ThousandsOfPressesAtEveryDifficulty)
{
    for (uint32_t seed : {1u, 2u, 3u, 4u})
        playFor(seed, 1500);
}

TEST(Playthrough, InEnglishANewSoulWalksAndAStrongOneClearsTheGame)
{
    playFor(7, 1500, false, true);
    EXPECT_GE(playFor(8, 6000, true, true), 1);
    EXPECT_GE(my.areaClears[9], 1) << "GAME CLEAR was not reached";
}

TEST(Playthrough, AStrongSoulWalksTheRoadsAndConquersThem)
{
    for (uint32_t seed : {5u, 6u})
        EXPECT_GE(playFor(seed, 6000, true), 1) << seed;
}

} // namespace
