// The main window. It owns every control of the game; each subsystem's
// handlers are members defined in that subsystem's own files.
#pragma once
#include <QWidget>
#include <array>
#include <map>

#include "ui/controls.h"

class QKeyEvent;
class QTimer;
class TMediaPlayer;
class TSoundMixer;
struct MixWave;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // Main play area, in drawing order (later controls are drawn above).
    TImage *cg, *Image1, *Image2, *bak, *bak2;
    TLabel *state_l3, *e_hp_l, *moji_l2, *moji_l, *Label8, *state_l;
    TGauge* hp_l;
    TShape* Shape3;
    TListBox* item_list;
    TImage *battle_b, *battle_b2, *item_b, *sell_b, *walk_b, *click_l, *kutu_b;
    // Bottom strip.
    TLabel* state_l0;
    TGauge* cry_l;
    TLabel *Label6, *Label5, *Label4, *Label7, *carma_l, *score_add_l, *state_l2, *nanido_l;
    // Pickups, parked outside the window until shown.
    TImage *coin_cg, *koku_cg, *doku_cg, *toki_cg;
    // Pop-up panels.
    TPanel* name_box;
    TShape* Shape2;
    TEdit* name_l;
    TButton* Button5;
    TPanel* select_box;
    TShape* Shape1;
    TButton *BitBtn1, *BitBtn2;
    TPanel* lvup_box;
    TShape* Shape5;
    TButton *BitBtn6, *BitBtn8, *BitBtn7, *BitBtn10, *BitBtn9;
    TPanel* item_l_box;
    TShape* Shape4;
    TLabel* item_l;
    TPanel* store_box;
    TShape* store_shape;
    TListBox* store_list;
    TLabel* store_about_l;
    TButton *Button2, *Button6;
    // World map.
    TPanel* map_box;
    TImage* map_cg;
    TLabel* map_l;
    TButton *map_b0, *shop_b, *map_b2, *map_b1, *map_b4, *map_b5, *map_b6, *map_b7;
    TButton *Button8, *Button9, *Button10, *map_b8, *map_b9, *map_b12, *map_b13;
    // Title panel, with the difficulty choice and the extras inside it.
    TPanel* start_box;
    TImage* Image6;
    TLabel *miruhe_l, *miruhe_l2, *rank_l;
    TImage *Image4, *Image3, *rank_b, *am_b;
    TPanel* start_box2;
    TImage* Image10;
    TLabel* Label2;
    TImage *Image7, *Image8, *Image9, *ex_b;
    TLabel *easy_clear_l, *nomal_clear_l, *hard_clear_l, *ex_clear_l, *Label3;
    TPanel* am_box;
    TImage* Image5;
    TLabel *Label9, *Label10, *Label11, *Label12;   // credits
    TLabel *Label13, *Label14;
    TListBox* music_list;
    TLabel* music_l;
    TPanel* zukan_box;
    TLabel *Label15, *zukan_l;
    TSpinEdit* zukan_v;
    // Hidden auxiliaries.
    TLabel* Label1;
    TButton *Button1, *Button3, *Button4, *Button7, *BitBtn3;
    // Timers.
    QTimer *Timer1, *Timer2, *Timer3, *Timer4;
    // The music player and the sound-effect mixer with its cue channels.
    TMediaPlayer* mid_p;
    TSoundMixer* SoundMixer1 = nullptr;   // none when the sound could not start
    std::array<MixWave*, 4> cueWave{};        // the wave last played on each cue channel
    std::map<std::string, MixWave*> waves;    // every wave loaded, by file name, once

    // Core.
    void FormCreate();
    void FormClose();
    void FormDestroy();
    void BitBtn3Click();
    void Button7Click();
    // Presentation.
    void click_lMouseDown();
    void Timer3Timer();
    void Timer4Timer();
    void mid_pNotify();
    // Title and new game. Timer1Timer is one tick; Timer1Due is Timer1's
    // timeout, which lets the timer rest while nothing it shows can change.
    void Timer1Timer();
    void titleStep();
    void Timer1Due();
    bool timer1Resting = false;
    bool timer1RestOnTitle = false;
    uint64_t timer1Seen = 0;   // activityCount() at its last tick
    int64_t timer1At = 0;      // msNow() at its last tick
    void y_bClick();
    void Button4Click();
    void Label3MouseDown();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void ex_bClick();
    void Button5Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void am_bMouseDown();
    void music_listMouseDown();
    void Label13MouseDown();
    void zukan_vChange();
    // Exploration.
    void walk_bMouseDown();
    void kutu_bMouseDown();
    void coin_cgMouseDown();
    void koku_cgMouseDown();
    void doku_cgMouseDown();
    void toki_cgMouseDown();
    void map_cgMouseMove();
    void map_b0Click();
    void map_b1Click();
    void map_b2Click();
    void shop_bClick();
    void map_b4Click();
    void map_b5Click();
    void map_b6Click();
    void map_b7Click();
    void map_b8Click();
    void map_b9Click();
    void map_b12Click();
    void map_b13Click();
    void map_b0MouseMove();
    void map_b1MouseMove();
    void map_b2MouseMove();
    void shop_bMouseMove();
    void map_b4MouseMove();
    void map_b5MouseMove();
    void map_b6MouseMove();
    void map_b7MouseMove();
    void map_b8MouseMove();
    void map_b9MouseMove();
    void map_b12MouseMove();
    void map_b13MouseMove();
    void Button8Click();
    void Button8MouseMove();
    void Button9Click();
    void Button10Click();
    void Button10MouseMove();
    // Battle and growth.
    void battle_bClick();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();
    // Items and shop.
    void item_bClick();
    void item_listMouseDown();
    void sell_bClick();
    void store_listMouseDown();
    void Button2Click();
    void Button6Click();

    // The keyboard: a key pressed in this window does what the mouse could
    // do there; true when the key was the game's.
    bool gameKey(QObject* target, QKeyEvent* e);
    // Puts every control's words in the language spoken: captions, the
    // pictures with words, tooltips.
    void showTexts();
    // The title's key: the next language, kept, and the title shown in it.
    void switchLanguage();
    bool nameComposing = false;   // the input method is composing in the name

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    void createControls();
    void bindHandlers();
    void showKeysInTooltips();
};

// The second window: created at start (it sets Form2) and never shown.
class TForm2 : public QWidget {
public:
    TForm2();
    TImage* cg;
    TLabel* moji_l;
    TImage* bak;
    QTimer* Timer1;
};

extern TForm1* Form1;
extern TForm2* Form2;

