#include "ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QScreen>
#include <QTimer>

#include "core/clock.h"
#include "core/paths.h"
#include "mixer/sound_mixer.h"
#include "ui/music.h"
#include "ui/volume.h"
#include "core/text.h"
#include "ui/dialogs.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;

namespace {

const QColor cyan = rgb(0, 255, 255);

TLabel* label(QWidget* parent, QRect r, int px, bool bold, QColor color, std::string caption = {})
{
    auto* l = new TLabel(parent, r, std::move(caption));
    l->setStyle(px, bold, color);
    return l;
}

TImage* picture(QWidget* parent, QRect r, const char* embedded = nullptr)
{
    auto* i = new TImage(parent, r);
    if (embedded) {
        i->setStretch(true);
        i->setEmbedded(embedded);
    }
    return i;
}

// A pop-up panel: hidden, no bevel; its frame is a black rectangle
// bordered in cyan.
TPanel* popup(QWidget* parent, QRect r)
{
    auto* p = new TPanel(parent, r, Qt::black);
    p->hide();
    return p;
}

TShape* frame(QWidget* panel, QRect r) { return new TShape(panel, r, Qt::black, cyan); }

template <class T>
T* named(T* control, const char* name)
{
    control->setObjectName(name);
    return control;
}
#define MAKE(var, expr) var = named(expr, #var)

} // namespace

TForm1::TForm1()
{
    Form1 = this;
    setFont(gameFont(12));
    // A fixed dialog frame with the system menu and the minimise box, centred.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(423, 461);   // the client area of the 429 x 486 dialog
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setAutoFillBackground(true);
    setWindowColour(this, Qt::white);
    createControls();
    bindHandlers();
    showTexts();
    showMuteMark();
    QCoreApplication::instance()->installEventFilter(this);
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    guarded([this] { FormDestroy(); });
    delete mid_p;
    delete SoundMixer1;
    Form1 = nullptr;
}

void TForm1::createControls()
{
    // Main play area.
    MAKE(cg, picture(this, {0, 0, 300, 400}));
    cg->picture = QImage(300, 400, QImage::Format_RGB888);
    cg->picture.fill(Qt::black);
    MAKE(Image1, picture(this, {440, 0, 300, 400}));
    MAKE(Image2, picture(this, {440, 0, 300, 400}));
    MAKE(bak, picture(this, {440, 0, 300, 400}));
    MAKE(bak2, picture(this, {440, 0, 300, 400}));
    for (TImage* buffer : {Image1, Image2, bak, bak2}) {
        buffer->setAutoSize(true);
        buffer->hide();
    }
    MAKE(state_l3, label(this, {180, 3, 117, 138}, 11, true, cyan));
    state_l3->setWordWrap(true);
    MAKE(e_hp_l, label(this, {156, 321, 142, 32}, 11, true, rgb(0, 255, 0)));
    e_hp_l->setAlignment(Qt::AlignRight);
    MAKE(moji_l2, label(this, {8, 280, 281, 77}, 16, true, Qt::black));
    moji_l2->setWordWrap(true);
    MAKE(moji_l, label(this, {8, 280, 285, 113}, 16, true, Qt::white));
    moji_l->setWordWrap(true);
    MAKE(Label8, label(this, {302, 0, 119, 93}, 12, false, Qt::black));
    Label8->setColor(rgb(80, 80, 97));
    MAKE(state_l, label(this, {302, 0, 119, 93}, 12, true, cyan));
    MAKE(hp_l, new TGauge(this, {364, 61, 57, 8}, rgb(0, 51, 51), rgb(4, 13, 60)));
    MAKE(Shape3, new TShape(this, {302, 93, 119, 204}, Qt::black, cyan));
    MAKE(item_list, new TListBox(this, {305, 96, 113, 197}, Qt::black, 9, cyan, 9));
    MAKE(battle_b, picture(this, {304, 298, 55, 50}, "battle.svg"));
    MAKE(battle_b2, picture(this, {304, 298, 55, 50}, "battle2.svg"));
    MAKE(item_b, picture(this, {360, 298, 55, 50}, "item.svg"));
    MAKE(sell_b, picture(this, {360, 298, 55, 50}, "sell.svg"));
    sell_b->hide();
    MAKE(walk_b, picture(this, {304, 350, 55, 50}, "walk.svg"));
    MAKE(click_l, picture(this, {360, 350, 55, 50}, "click.svg"));
    click_l->hide();   // shown only while a click is awaited
    MAKE(kutu_b, picture(this, {360, 350, 55, 50}, "jump.svg"));

    // Bottom strip.
    MAKE(state_l0, label(this, {2, 403, 420, 38}, 12, true, cyan));
    state_l0->setColor(rgb(76, 76, 76));
    MAKE(cry_l, new TGauge(this, {148, 405, 273, 8}, rgb(0, 51, 51), rgb(4, 13, 60)));
    MAKE(Label6, label(this, {328, 415, 81, 13}, 12, true, cyan, "Label5"));
    Label6->setColor(rgb(29, 45, 133));
    MAKE(Label5, label(this, {332, 415, 81, 13}, 12, true, cyan, "Label5"));
    Label5->setColor(rgb(0, 9, 162));
    MAKE(Label4, label(this, {336, 415, 81, 13}, 12, true, cyan));
    Label4->setColor(rgb(0, 5, 111));
    MAKE(Label7, label(this, {296, 415, 81, 13}, 9, true, cyan));
    MAKE(carma_l, label(this, {340, 415, 81, 13}, 12, true, cyan));
    carma_l->setColor(rgb(0, 3, 57));
    for (TLabel* l : {Label6, Label5, Label4, Label7, carma_l})
        l->setAlignment(Qt::AlignHCenter);
    MAKE(score_add_l, label(this, {2, 431, 420, 14}, 12, true, rgb(255, 255, 0)));
    score_add_l->setColor(rgb(112, 112, 112));
    MAKE(state_l2, label(this, {348, 432, 72, 13}, 12, true, cyan));
    state_l2->setAlignment(Qt::AlignRight);
    MAKE(nanido_l, label(this, {4, 444, 72, 13}, 12, true, cyan));

    // Pickups.
    MAKE(coin_cg, picture(this, {0, 496, 50, 50}, "coin.svg"));
    MAKE(koku_cg, picture(this, {52, 496, 50, 50}, "koku.svg"));
    MAKE(doku_cg, picture(this, {104, 496, 50, 50}, "doku.svg"));
    MAKE(toki_cg, picture(this, {156, 496, 50, 50}, "toki.svg"));

    // Pop-up panels.
    MAKE(name_box, popup(this, {0, 167, 301, 70}));
    MAKE(Shape2, frame(name_box, {0, 0, 301, 69}));
    MAKE(name_l, new TEdit(name_box, {40, 24, 149, 22}));
    name_l->setMaxLength(16);
    name_l->setFrame(false);
    name_l->setFont(gameFont(16, true));
    name_l->setStyleSheet("QLineEdit { background: rgb(0,255,255); color: black; }");
    MAKE(Button5, new TButton(name_box, {192, 24, 61, 25}));

    MAKE(select_box, popup(this, {176, 167, 125, 61}));
    MAKE(Shape1, frame(select_box, {0, 0, 125, 61}));
    MAKE(BitBtn1, new TButton(select_box, {20, 8, 85, 21}));
    MAKE(BitBtn2, new TButton(select_box, {20, 32, 85, 21}));

    MAKE(lvup_box, popup(this, {0, 92, 302, 61}));
    MAKE(Shape5, frame(lvup_box, {0, 0, 302, 61}));
    MAKE(BitBtn6, new TButton(lvup_box, {4, 8, 97, 21}));
    MAKE(BitBtn8, new TButton(lvup_box, {104, 8, 93, 21}));
    MAKE(BitBtn7, new TButton(lvup_box, {200, 8, 97, 21}));
    MAKE(BitBtn10, new TButton(lvup_box, {4, 32, 117, 21}));
    MAKE(BitBtn9, new TButton(lvup_box, {124, 32, 173, 21}));

    MAKE(item_l_box, popup(this, {10, 93, 293, 69}));
    MAKE(Shape4, frame(item_l_box, {0, 0, 293, 69}));
    MAKE(item_l, label(item_l_box, {4, 4, 285, 61}, 11, true, cyan));
    item_l->setAlignment(Qt::AlignRight);
    item_l->setWordWrap(true);

    MAKE(store_box, popup(this, {0, 204, 302, 125}));
    MAKE(store_shape, frame(store_box, {0, 0, 302, 125}));
    MAKE(store_list, new TListBox(store_box, {5, 4, 116, 117}, rgb(54, 54, 92), 11, cyan, 11));
    MAKE(store_about_l, label(store_box, {124, 4, 173, 89}, 12, true, cyan));
    store_about_l->setWordWrap(true);
    store_about_l->setColor(rgb(19, 46, 47));
    MAKE(Button2, new TButton(store_box, {124, 96, 93, 25}));
    MAKE(Button6, new TButton(store_box, {216, 96, 81, 25}));

    // World map.
    MAKE(map_box, new TPanel(this, {0, 0, 301, 401}, Qt::black));
    map_box->hide();
    MAKE(map_cg, picture(map_box, {0, 0, 301, 401}, "map.svg"));
    map_cg->setMouseTracking(true);
    MAKE(map_l, label(map_box, {0, 376, 301, 25}, 11, true, rgb(255, 91, 255)));
    map_l->setColor(Qt::black);
    map_l->setWordWrap(true);
    auto mapButton = [this](int x, int y, int w) { return new TButton(map_box, {x, y, w, 17}, {}, 11); };
    MAKE(map_b0, mapButton(132, 356, 69));
    MAKE(shop_b, mapButton(128, 260, 73));
    shop_b->hide();
    MAKE(map_b2, mapButton(216, 276, 73));
    MAKE(map_b1, mapButton(224, 324, 73));
    MAKE(map_b4, mapButton(4, 228, 73));
    MAKE(map_b5, mapButton(8, 120, 73));
    MAKE(map_b6, mapButton(196, 64, 89));
    MAKE(map_b7, mapButton(108, 132, 89));
    MAKE(Button8, mapButton(4, 280, 93));
    MAKE(Button9, mapButton(4, 360, 93));
    MAKE(Button10, mapButton(200, 204, 93));
    MAKE(map_b8, mapButton(80, 72, 73));
    map_b8->hide();
    MAKE(map_b9, mapButton(104, 24, 73));
    map_b9->hide();
    MAKE(map_b12, mapButton(0, 92, 41));
    MAKE(map_b13, mapButton(104, 180, 61));

    // Title panel.
    MAKE(start_box, new TPanel(this, {0, 0, 425, 465}, Qt::white));
    MAKE(Image6, picture(start_box, {12, 16, 393, 425}, "title.svg"));
    MAKE(miruhe_l, label(start_box, {152, 84, 120, 40}, 40, false, Qt::black));
    MAKE(miruhe_l2, label(start_box, {160, 136, 108, 12}, 12, false, Qt::black));
    MAKE(rank_l, label(start_box, {32, 180, 357, 173}, 12, true, Qt::black));
    rank_l->setStyle(12, true, Qt::black, true);
    rank_l->setAlignment(Qt::AlignHCenter);
    MAKE(Image4, picture(start_box, {48, 408, 100, 50}, "continue.svg"));
    MAKE(Image3, picture(start_box, {156, 408, 100, 50}, "newgame.svg"));
    MAKE(rank_b, picture(start_box, {264, 408, 100, 50}, "rank.svg"));
    MAKE(am_b, picture(start_box, {352, 360, 35, 40}, "am.svg"));

    MAKE(start_box2, new TPanel(start_box, {48, 360, 321, 101}, Qt::white));
    start_box2->hide();
    MAKE(Image10, picture(start_box2, {8, 4, 309, 93}, "nanido.svg"));
    MAKE(Label2, label(start_box2, {40, 15, 0, 0}, 12, false, Qt::black));
    Label2->setAutoSize(true);
    MAKE(Image7, picture(start_box2, {16, 40, 70, 40}, "easy.svg"));
    MAKE(Image8, picture(start_box2, {88, 40, 70, 40}, "nomal.svg"));
    MAKE(Image9, picture(start_box2, {160, 40, 70, 40}, "hard.svg"));
    MAKE(ex_b, picture(start_box2, {232, 40, 70, 40}, "extream.svg"));
    auto clearLabel = [this](int x) {
        auto* l = label(start_box2, {x, 80, 0, 0}, 12, false, Qt::black);
        l->setStyle(12, false, Qt::black, true);
        l->setAutoSize(true);
        l->hide();
        return l;
    };
    MAKE(easy_clear_l, clearLabel(32));
    MAKE(nomal_clear_l, clearLabel(100));
    MAKE(hard_clear_l, clearLabel(172));
    MAKE(ex_clear_l, clearLabel(240));
    MAKE(Label3, label(start_box2, {248, 15, 0, 0}, 12, false, Qt::black));
    Label3->setAutoSize(true);

    MAKE(am_box, new TPanel(start_box, {380, 448, 405, 455}, rgb(128, 128, 255)));
    am_box->hide();
    MAKE(Image5, picture(am_box, {8, 12, 393, 425}, "extras.svg"));
    auto autoLabel = [this](int x, int y) {
        auto* l = label(am_box, {x, y, 0, 0}, 12, false, Qt::black);
        l->setAutoSize(true);
        return l;
    };
    MAKE(Label9, autoLabel(48, 40));
    MAKE(Label10, autoLabel(48, 56));
    MAKE(Label11, autoLabel(48, 72));
    MAKE(Label12, autoLabel(48, 88));
    MAKE(Label13, autoLabel(176, 316));
    MAKE(Label14, autoLabel(316, 399));
    MAKE(music_list, new TListBox(am_box, {36, 116, 133, 213}, Qt::white, 12, Qt::black, 12));
    MAKE(music_l, label(am_box, {172, 116, 177, 185}, 12, false, Qt::black));
    music_l->setWordWrap(true);
    MAKE(zukan_box, new TPanel(am_box, {36, 336, 273, 81}, Qt::white, true));
    MAKE(Label15, label(zukan_box, {4, 4, 0, 0}, 12, false, Qt::black));
    Label15->setAutoSize(true);
    MAKE(zukan_l, label(zukan_box, {4, 20, 261, 57}, 12, false, Qt::black));
    zukan_l->setWordWrap(true);   // a description may take the last two lines
    MAKE(zukan_v, new TSpinEdit(zukan_box, {200, 4, 65, 27}, 0, 254));

    // Hidden auxiliaries, never shown to the player.
    MAKE(Label1, label(this, {436, 220, 0, 0}, 12, false, Qt::black, "Label1"));
    Label1->setColor(rgb(255, 0, 255));
    Label1->setAutoSize(true);
    MAKE(Button1, new TButton(this, {424, 84, 53, 33}, "Button1"));
    MAKE(Button3, new TButton(this, {424, 120, 40, 17}, "Button3"));
    MAKE(Button4, new TButton(this, {424, 136, 40, 17}, "Button4"));
    MAKE(Button7, new TButton(this, {424, 152, 40, 17}, "Button7"));
    MAKE(BitBtn3, new TButton(this, {424, 172, 73, 25}));

    MAKE(Timer1, makeTimer(this, 10, true));
    MAKE(Timer2, makeTimer(this, 10, false));
    MAKE(Timer3, makeTimer(this, 1000, true));
    MAKE(Timer4, makeTimer(this, 100, true));

    mid_p = new TMediaPlayer;
    mid_p->notify = [this] { guarded([this] { mid_pNotify(); }); };
    // The mixer takes the wave-output device, then opens channels 0 to 3.
    // Sound that cannot start is told once the window is up, and the game
    // plays on without it.
    try {
        SoundMixer1 = new TSoundMixer(this);
        SoundMixer1->setActivated(true);
        SoundMixer1->setChannels(15);
    } catch (const EMixerError& e) {
        delete SoundMixer1;
        SoundMixer1 = nullptr;
        const std::string text = fill("音を出せないので、音なしで続けます。\r%1\r(%2)"_sj, {e.what(), mixerSettingsPath()});
        QTimer::singleShot(0, this, [text] { showMessage(text); });
    }
}

void TForm1::showTexts()
{
    auto caption = [](TButton* b, const std::string& text) { b->setText(displayText(text)); };
    Label7->setCaption("ｶﾙﾏ >"_sj);
    caption(Button5, "きめた"_sj);
    caption(BitBtn1, "ＹＥＳ"_sj);
    caption(BitBtn2, "ＮＯ"_sj);
    caption(BitBtn6, "魂の剣 +1"_sj);
    caption(BitBtn8, "魂の鎧 +1"_sj);
    caption(BitBtn7, "魂の大きさ +3"_sj);
    caption(BitBtn10, "個体ｽｺｱ化+約400"_sj);
    caption(BitBtn9, "死のｴﾈﾙｷﾞｰへ変換+100"_sj);
    caption(Button2, "買う"_sj);
    caption(Button6, "EXIT");
    caption(map_b0, "審判の門"_sj);
    caption(shop_b, "シキハキ街"_sj);
    caption(map_b2, "エメラルダ門"_sj);
    caption(map_b1, "試練城"_sj);
    caption(map_b4, "紫原っぱ"_sj);
    caption(map_b5, "塔"_sj);
    caption(map_b6, "魔王城の蜃気楼"_sj);
    caption(map_b7, "天界天秤の門柱"_sj);
    caption(Button8, "セーブ(死E:50∽)"_sj);
    caption(Button9, "ぬらもせーぶ"_sj);
    caption(Button10, "死E:20(金:5枚)"_sj);
    caption(map_b8, "うさくまちゃん"_sj);
    caption(map_b9, "管理者達の間"_sj);
    caption(map_b12, "小屋"_sj);
    caption(map_b13, "洞穴"_sj);
    miruhe_l->setCaption("ミルヘ"_sj);
    // The game's name grows about its middle where a language's is wider.
    const QRect name(152, 84, 120, 40);
    const int wide = std::max(name.width(), QFontMetrics(miruhe_l->font()).horizontalAdvance(displayText(miruhe_l->caption())) + 2);
    miruhe_l->setGeometry(name.x() - (wide - name.width()) / 2, name.y(), wide, name.height());
    miruhe_l2->setCaption("くいるもす"_sj);
    rank_l->setCaption("ランキング"_sj);
    Label2->setCaption("なんいどせんたく"_sj);
    for (TLabel* l : {easy_clear_l, nomal_clear_l, hard_clear_l, ex_clear_l})
        l->setCaption("CLEAR☆"_sj);
    Label3->setCaption("<<戻る"_sj);
    Label9->setCaption("ミルヘ　　作・プログラム：くいるもす"_sj);
    Label10->setCaption("絵・曲・効果音：くいるもす"_sj);
    Label11->setCaption("テストプレイ：ためしに歩いてくれた魂たち"_sj);
    Label12->setCaption("さいごまで歩いてくれたあなたへ。ありがとう！"_sj);
    Label13->setCaption("<<きいちゃう！！"_sj);
    Label14->setCaption("<<戻る"_sj);
    music_l->setCaption("曲説明"_sj);
    Label15->setCaption("アイテム図鑑　アイテムナンバー>>"_sj);
    zukan_l->setCaption("説明"_sj);
    caption(BitBtn3, "全初期化"_sj);
    for (TImage* picture : findChildren<TImage*>())
        picture->showLanguage();
    showKeysInTooltips();
}

void TForm1::bindHandlers()
{
    // Every handler runs inside the guard, as a scene unless said otherwise.
    using enum HandlerKind;
    auto bind = [this](auto* sender, auto signal, void (TForm1::*handler)(), HandlerKind kind = Scene) {
        connect(sender, signal, this, [this, handler, kind] { guarded([this, handler] { (this->*handler)(); }, kind); });
    };
    for (TImage* c : {cg, click_l})
        bind(c, &TImage::mouseDown, &TForm1::click_lMouseDown, Free);
    for (TLabel* c : {moji_l, e_hp_l, state_l3, state_l2, nanido_l})
        bind(c, &TLabel::mouseDown, &TForm1::click_lMouseDown, Free);
    bind(walk_b, &TImage::mouseDown, &TForm1::walk_bMouseDown);
    bind(kutu_b, &TImage::mouseDown, &TForm1::kutu_bMouseDown);
    bind(battle_b, &TImage::click, &TForm1::battle_bClick);
    bind(battle_b2, &TImage::click, &TForm1::battle_bClick);
    bind(item_b, &TImage::click, &TForm1::item_bClick);
    bind(item_list, &TListBox::mouseDown, &TForm1::item_listMouseDown);
    bind(item_list, &TListBox::mouseUp, &TForm1::item_listMouseDown);
    bind(sell_b, &TImage::click, &TForm1::sell_bClick);
    bind(store_list, &TListBox::mouseDown, &TForm1::store_listMouseDown);
    bind(store_list, &TListBox::mouseUp, &TForm1::store_listMouseDown);
    bind(Button2, &TButton::clicked, &TForm1::Button2Click);
    bind(Button6, &TButton::clicked, &TForm1::Button6Click);
    bind(coin_cg, &TImage::mouseDown, &TForm1::coin_cgMouseDown, Free);
    bind(koku_cg, &TImage::mouseDown, &TForm1::koku_cgMouseDown, Free);
    bind(doku_cg, &TImage::mouseDown, &TForm1::doku_cgMouseDown, Free);
    bind(toki_cg, &TImage::mouseDown, &TForm1::toki_cgMouseDown, Free);
    bind(Timer1, &QTimer::timeout, &TForm1::Timer1Due, Tick);
    bind(Timer3, &QTimer::timeout, &TForm1::Timer3Timer, Tick);
    bind(Timer4, &QTimer::timeout, &TForm1::Timer4Timer, Tick);

    // World map.
    bind(map_cg, &TImage::mouseMove, &TForm1::map_cgMouseMove, Free);
    const struct {
        TButton* button;
        void (TForm1::*click)();
        void (TForm1::*move)();
    } mapButtons[] = {
        {map_b0, &TForm1::map_b0Click, &TForm1::map_b0MouseMove},
        {map_b1, &TForm1::map_b1Click, &TForm1::map_b1MouseMove},
        {map_b2, &TForm1::map_b2Click, &TForm1::map_b2MouseMove},
        {shop_b, &TForm1::shop_bClick, &TForm1::shop_bMouseMove},
        {map_b4, &TForm1::map_b4Click, &TForm1::map_b4MouseMove},
        {map_b5, &TForm1::map_b5Click, &TForm1::map_b5MouseMove},
        {map_b6, &TForm1::map_b6Click, &TForm1::map_b6MouseMove},
        {map_b7, &TForm1::map_b7Click, &TForm1::map_b7MouseMove},
        {map_b8, &TForm1::map_b8Click, &TForm1::map_b8MouseMove},
        {map_b9, &TForm1::map_b9Click, &TForm1::map_b9MouseMove},
        {map_b12, &TForm1::map_b12Click, &TForm1::map_b12MouseMove},
        {map_b13, &TForm1::map_b13Click, &TForm1::map_b13MouseMove},
        {Button8, &TForm1::Button8Click, &TForm1::Button8MouseMove},
        {Button3, &TForm1::Button8Click, &TForm1::Button8MouseMove},
        {Button4, &TForm1::Button8Click, &TForm1::Button8MouseMove},
        {Button7, &TForm1::Button8Click, &TForm1::Button8MouseMove},
        {Button10, &TForm1::Button10Click, &TForm1::Button10MouseMove},
    };
    for (const auto& b : mapButtons) {
        bind(b.button, &TButton::clicked, b.click);
        bind(b.button, &TButton::mouseMove, b.move, Free);
    }
    bind(Button9, &TButton::clicked, &TForm1::Button9Click);

    // Title panel.
    bind(Image4, &TImage::click, &TForm1::y_bClick);
    bind(Image3, &TImage::click, &TForm1::Button4Click);
    bind(rank_b, &TImage::click, &TForm1::Button7Click);
    bind(am_b, &TImage::mouseDown, &TForm1::am_bMouseDown);
    bind(Image7, &TImage::click, &TForm1::Image7Click);
    bind(Image8, &TImage::click, &TForm1::Image8Click);
    bind(Image9, &TImage::click, &TForm1::Image9Click);
    bind(ex_b, &TImage::click, &TForm1::ex_bClick);
    bind(Label3, &TLabel::mouseDown, &TForm1::Label3MouseDown);
    bind(Label14, &TLabel::mouseDown, &TForm1::Label3MouseDown);
    bind(Label13, &TLabel::mouseDown, &TForm1::Label13MouseDown);
    bind(music_list, &TListBox::mouseDown, &TForm1::music_listMouseDown);
    bind(music_list, &TListBox::mouseUp, &TForm1::music_listMouseDown);
    bind(zukan_v, &QSpinBox::valueChanged, &TForm1::zukan_vChange);

    // Pop-ups.
    bind(Button5, &TButton::clicked, &TForm1::Button5Click);
    bind(BitBtn1, &TButton::clicked, &TForm1::BitBtn1Click);
    bind(BitBtn2, &TButton::clicked, &TForm1::BitBtn2Click);
    bind(BitBtn6, &TButton::clicked, &TForm1::BitBtn6Click);
    bind(BitBtn7, &TButton::clicked, &TForm1::BitBtn7Click);
    bind(BitBtn8, &TButton::clicked, &TForm1::BitBtn8Click);
    bind(BitBtn9, &TButton::clicked, &TForm1::BitBtn9Click);
    bind(BitBtn10, &TButton::clicked, &TForm1::BitBtn10Click);
    bind(BitBtn3, &TButton::clicked, &TForm1::BitBtn3Click);
}

void TForm1::mousePressEvent(QMouseEvent*)
{
    guarded([this] { click_lMouseDown(); });
}

// A key pressed in the window is the game's first (gameKey). A control
// that is not on screen takes no input: no key reaches the edit or number
// left with the focus under a closed panel, no press or release a control
// the mouse still held when it was hidden.
bool TForm1::eventFilter(QObject* target, QEvent* e)
{
    switch (e->type()) {
    case QEvent::InputMethod:
        if (target == name_l)
            nameComposing = !static_cast<QInputMethodEvent*>(e)->preeditString().isEmpty();
        return false;
    case QEvent::KeyPress:
        if (gameKey(target, static_cast<QKeyEvent*>(e)))
            return true;
        [[fallthrough]];
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        if (const auto* w = qobject_cast<const QWidget*>(target); w && w->window() == this && !w->isVisible())
            return true;
        return false;
    default:
        return false;
    }
}

void TForm1::closeEvent(QCloseEvent* e)
{
    guarded([this] { FormClose(); });
    setWindowClosed(true);
    e->accept();
}

TForm2::TForm2()
{
    Form2 = this;
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint);
    setWindowColour(this, Qt::black);
    setFixedSize(286, 303);
    MAKE(cg, new TImage(this, {0, 0, 150, 200}));
    cg->setAutoSize(true);
    MAKE(moji_l, new TLabel(this, {8, 208, 265, 61}));
    moji_l->setStyle(16, true, Qt::white);
    moji_l->setWordWrap(true);
    MAKE(bak, new TImage(this, {272, 256, 0, 0}));
    bak->hide();
    MAKE(Timer1, makeTimer(this, 10, false));   // its paged text never shows: the window stays hidden
}
