// The keyboard. A key of play is a left click on the control it names, and
// only where the mouse could click that control now: shown, enabled and
// not covered by another. The window's own keys (its size, full screen, the
// volumes, the help) act whenever no box is open. While the soul's name (or
// the encyclopedia's number) is typed, the keys are the edit's. A key held
// down acts once.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <functional>
#include <vector>

#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/help.h"
#include "ui/view.h"
#include "ui/volume.h"

namespace {

// A control a key presses, and what its tooltip calls it (none: no
// tooltip; empty: the button's caption).
struct Keyed {
    QWidget* control;
    const char* tip = nullptr;
};

// A key of play: its key codes, its name in the tooltips, and its controls,
// the upper of two in one place first.
struct PlayKey {
    std::vector<int> keys;
    const char* name;
    std::vector<Keyed> controls;
};

std::vector<PlayKey> playKeys(TForm1& f)
{
    // The level-up choices in reading order: the top row from the left, then the bottom row.
    return {
        {{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter},
         "Space",
         {{f.click_l, "つぎへ"}, {f.cg}, {f.moji_l}, {f.e_hp_l}, {f.state_l3}, {f.state_l2}, {f.nanido_l}}},
        {{Qt::Key_W}, "W", {{f.walk_b, "あるく"}}},
        {{Qt::Key_B}, "B", {{f.battle_b2, "たたかう・しらべる"}, {f.battle_b, "たたかう・しらべる"}}},
        {{Qt::Key_I}, "I", {{f.sell_b, "うる"}, {f.item_b, "つかう"}}},
        {{Qt::Key_J}, "J", {{f.kutu_b, "ジャンプ"}}},
        {{Qt::Key_Y}, "Y", {{f.BitBtn1, ""}}},
        {{Qt::Key_N, Qt::Key_Escape}, "N", {{f.BitBtn2, ""}}},
        {{Qt::Key_1}, "1", {{f.BitBtn6, ""}}},
        {{Qt::Key_2}, "2", {{f.BitBtn8, ""}}},
        {{Qt::Key_3}, "3", {{f.BitBtn7, ""}}},
        {{Qt::Key_4}, "4", {{f.BitBtn10, ""}}},
        {{Qt::Key_5}, "5", {{f.BitBtn9, ""}}},
    };
}

// Where the mouse could click it: shown, enabled, and on top at its middle.
bool clickable(QWidget* w)
{
    if (!w->isVisible() || !w->isEnabled())
        return false;
    QWidget* window = w->window();
    return window->childAt(w->mapTo(window, w->rect().center())) == w;
}

// What a left click gives the first clickable control: a picture is
// pressed and, still there, released; a label is pressed; a button clicks.
// Each signal reaches the handler bound to it, in its guard.
void click(const std::vector<Keyed>& controls)
{
    const auto c = std::find_if(controls.begin(), controls.end(), [](const Keyed& k) { return clickable(k.control); });
    if (c == controls.end())
        return;
    if (auto* button = qobject_cast<TButton*>(c->control)) {
        button->click();
    } else if (auto* label = qobject_cast<TLabel*>(c->control)) {
        emit label->mouseDown();
    } else if (auto* picture = qobject_cast<TImage*>(c->control)) {
        emit picture->mouseDown();
        if (picture->isVisible())
            emit picture->click();
    }
}

std::function<void()> inGuard(void (*action)())
{
    return [action] { guarded(action); };
}

// The window's keys, which act even while a name is typed.
std::function<void()> windowKey(int key, bool plain, bool ctrl)
{
    if (plain && key == Qt::Key_L && visible(Form1->start_box))
        return [] { guarded([] { Form1->switchLanguage(); }, HandlerKind::Scene); };
    if (plain && key == Qt::Key_F1)
        return inGuard(showHelp);
    if (plain && key == Qt::Key_F11)
        return inGuard(toggleFullScreen);
    if (ctrl && (key == Qt::Key_Plus || key == Qt::Key_Equal))
        return inGuard([] { stepScale(+1); });
    if (ctrl && key == Qt::Key_Minus)
        return inGuard([] { stepScale(-1); });
    if (ctrl && key == Qt::Key_0)
        return inGuard(resetScale);
    return {};
}

// The volumes, by the character a key types, so that a layout that needs
// AltGr or Shift for the brackets reaches them as well; and the desktop's
// own volume keys.
std::function<void()> volumeKey(int key, const QString& text)
{
    if (text == "]" || key == Qt::Key_BracketRight)
        return inGuard([] { stepVolume(true, +1); });
    if (text == "[" || key == Qt::Key_BracketLeft)
        return inGuard([] { stepVolume(true, -1); });
    if (text == "}" || key == Qt::Key_BraceRight)
        return inGuard([] { stepVolume(false, +1); });
    if (text == "{" || key == Qt::Key_BraceLeft)
        return inGuard([] { stepVolume(false, -1); });
    if (key == Qt::Key_M || key == Qt::Key_VolumeMute)
        return inGuard(toggleMute);
    if (key == Qt::Key_VolumeUp)
        return inGuard([] { stepVolumes(+1); });
    if (key == Qt::Key_VolumeDown)
        return inGuard([] { stepVolumes(-1); });
    return {};
}

} // namespace

bool TForm1::gameKey(QObject* target, QKeyEvent* e)
{
    const auto* w = qobject_cast<const QWidget*>(target);
    if (!w || w->window() != this || QApplication::activeModalWidget())
        return false;   // a box open answers its own keys only
    const int key = e->key();
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool plain = mods == Qt::NoModifier;
    std::function<void()> action = windowKey(key, plain, mods == Qt::ControlModifier);

    QWidget* typing = focusWidget();
    const bool editing = ((typing == name_l || typing == zukan_v) && typing->isVisible())
                         || (nameComposing && name_l->isVisible());
    if (!action && editing) {
        // Enter decides the name, unless it ends a composition; all else is typed.
        if (typing != name_l || nameComposing || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        action = [this] { click({{Button5}}); };
    }
    if (!action && !(mods & Qt::ControlModifier))
        action = volumeKey(key, e->text());
    if (!action && plain)
        for (const PlayKey& k : playKeys(*this))
            if (std::ranges::find(k.keys, key) != k.keys.end())
                action = [controls = k.controls] { click(controls); };
    if (!action)
        return false;
    if (!e->isAutoRepeat())
        action();
    e->accept();
    return true;
}

void TForm1::showKeysInTooltips()
{
    for (const PlayKey& k : playKeys(*this))
        for (const Keyed& c : k.controls)
            if (c.tip)
                c.control->setToolTip((*c.tip ? displayText(sjis(c.tip)) : qobject_cast<TButton*>(c.control)->text())
                                      + " [" + k.name + "]");
    Button5->setToolTip(Button5->text() + " [Enter]");
}
