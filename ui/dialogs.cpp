#include "ui/dialogs.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <exception>

#include "core/clock.h"
#include "core/text.h"
#include "ui/controls.h"
#include "ui/form1.h"
#include "ui/view.h"

namespace {
DialogHook hook;

bool ask(bool question, const std::string& text, bool erases = false)
{
    if (windowClosed())
        return false;
    noteActivity();
    if (hook)
        return hook(question, text);
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::NoIcon,
                    displayText(question ? "確認"_sj : "Ｋ．Ｔ．"_sj), displayText(text),
                    QMessageBox::NoButton, playerWindow());
    box.setWindowFlag(Qt::BypassGraphicsProxyWidget);   // a window of its own, over the scaled one
    // As large as the game is drawn, and wide enough that the title bar
    // shows its title whole beside the window's buttons.
    const int scale = gameView ? gameView->scale() : 1;
    box.setFont(gameFont(12 * scale));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const int titled = QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 2 + 160 * scale;
    if (grid)
        grid->addItem(new QSpacerItem(titled, 0), grid->rowCount(), 0, 1, grid->columnCount());
    QPushButton* yes = nullptr;
    if (question) {
        yes = box.addButton(displayText("はい(&Y)"_sj), QMessageBox::YesRole);
        QPushButton* no = box.addButton(displayText("いいえ(&N)"_sj), QMessageBox::NoRole);
        box.setEscapeButton(no);
        if (erases) {   // yes never has the focus nor is the default: Enter and Space say no
            yes->setFocusPolicy(Qt::NoFocus);
            box.setDefaultButton(no);
        }
    } else {
        box.addButton("OK", QMessageBox::AcceptRole);
    }
    box.exec();
    return question && box.clickedButton() == yes;
}
} // namespace

void showMessage(const std::string& text) { ask(false, text); }
bool askYesNo(const std::string& text, bool erases) { return ask(true, text, erases); }
void setDialogHook(DialogHook h) { hook = std::move(h); }

namespace {
int scenes = 0;
GuardRecord record;
uint64_t activity = 0;
} // namespace

void noteActivity()
{
    ++activity;
    QTimer* t = Form1 ? Form1->Timer1 : nullptr;
    if (t && Form1->timer1Resting && t->isActive() && t->interval() != 10)
        t->start(10);
}

uint64_t activityCount() { return activity; }

void guarded(const std::function<void()>& handler, HandlerKind kind)
{
    const bool scene = kind == HandlerKind::Scene;
    if (scene && scenes > 0) {
        ++record.refused;
        return;
    }
    scenes += scene;
    try {
        handler();
    } catch (const std::exception& e) {
        ++record.abandoned;
        showMessage(e.what());
    }
    scenes -= scene;
    if (kind != HandlerKind::Tick)
        noteActivity();   // what it changed shows on the next tick (its pumps and waits note their own)
}

const GuardRecord& guardRecord() { return record; }
bool handlerRunning() { return scenes > 0; }
