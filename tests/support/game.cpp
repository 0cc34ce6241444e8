#include "tests/support/game.h"

#include <QTest>
#include <QTimer>

#include "core/rng.h"
#include "core/state.h"
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
        QTest::mouseClick(form_->cg, Qt::LeftButton, {}, {5, 5});
    });
    clicker_->start(0);
}
