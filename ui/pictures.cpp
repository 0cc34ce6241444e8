#include "ui/pictures.h"

#include <QCoreApplication>
#include <vector>

#include "core/clock.h"
#include "core/paths.h"
#include "core/rng.h"
#include "core/state.h"
#include "ui/dialogs.h"
#include "ui/form1.h"

void repaintWindow() { Form1->repaint(); }

void pumpMessages()
{
    noteActivity();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool loadPicture(TImage* picture, const std::string& name)
{
    try {
        picture->loadFromFile(cgPath(name));
        return true;
    } catch (const EPictureError& e) {
        showMessage(e.what());
        return false;
    }
}

void showPicture(const std::string& name)
{
    if (loadPicture(Form1->bak, name))
        Form1->cg->canvas.stretchDraw(0, 0, 300, 400, Form1->bak->picture);
}

namespace {
// out = in − tenths × k, never below 0 (tenths × k is at most 25 × 9). In
// runs of a fixed length, which the compiler turns into vector code.
void dimRun(uchar* __restrict out, const uchar* __restrict in, const uchar* __restrict tenths, uchar k, int n)
{
    for (int x = 0; x < n; ++x) {
        const uchar s = uchar(tenths[x] * k);
        out[x] = in[x] > s ? uchar(in[x] - s) : 0;
    }
}

void dimRow(uchar* out, const uchar* in, const uchar* tenths, uchar k, int n)
{
    constexpr int Run = 64;
    int x = 0;
    for (; x + Run <= n; x += Run)
        dimRun(out + x, in + x, tenths + x, k, Run);
    dimRun(out + x, in + x, tenths + x, k, n - x);
}
} // namespace

void fadeInPortrait(const std::string& name)
{
    TForm1& f = *Form1;
    portraitFile = name;
    if (!loadPicture(f.Image1, name))
        return;
    const QImage& portrait = f.Image1->picture;
    const QImage& mask = f.Image2->picture;
    QImage& frame = f.bak2->picture;
    frame = QImage(300, 400, QImage::Format_RGB888);
    frame.fill(Qt::black);
    // Whatever of the 300 x 400 area a picture does not cover counts as black.
    const int w = std::min({300, portrait.width(), mask.width()}) * 3;
    const int h = std::min({400, portrait.height(), mask.height()});
    // Each frame takes mask / 10 × k off every byte, down to 0: the tenths
    // are worked out once per mask, and a row is then plain byte arithmetic.
    static std::vector<uchar> tenths;
    static qint64 tenthsOf = 0;
    if (tenthsOf != mask.cacheKey()) {
        tenthsOf = mask.cacheKey();
        tenths.assign(size_t(900) * 400, 0);
        for (int y = 0; y < std::min(400, mask.height()); ++y) {
            const uchar* dim = mask.constScanLine(y);
            for (int x = 0; x < std::min(900, mask.width() * 3); ++x)
                tenths[size_t(y) * 900 + x] = uchar(dim[x] / 10);
        }
    }
    for (int k = 0; k <= 9; ++k) {
        for (int y = 0; y < h; ++y)
            dimRow(frame.scanLine(y), portrait.constScanLine(y), &tenths[size_t(y) * 900], uchar(k), w);
        f.cg->canvas.draw(0, 0, frame);
        pumpMessages();
        pauseMs(5);
    }
}

void flashRed()
{
    TCanvas& c = Form1->cg->canvas;
    for (int i = 0; i < 4; ++i) {
        c.fillAll(QColor(255, 0, 0));
        repaintWindow();
        pauseMs(5);
        c.stretchDraw(0, 0, 300, 400, Form1->bak->picture);
        repaintWindow();
        pauseMs(1);
    }
}

namespace {

// A bolt of six segments; colourFor gives each segment's colour, or
// nothing to keep the pen's.
// A random point of the scene: x is drawn first, then y.
QPoint randomPoint()
{
    const int x = R(300);
    const int y = R(400);
    return {x, y};
}

template <class Colour>
void bolt(Colour colourFor)
{
    TCanvas& c = Form1->cg->canvas;
    const QPoint start = randomPoint();
    c.moveTo(start.x(), start.y());
    for (int i = 0; i <= 5; ++i) {
        if (auto colour = colourFor())
            c.penColor = *colour;
        switch (i) {
        case 0:
        case 5: c.penWidth = 1 + R(3); break;
        case 1: c.penWidth = 5 + R(8); break;
        case 2: c.penWidth = 8 + R(13); break;
        case 3: c.penWidth = 5 + R(9); break;
        case 4: c.penWidth = 3 + R(6); break;
        }
        const QPoint end = randomPoint();
        c.lineTo(end.x(), end.y());
        repaintWindow();
        pauseMs(10);
        c.stretchDraw(0, 0, 300, 400, Form1->bak->picture);
    }
    c.penWidth = 1;
}

} // namespace

void drawLightning()
{
    bolt([]() -> std::optional<QColor> {
        if (my.karma >= -99 && my.karma <= -10)
            return QColor(255, 0, 255);
        if (my.karma >= -9 && my.karma <= 9)
            return QColor(0, 255, 255);
        if (my.karma >= 10 && my.karma <= 99)
            return QColor(255, 255, 255);
        return std::nullopt;
    });
}

void drawGoldLightning()
{
    Form1->cg->canvas.brushColor = Qt::white;
    bolt([]() -> std::optional<QColor> { return QColor(255, 255, 0); });
}

const QColor sceneFills[10] = {{128, 255, 255}, {0, 255, 255}, {0, 210, 210}, {1, 134, 167}, {0, 89, 155},
                               {0, 49, 123},    {0, 29, 87},   {0, 29, 37},   {0, 11, 18},   {0, 0, 0}};

void revealScene()
{
    TCanvas& c = Form1->cg->canvas;
    for (const QColor& colour : sceneFills) {
        c.fillAll(colour);
        repaintWindow();
        pauseMs(30);
    }
    c.penColor = QColor(0, 255, 255);
    c.brushColor = Qt::black;
    for (int i = 1; i <= 23; ++i) {
        const int h = 10 * i;
        c.rectangle(0, 199 - h, 300, 201 + h);
        c.stretchDraw(0, 200 - h, 300, 200 + h, Form1->bak->picture);
        repaintWindow();
    }
    for (int h = 220; h >= 200; h -= 5) {
        c.stretchDraw(0, 200 - h, 300, 200 + h, Form1->bak->picture);
        repaintWindow();
        pauseMs(20);
    }
}
