#include "ui/view.h"

#include <QCloseEvent>
#include <QGuiApplication>
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
    keepSetting("window/scale", applyScale(settingInt("window/scale", 1, MaxWindowed, first)));
    const QVariant kept = settings().value("window/place");
    if (kept.canConvert<QPoint>() && kept.toPoint() != QPoint())
        setGeometry(QRect(onScreen(kept.toPoint()), size()));
    else if (screen)
        move(screen->availableGeometry().center() - rect().center());
    windowedAt_ = geometry().topLeft();
}

// Places are the inside's top left; the frame around it, its title bar
// first, is what must lie on a screen.
QPoint GameView::onScreen(QPoint at) const
{
    const QScreen* s = QGuiApplication::screenAt(at);
    if (!s)
        s = screen();
    if (!s)
        return at;
    const QRect room = s->availableGeometry();
    const QPoint inside = geometry().topLeft() - frameGeometry().topLeft();
    const QRect whole(at - inside, frameGeometry().size());
    return QPoint(std::clamp(whole.x(), room.left(), std::max(room.left(), room.right() + 1 - whole.width())),
                  std::clamp(whole.y(), room.top(), std::max(room.top(), room.bottom() + 1 - whole.height())))
           + inside;
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
        const QPoint back = windowedAt_;   // leaving full screen moves the window on its way
        showNormal();
        applyScale(settingInt("window/scale", 1, MaxWindowed, 1));
        setGeometry(QRect(onScreen(back), size()));
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

// The place out of full screen, kept as the window is left there.
void GameView::moveEvent(QMoveEvent* e)
{
    QGraphicsView::moveEvent(e);
    if (!isFullScreen() && isVisible())
        windowedAt_ = geometry().topLeft();
}

// Closing the window keeps its place, and closes the form, which says its
// farewell.
void GameView::closeEvent(QCloseEvent* e)
{
    keepSetting("window/place", windowedAt_);
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
