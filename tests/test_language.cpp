// The game in English: every text has its English and it fits where it is
// shown, the language is chosen and kept, the title's key switches it, a
// broken catalog leaves the Japanese, and what the window shows in English
// holds nothing Japanese but the names the player typed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QStyle>
#include <filesystem>

#include "core/language.h"
#include "items/shop.h"
#include "title/conquest.h"
#include "core/paths.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "tools/catalog.h"
#include "ui/dialogs.h"
#include "ui/pictures.h"
#include "ui/status.h"

namespace {

struct Entry {
    QString context, source, english, file;
    int line = 0;
};

// The English catalog as its translators keep it.
std::vector<Entry> catalog()
{
    const Catalog read = readCatalog(MIRUHE_SOURCE_DIR "/assets/lang/miruhe_en.ts");
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    EXPECT_FALSE(read.messages.empty());
    std::vector<Entry> entries;
    for (const CatalogMessage& m : read.messages)
        entries.push_back({m.context, m.source, m.translation, m.file.mid(6), m.line});
    return entries;
}

QString sourceLine(const QString& file, int line)
{
    QFile f(MIRUHE_SOURCE_DIR "/" + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n').value(line - 1);
}

std::string sj(const QString& s) { return toCp932(s.toStdString()).value_or(std::string()); }

class English : public ::testing::Test {
protected:
    TestGame game{VirtualAudio::Manual, [](const TempAppDir&) { setLanguage("en"); }};
    TForm1& f = game.form();
    void SetUp() override
    {
        for (QTimer* t : {f.Timer1, f.Timer3, f.Timer4})
            t->stop();
    }
    void key(Qt::Key k) { QTest::keyClick(f.windowHandle(), k); }
};

// Every text of the code, the tables and the pictures has a finished
// English that keeps its numbers and names, and nothing Japanese in it.
TEST(Catalog, EveryTextHasItsEnglish)
{
    QProcess texts;
    texts.start(MIRUHE_BUILD_DIR "/tools/texts", {MIRUHE_SOURCE_DIR, "check", MIRUHE_SOURCE_DIR "/assets/lang/miruhe_en.ts"});
    ASSERT_TRUE(texts.waitForFinished(60000));
    EXPECT_EQ(texts.exitCode(), 0) << texts.readAllStandardOutput().toStdString();
}

// Every English text takes no more room where it is shown than its Japanese
// does, or than the place holds: a line said, a profile, an item's note,
// the map's strip, an item's name and its description, an area's name.
TEST_F(English, EveryTextFitsWhereItIsShown)
{
    int measured = 0;
    for (const Entry& e : catalog()) {
        const std::string ja = sj(e.source), en = sj(e.english);
        const QString code = sourceLine(e.file, e.line);
        SCOPED_TRACE(e.file.toStdString() + ":" + std::to_string(e.line) + " " + e.english.toStdString());
        // The English and the Japanese of a text shown inside another ("%1").
        auto inside = [](const char* around, const std::string& text, bool english) {
            const bool inText = std::string(around) != "%1";
            const std::string form = english && inText ? toCp932(translation("miruhe", around).value_or(around)).value() : sj(around);
            return fill(form, {text, "99"});
        };
        auto rowsFit = [&](const TLabel* label, int most, const char* around = "%1") {
            EXPECT_LE(rows(label, inside(around, en, true)), std::max(rows(label, inside(around, ja, false)), most));
            ++measured;
        };
        auto widthFits = [&](const QFont& font, int room, const char* around = "%1") {
            const QFontMetrics m(font);
            EXPECT_LE(m.horizontalAdvance(displayText(inside(around, en, true))),
                      std::max(room, m.horizontalAdvance(displayText(inside(around, ja, false)))));
            ++measured;
        };
        if (e.file == "assets/dat/item.txt" && e.line % 4 == 1) {
            widthFits(f.store_list->font(), f.store_list->width() - 16);
        } else if (e.file == "assets/dat/item.txt") {
            rowsFit(f.zukan_l, 2);
        } else if (e.file == "assets/dat/map.txt" && e.line % 4 == 1) {
            widthFits(f.state_l->font(), f.state_l->width(), "【%1】");
        } else if (e.file == "assets/dat/map.txt" || code.contains("hover(")) {
            rowsFit(f.map_l, 2, "%1,要:死のEnrgy %2");
        } else if (e.context != "miruhe" || QRegularExpression("showMessage\\(|askYesNo\\(|Error\\(|fail\\(|problem =|usage").match(code).hasMatch()
                   || e.file == "ui/help.cpp" || e.file == "app/main.cpp" || e.file == "ui/form1.cpp" || e.file == "ui/status.cpp"
                   || (e.file.startsWith("core/") && e.file != "core/ranking.cpp")) {
            continue;   // a box grows with its text; the window's own words are measured in place below
        } else if (e.file == "story/cast.cpp" || code.contains("Cast ") || code.contains("stand(")) {
            rowsFit(f.state_l3, 7);
        } else if (e.file == "title/extras.cpp") {
            rowsFit(f.music_l, 12);
        } else if (code.contains("showItemNote")) {
            f.item_l->setFontPx(14);
            rowsFit(f.item_l, 3);
        } else {
            rowsFit(f.moji_l, 3);
        }
    }
    EXPECT_GT(measured, 600);
}

// The window's own words, measured in the window: every button's caption,
// every label of the title, the extras, the play view and the status panel
// takes no more room in English than in Japanese, or than it has.
TEST_F(English, TheWindowsWordsFitTheirControls)
{
    my.playerName = "Kuirumosu";
    my.statusFaith = my.statusGrudge = my.statusPoison = my.statusHeal = 1;
    my.currentArea = 10;
    my.soul = my.maxSoul = 100;
    auto measure = [&] {
        refreshStatus();
        std::map<QObject*, QSize> room;
        for (TLabel* l : f.findChildren<TLabel*>()) {
            const QString text = displayText(l->caption());
            room[l] = {QFontMetrics(l->font()).horizontalAdvance(text.section('\n', 0, 0)), l->textHeight(l->caption())};
            for (const QString& line : text.split('\n'))   // the widest line of a label that does not wrap
                room[l].setWidth(std::max(room[l].width(), QFontMetrics(l->font()).horizontalAdvance(line)));
        }
        for (TButton* b : f.findChildren<TButton*>())
            room[b] = {b->fontMetrics().horizontalAdvance(b->text()) + b->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                           2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth),
                       0};
        return room;
    };
    auto inJapanese = [&] {
        setLanguage("ja");
        translateTables();
        f.showTexts();
        return measure();
    };
    const auto ja = inJapanese();
    const QFontMetrics m(f.state_l->font());
    const int soulJa = m.horizontalAdvance(displayText(f.state_l->caption()).split('\n').value(5));
    setLanguage("en");
    translateTables();
    f.showTexts();
    const auto en = measure();
    for (const auto& [control, size] : en) {
        auto* w = static_cast<QWidget*>(control);
        auto* label = qobject_cast<TLabel*>(w);
        // A label that fits itself to its text has the room to its panel's edge.
        const QSize own = label && label->autoSize() ? QSize(w->parentWidget()->width() - w->x(), w->height()) : w->size();
        SCOPED_TRACE(w->objectName().toStdString() + ": " + (label ? toUtf8(label->caption()) : std::string()));
        EXPECT_LE(size.width(), std::max(ja.at(control).width(), own.width()));
        EXPECT_LE(size.height(), std::max(ja.at(control).height(), own.height()));
    }
    EXPECT_LE(f.Label2->x() + f.Label2->width(), f.Label3->x());
    EXPECT_LE(f.Label15->x() + f.Label15->width(), f.zukan_v->x());
    for (TLabel* l : {f.Label9, f.Label10, f.Label11, f.Label12})
        EXPECT_LE(l->x() + l->width(), f.Image5->x() + f.Image5->width()) << l->objectName().toStdString();
    // The soul's line runs under its gauge no further than the Japanese does.
    const QString soul = displayText(f.state_l->caption()).split('\n').value(5);
    EXPECT_LE(m.horizontalAdvance(soul), std::max(soulJa, f.hp_l->x() - f.state_l->x())) << soul.toStdString();
}

// English goes through the game's own bytes: the status panel, a table's
// names and the message line speak it, and nothing Japanese is left on the
// title, the map or the play view.
TEST_F(English, TheGameSpeaksEnglish)
{
    f.Timer1Timer();
    EXPECT_EQ(japaneseShown(f), "");
    EXPECT_EQ(f.BitBtn1->text(), "YES");
    EXPECT_EQ(toUtf8(itemTable[0].name), "Soul Shard");
    EXPECT_EQ(toUtf8(areaTable[0].name), "Doomgate");
    EXPECT_EQ(toUtf8(rankingText()).substr(0, 17), "★SCORE RANKING\r");
    f.start_box->hide();
    my.currentArea = -1;
    f.map_box->show();
    f.Timer1Timer();
    EXPECT_EQ(japaneseShown(f), "");
    EXPECT_EQ(toUtf8(f.state_l->caption()).substr(0, 3), "MAP");
}

// The title's key L moves to the next language and back, keeps it, and
// shows the title in it at once; in a run it does nothing.
TEST_F(English, TheTitleKeySwitchesTheLanguage)
{
    key(Qt::Key_L);
    EXPECT_EQ(language(), "ja");
    EXPECT_EQ(settings().value("game/language").toString(), "ja");
    EXPECT_EQ(f.Button5->text().toStdString(), "きめた");
    EXPECT_EQ(itemTable[0].name, "魂のかけら"_sj);
    EXPECT_NE(f.rank_l->caption().find("★個体スコアＲＡＮＫ"_sj), std::string::npos);
    key(Qt::Key_L);
    EXPECT_EQ(language(), "en");
    EXPECT_EQ(settings().value("game/language").toString(), "en");
    EXPECT_EQ(f.Button5->text().toStdString(), "Done");
    f.start_box->hide();
    key(Qt::Key_L);
    EXPECT_EQ(language(), "en");
}

// A save is the same bytes in either language: one made in English loads in
// Japanese and saves back unchanged, its names in Japanese again. A name a
// player wrote into a table has no English: it is shown as written.
TEST_F(English, ASaveLoadsInTheOtherLanguage)
{
    const std::string items = readFile(game.dir.dat("item.dat"));
    writeFile(game.dir.dat("item.dat"), toCp932("ぬらもの石").value() + items.substr(items.find("\r\n")));
    loadGameData();
    EXPECT_EQ(itemTable[0].name, "ぬらもの石"_sj);
    EXPECT_EQ(toUtf8(itemTable[1].name), "Death Sand");
    my.playerName = "Kuirumosu ";
    my.itemCount[0] = 3;
    saveGame();
    const std::string english = readFile(game.dir.dat("my.dat"));
    setLanguage("ja");
    loadGameData();
    EXPECT_EQ(saveFileBytes(), english);
    EXPECT_EQ(itemTable[1].name, "死の砂"_sj);
    EXPECT_EQ(my.playerName, "Kuirumosu ");
}

// A special name answers to its English spelling in English, in any case.
TEST_F(English, SpecialNamesAnswerToTheirEnglishSpelling)
{
    f.name_box->show();
    f.name_l->setText("Sword");
    game.clickThrough();
    const int sword = my.soulSword;
    f.Button5Click();
    EXPECT_EQ(my.soulSword, sword + 1);
    EXPECT_EQ(my.playerName, "Sword ");
}

// The screens a robot does not always reach, and the boxes as the player
// sees them: the extras, the shop, a confirmation, the conquest of the last
// area and GAME CLEAR. None shows anything Japanese.
TEST_F(English, TheExtrasTheShopTheBoxesAndGameClear)
{
    my.rankScore[1] = 10000;
    f.am_bMouseDown();
    f.music_list->setCurrentRow(0);
    f.music_listMouseDown();
    f.zukan_v->setValue(3);
    EXPECT_EQ(japaneseShown(f), "");
    shoot(&f, "extras");

    f.start_box->hide();
    my.currentArea = 3;
    my.coins = 99;
    showPicture("bak2.bmp");
    refreshStatus();
    game.clickThrough();
    openShop(0, 6);
    f.store_list->setCurrentRow(1);
    f.store_listMouseDown();
    EXPECT_EQ(japaneseShown(f), "");
    shoot(&f, "shop");
    f.Button6Click();

    // Real boxes from here on: each is drawn, read and closed as it opens.
    std::vector<std::string> boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        boxes.push_back(sj(box->windowTitle() + "\r" + box->text()));
        for (const QAbstractButton* b : box->buttons())
            boxes.back() += "\r" + sj(b->text());
        if (box->text() == "GAME CLEAR")
            shoot(box, "gameclear");
        if (boxes.size() == 1)
            shoot(box, "box");
        box->reject();
    });
    closer.start(0);
    setDialogHook(nullptr);
    f.start_box->show();
    f.Button7Click();   // the ranking reset asks, and is answered no
    f.start_box->hide();
    my.currentArea = 9;
    conquerArea();
    closer.stop();
    EXPECT_GE(boxes.size(), 6u);
    for (const std::string& text : boxes)
        for (char16_t u : decodeCp932(text))
            EXPECT_FALSE(u >= 0x3000 && u <= 0xFFEF) << toUtf8(text);
    EXPECT_NE(std::find_if(boxes.begin(), boxes.end(), [](const std::string& b) { return b.find("GAME CLEAR") != std::string::npos; }),
              boxes.end());
}

// A catalog that is damaged, or lacks a text, leaves the Japanese in its
// place and says so on stderr; the game goes on.
TEST(Catalog, ABrokenCatalogLeavesTheJapanese)
{
    TempAppDir dir;
    std::filesystem::remove(dir.path() + "/lang");
    std::filesystem::create_directory(dir.path() + "/lang");
    writeFile(dir.path() + "/lang/miruhe_en.qm", "not a catalog");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(setLanguage("en"));
    EXPECT_EQ("確認"_sj, toCp932("確認").value());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("miruhe_en.qm"), std::string::npos);
    EXPECT_EQ(languages(), (std::vector<std::string>{"ja", "en"}));
    setLanguage("ja");
}

// The first start speaks the desktop's language: Japanese for Japanese,
// C and POSIX, English for the rest.
TEST(Catalog, TheDesktopsLanguageDecidesAtFirst)
{
    TempAppDir dir;
    const QByteArray kept = qgetenv("LANG");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    for (const auto& [locale, code] : std::vector<std::pair<const char*, const char*>>{
             {"ja_JP.UTF-8", "ja"}, {"C", "ja"}, {"POSIX", "ja"}, {"C.UTF-8", "ja"}, {"", "ja"},
             {"en_GB.UTF-8", "en"}, {"de_DE.UTF-8", "en"}}) {
        qputenv("LANG", locale);
        EXPECT_EQ(desktopLanguage(), code) << locale;
    }
    qputenv("LANG", kept);
}

// --language speaks for one run, --help says so in the language spoken,
// and a language the game lacks is refused with the usage.
TEST(Catalog, TheOptionChoosesTheLanguageOfARun)
{
    TempAppDir dir;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.path()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(MIRUHE_BUILD_DIR "/miruhe", {"--language", "en", "--help"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("Usage: miruhe [--language ja|en]"));
    program.start(MIRUHE_BUILD_DIR "/miruhe", {"--language=xx"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("no language xx"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.path()) + "/miruhe/settings.ini"));
}

} // namespace
