#include "ui/volume.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "core/settings.h"
#include "core/text.h"
#include "mixer/audio_output.h"
#include "ui/form1.h"

namespace {
constexpr int Step = 10;
QPointer<QLabel> overlay;
QPointer<QLabel> muteMark;

int volume(bool music) { return settingInt(music ? "sound/music" : "sound/effects", 0, 100, 100); }

// One volume a step up or down, and the sound no longer muted.
void keepStep(bool music, int delta)
{
    keepSetting(music ? "sound/music" : "sound/effects", std::clamp(volume(music) + delta * Step, 0, 100));
    keepSetting("sound/muted", false);
}

void apply()
{
    setOutputVolumes(soundMuted() ? 0 : volume(false), soundMuted() ? 0 : volume(true));
    showMuteMark();
}

void show(const QString& text)
{
    if (!Form1)
        return;
    if (!overlay) {
        overlay = new QLabel(Form1);
        overlay->setObjectName("volume_overlay");
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
        overlay->setFont(gameFont(12, true));
        overlay->setStyleSheet("QLabel { background: rgba(0,0,0,190); color: white; border: 1px solid rgb(0,255,255);"
                               " padding: 2px 6px; }");
        auto* timer = new QTimer(overlay);
        timer->setObjectName("hide");
        timer->setSingleShot(true);
        timer->setInterval(1500);
        QObject::connect(timer, &QTimer::timeout, overlay, &QWidget::hide);
    }
    overlay->setText(text);
    overlay->adjustSize();
    overlay->move(Form1->width() - overlay->width() - 4, 4);
    overlay->raise();
    overlay->show();
    overlay->findChild<QTimer*>("hide")->start();
}

QString line(bool music)
{
    return displayText(fill(music ? "音楽 %1%"_sj : "効果音 %1%"_sj, {num(volume(music))}));
}
} // namespace

// Only what the settings write counts: anything else is not muted.
bool soundMuted() { return settings().value("sound/muted").toString() == "true"; }

void restoreVolumes() { apply(); }

void showMuteMark()
{
    if (!Form1 || (!muteMark && !soundMuted()))
        return;
    if (!muteMark) {
        muteMark = new QLabel(Form1);
        muteMark->setObjectName("mute_mark");
        muteMark->setAttribute(Qt::WA_TransparentForMouseEvents);   // a click there is a click on the window
        muteMark->setFont(gameFont(11, true));
        muteMark->setStyleSheet("QLabel { color: rgb(255,144,0); }");
        muteMark->setGeometry(392, 446, 29, 13);
        muteMark->setAlignment(Qt::AlignRight);
    }
    muteMark->setText(displayText("♪×"_sj));
    muteMark->setToolTip(displayText("消音"_sj) + " [M]");
    muteMark->setVisible(soundMuted());
    muteMark->raise();   // seen on the title and every panel
}

void stepVolume(bool music, int delta)
{
    keepStep(music, delta);
    apply();
    show(line(music));
}

void stepVolumes(int delta)
{
    for (bool music : {true, false})
        keepStep(music, delta);
    apply();
    show(line(true) + "  " + line(false));
}

void toggleMute()
{
    keepSetting("sound/muted", !soundMuted());
    apply();
    show(soundMuted() ? displayText("消音"_sj) : line(true) + "  " + line(false));
}

std::string volumeOverlayText()
{
    return overlay && overlay->isVisible() ? overlay->text().toStdString() : std::string();
}
