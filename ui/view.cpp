#include "ui/view.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QScreen>
#include <algorithm>

#include "core/settings.h"
#include "ui/form1.h"

GameView* gameView = nullptr;

namespace {
constexpr int Width = 423, Height = 461, MaxWindowed = 4;
}

GameView::GameView(TForm1* form) : form_(form)
{
    gameView = this;
    setWindowFlags(form->windowFlags());
    setWindowTitle(form->windowTitle());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    // Whole factors, without smoothing: every pixel of a picture becomes a
    // square of k x k; text is drawn at the scaled size, so it stays crisp.
    setRenderHints(QPainter::TextAntialiasing);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setAlignment(Qt::AlignCenter);
    auto* scene = new QGraphicsScene(0, 0, Width, Height, this);
    scene->setBackgroundBrush(Qt::black);
    scene->setStickyFocus(true);   // a click on the black around the form leaves the keys with it
    setScene(scene);
    proxy_ = scene->addWidget(form);
    proxy_->setPos(0, 0);   // the form was placed on the screen as a window of its own
    proxy_->setFocus();
    form->installEventFilter(this);
    const QScreen* screen = this->screen();
    const int first = screen ? largestFitting(screen->availableGeometry().size()) : 1;
    applyScale(settingInt("window/scale", 1, MaxWindowed, first));
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

GameView::~GameView()
{
    if (gameView == this)
        gameView = nullptr;
    if (proxy_->widget())
        proxy_->setWidget(nullptr);   // the form is not the view's to delete
}

int GameView::largestFitting(QSize room) const
{
    return std::max(1, std::min(room.width() / Width, room.height() / Height));
}

void GameView::drawAt(int k)
{
    scale_ = k;
    setTransform(QTransform::fromScale(k, k));
    centerOn(Width / 2.0, Height / 2.0);
}

void GameView::setScale(int k)
{
    keepSetting("window/scale", applyScale(k));
}

int GameView::applyScale(int k)
{
    if (const QScreen* s = screen())
        k = std::min(k, largestFitting(s->availableGeometry().size()));
    k = std::clamp(k, 1, MaxWindowed);
    if (!isFullScreen()) {
        setFixedSize(Width * k, Height * k);
        drawAt(k);
    }
    return k;
}

void GameView::toggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        applyScale(settingInt("window/scale", 1, MaxWindowed, 1));
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
    }
}

void GameView::resizeEvent(QResizeEvent* e)
{
    QGraphicsView::resizeEvent(e);
    drawAt(isFullScreen() ? largestFitting(size()) : std::max(1, width() / Width));
}

// Closing the window closes the form, which says its farewell.
void GameView::closeEvent(QCloseEvent* e)
{
    form_->close();
    e->accept();
}

// The window shows the form's title.
bool GameView::eventFilter(QObject* target, QEvent* e)
{
    if (target == form_ && e->type() == QEvent::WindowTitleChange)
        setWindowTitle(form_->windowTitle());
    return false;
}

QWidget* playerWindow() { return gameView ? static_cast<QWidget*>(gameView) : Form1; }

void stepScale(int delta)
{
    if (gameView && !gameView->isFullScreen())
        gameView->setScale(gameView->scale() + delta);
}

void resetScale()
{
    if (gameView && !gameView->isFullScreen())
        gameView->setScale(1);
}

void toggleFullScreen()
{
    if (gameView)
        gameView->toggleFullScreen();
}
