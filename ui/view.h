// The window the game is shown in: the 423 x 461 form, drawn at a whole
// scale of 1 to 4, or full screen at the largest scale that fits, centred
// on black. The form keeps its own coordinates and lays its text out as
// ever; only the drawing is scaled, so nothing wraps otherwise. The keys of
// the form call the functions below; without a view (the form on its own,
// as tests make it) they do nothing.
#pragma once
#include <QGraphicsView>

class QGraphicsProxyWidget;
class TForm1;

class GameView : public QGraphicsView {
public:
    // Shows the form at the scale and place kept in the settings (pulled
    // onto the screen), or, the first time, at the largest scale that fits,
    // centred.
    explicit GameView(TForm1* form);
    ~GameView() override;
    int scale() const { return scale_; }
    void setScale(int k);   // windowed; kept in the settings
    void toggleFullScreen();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    int applyScale(int k);   // the scale it could apply
    void drawAt(int k);
    int largestFitting(QSize room) const;
    QPoint onScreen(QPoint at) const;   // where the whole window, title bar first, is on a screen
    TForm1* form_;
    QGraphicsProxyWidget* proxy_;
    int scale_ = 1;
    QPoint windowedAt_;   // the window's place out of full screen
};

extern GameView* gameView;
// The window the player sees: the view, or the form shown on its own.
QWidget* playerWindow();

// Ctrl+Plus (+1), Ctrl+Minus (-1); Ctrl+0 sets 1.
void stepScale(int delta);
void resetScale();
void toggleFullScreen();
