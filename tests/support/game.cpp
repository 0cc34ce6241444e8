#include "tests/support/game.h"

#include <QTest>
#include <QTimer>

#include "core/language.h"
#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "mixer/audio_output.h"
#include "mixer/mix_internal.h"
#include "mixer/sound_mixer.h"
#include "ui/dialogs.h"

TestGame::TestGame(VirtualAudio audio, const std::function<void(const TempAppDir&)>& prepare)
{
    if (prepare)
        prepare(dir);
    my = tmy{};
    resetWorkingGlobals();
    while (pendingDraws() > 0)   // nothing fed to an earlier test is drawn by this one
        R(1);
    setDialogHook([this](bool question, const std::string& text) {
        boxes.push_back(text);
        if (!question || answers.empty())
            return false;
        bool yes = answers.front();
        answers.pop_front();
        return yes;
    });
    useVirtualAudio(audio);
    form_ = std::make_unique<TForm1>();
    new TForm2;   // sets Form2, as at start-up
    form_->show();
}

TestGame::~TestGame()
{
    delete Form2;
    Form2 = nullptr;
    form_.reset();
    setDialogHook(nullptr);
}

std::vector<std::string> TestGame::cues(int channel)
{
    std::vector<std::string> names;
    for (MixPlayEntry* e = form_->SoundMixer1->session()->queue[channel]; e; e = e->next)
        for (const auto& [name, wave] : form_->waves)
            if (wave == e->wave)
                names.push_back(name);
    return names;
}

size_t TestGame::cueCount()
{
    size_t n = 0;
    for (int ch = 0; ch < 4; ++ch)
        n += cues(ch).size();
    return n;
}

void TestGame::clickThrough()
{
    if (clicker_)
        return;
    clicker_ = new QTimer(form_.get());
    QObject::connect(clicker_, &QTimer::timeout, [this] {
        if (clickWait != 0)
            return;
        said.push_back(form_->moji_l->caption());
        if (onWait)
            onWait();
        QTest::mouseClick(form_->cg, Qt::LeftButton, {}, {5, 5});
    });
    clicker_->start(0);
}

namespace {
bool japanese(char16_t u) { return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF); }
std::string sj(const QString& s) { return toCp932(s.toStdString()).value_or(std::string()); }
} // namespace

std::string japaneseShown(const TForm1& f)
{
    std::vector<std::string> shown{sj(f.windowTitle())};
    for (const TLabel* l : f.findChildren<TLabel*>())
        if (l->isVisible())
            shown.push_back(l->caption().substr(std::min(l->hiddenBytes(), l->caption().size())));
    for (const TButton* b : f.findChildren<TButton*>())
        if (b->isVisible())
            shown.push_back(sj(b->text()));
    for (const TListBox* list : f.findChildren<TListBox*>())
        if (list->isVisible())
            for (int row = 0; row < list->count(); ++row)
                shown.push_back(list->itemText(row));
    std::vector<std::string> typed{my.playerName};
    for (int k = 1; k <= 10; ++k)
        typed.push_back(tableText(my.rankName[k]));
    for (std::string text : shown) {
        for (const std::string& name : typed) {
            for (size_t at; !name.empty() && (at = text.find(name)) != std::string::npos;)
                text.erase(at, name.size());
            for (size_t n = name.size(); n > 0; --n)   // a line being typed ends in part of a name
                if (text.ends_with(name.substr(0, n))) {
                    text.resize(text.size() - n);
                    break;
                }
        }
        for (char16_t u : decodeCp932(text))
            if (japanese(u))
                return toUtf8(text);
    }
    return {};
}
