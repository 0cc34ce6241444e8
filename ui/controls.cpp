#include "ui/controls.h"

#include <algorithm>
#include <QFile>
#include <QFontMetrics>
#include <QTextLayout>
#include <cmath>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QValidator>

#include "core/language.h"
#include "core/text.h"

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

void setWindowColour(QWidget* w, QColor c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

QFont gameFont(int px, bool bold, bool italic)
{
    QFont f("IPAPGothic");
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString displayText(std::string_view cp932)
{
    QString s = QString::fromStdU16String(decodeCp932(cp932));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

// ---- TLabel

TLabel::TLabel(QWidget* parent, QRect r, std::string caption)
    : QWidget(parent), caption_(std::move(caption))
{
    setGeometry(r);
    setFont(parent->font());
}

void TLabel::setCaption(const std::string& text)
{
    if (text == caption_)
        return;
    if (text.compare(0, caption_.size(), caption_) != 0)
        hidden_ = 0;
    caption_ = text;
    if (autoSize_)
        fitToText();
    update();
}

void TLabel::setHiddenBytes(size_t n)
{
    hidden_ = n;
    update();
}

void TLabel::setFontColor(QColor c)
{
    if (c == fontColor_)
        return;
    fontColor_ = c;
    update();
}

void TLabel::setColor(QColor background)
{
    background_ = background;
    transparent_ = false;
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

void TLabel::setFontPx(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
    update();
}

void TLabel::setStyle(int px, bool bold, QColor color, bool italic)
{
    setFont(gameFont(px, bold, italic));
    fontColor_ = color;
    update();
}

void TLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    if (on)
        fitToText();
}

namespace {
// A line may break after any double-byte character, as the classic toolkit
// broke Shift-JIS text (a run of ★ included); single-byte words stay whole.
QString breakableAfterWideCharacters(const QString& paragraph)
{
    QString out;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        const char16_t c = paragraph[i].unicode();
        out += paragraph[i];
        const bool singleByte = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
        if (!singleByte && !paragraph[i].isHighSurrogate() && i + 1 < paragraph.size())
            out += QChar(0x200B);   // zero width: a place to break, nothing drawn
    }
    return out;
}
} // namespace

// Text laid out as the classic toolkit did: lines exactly one font height
// apart, wrapped (when asked) at the width.
struct LaidOutText {
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    QSize size;

    LaidOutText(const QString& text, const QFont& font, int width, Qt::Alignment align, bool wrap)
    {
        const int lineHeight = font.pixelSize();
        QTextOption option(align);
        option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        int y = 0;
        qreal widest = 0;
        for (const QString& paragraph : text.split(QChar('\n'))) {
            auto& layout = *paragraphs.emplace_back(
                std::make_unique<QTextLayout>(wrap ? breakableAfterWideCharacters(paragraph) : paragraph, font));
            layout.setTextOption(option);
            layout.beginLayout();
            int lines = 0;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines) {
                line.setLineWidth(width);
                line.setPosition(QPointF(0, y + lines * lineHeight));
                widest = std::max(widest, line.naturalTextWidth());
            }
            layout.endLayout();
            y += std::max(lines, 1) * lineHeight;
        }
        size = {int(std::ceil(widest)), y};
    }
    void draw(QPainter& p) const
    {
        for (const auto& layout : paragraphs)
            layout->draw(&p, QPointF(0, 0));
    }
    // A text that comes back after another on a small label (the title's
    // frames, every second) is drawn from a picture of it, made at the
    // painter's scale; a large one would hold too much memory for it.
    static constexpr int PicturedArea = 128 * 128;
    bool cameBack = false;
    QImage drawn;
    QColor drawnColour;
    void draw(QPainter& p, QColor colour, QSize box)
    {
        const QTransform& t = p.deviceTransform();
        const qreal scale = t.m11();
        if (!cameBack || box.width() * box.height() > PicturedArea || t.type() > QTransform::TxScale ||
            t.m22() != scale) {
            p.setPen(colour);
            draw(p);
            return;
        }
        if (drawn.isNull() || drawn.devicePixelRatio() != scale || drawnColour != colour) {
            drawn = QImage((QSizeF(box) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
            drawn.setDevicePixelRatio(scale);
            drawn.fill(Qt::transparent);
            QPainter ip(&drawn);
            ip.setPen(colour);
            draw(ip);
            drawnColour = colour;
        }
        p.drawImage(QPointF(0, 0), drawn);
    }
};


void TLabel::fitToText()
{
    const QSize size = LaidOutText(displayText(caption_), font(), 10000, Qt::AlignLeft, false).size;
    resize(std::max(size.width(), 1), size.height());
}

int TLabel::textHeight(const std::string& cp932) const
{
    return LaidOutText(displayText(cp932), font(), width(), align_, wrap_).size.height();
}

// The texts drawn last are kept laid out, a few dozen of them: a title's
// frames come round again, and a label repainted under another is drawn
// without shaping its text anew.
LaidOutText& TLabel::laidOut(const QString& text)
{
    const auto found = std::find_if(laidOut_.begin(), laidOut_.end(), [&](const auto& kept) { return kept.first == text; });
    if (found != laidOut_.end()) {
        if (found + 1 != laidOut_.end()) {
            found->second->cameBack = true;
            std::rotate(found, found + 1, laidOut_.end());
        }
        return *laidOut_.back().second;
    }
    if (laidOut_.size() >= 32)
        laidOut_.erase(laidOut_.begin());
    return *laidOut_.emplace_back(text, std::make_shared<LaidOutText>(text, font(), width(), align_, wrap_)).second;
}

void TLabel::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange)
        laidOut_.clear();
    QWidget::changeEvent(e);
}

void TLabel::resizeEvent(QResizeEvent*) { laidOut_.clear(); }

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), background_);
    laidOut(displayText(std::string_view(caption_).substr(std::min(hidden_, caption_.size())))).draw(p, fontColor_, size());
}

// Mouse-down handlers answer every button; click handlers only the left one.
void TLabel::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    emit mouseDown();
}

void TLabel::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }

// ---- TCanvas

namespace {
QPainter* painterFor(QImage* target, QPainter& p)
{
    p.begin(target);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    return &p;
}
}

void TCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    QPainter p;
    painterFor(target, p);
    const QRect r(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    p.fillRect(r, brushColor);
    p.setPen(QPen(penColor, penWidth));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    owner->update();
}

void TCanvas::fillAll(QColor c)
{
    target->fill(c);
    owner->update();
}

void TCanvas::stretchDraw(int x1, int y1, int x2, int y2, const QImage& source)
{
    QPainter p;
    painterFor(target, p);
    p.drawImage(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), source);
    owner->update();
}

void TCanvas::draw(int x, int y, const QImage& source)
{
    QPainter p;
    painterFor(target, p);
    p.drawImage(x, y, source);
    owner->update();
}

void TCanvas::lineTo(int x, int y)
{
    QPainter p;
    painterFor(target, p);
    p.setPen(QPen(penColor, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(penPos, QPoint(x, y));
    penPos = {x, y};
    owner->update();
}

// ---- TImage

TImage::TImage(QWidget* parent, QRect r) : QWidget(parent) { setGeometry(r); }

void TImage::loadFromFile(const std::string& path)
{
    QImage loaded;
    if (!loaded.load(QString::fromStdString(path), "BMP"))
        throw EPictureError(loaded.isNull() && !QFile::exists(QString::fromStdString(path))
                                ? fill("ファイル %1 を開けません"_sj, {path})
                                : "ビットマップ イメージが不正です"_sj);
    picture = loaded.convertToFormat(QImage::Format_RGB888);
    if (autoSize_)
        resize(picture.size());
    update();
}

void TImage::setEmbedded(const QString& name)
{
    embedded_ = name;
    const QString own = QString(":/ui/%1/%2").arg(QString::fromStdString(language()), name);
    QSvgRenderer svg(QFile::exists(own) ? own : ":/ui/" + name);
    picture = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    update();
}

void TImage::showLanguage()
{
    if (!embedded_.isEmpty())
        setEmbedded(embedded_);
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (stretch_)
        p.drawImage(rect(), picture);
    else
        p.drawImage(0, 0, picture);
}

void TImage::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
    emit mouseDown();
}

void TImage::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit click();
}

void TImage::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit mouseMove();
}

// ---- TPanel, TShape, TGauge

TPanel::TPanel(QWidget* parent, QRect r, QColor background, bool border)
    : QWidget(parent), background_(background), border_(border)
{
    setGeometry(r);
    setAttribute(Qt::WA_OpaquePaintEvent);   // what lies beneath is never drawn
    setFont(parent->font());
}

void TPanel::setColor(QColor background)
{
    background_ = background;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), background_);
    if (border_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TPanel::mousePressEvent(QMouseEvent* e) { e->accept(); }

TShape::TShape(QWidget* parent, QRect r, QColor fill, QColor border)
    : QWidget(parent), fill_(fill), border_(border)
{
    setGeometry(r);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fill_);
    p.setPen(border_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TShape::mousePressEvent(QMouseEvent* e) { e->accept(); }

TGauge::TGauge(QWidget* parent, QRect r, QColor bar, QColor back)
    : QWidget(parent), foreColor(bar), backColor(back)
{
    setGeometry(r);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColor);
    if (maxValue > 0 && progress > 0) {
        const int w = int(int64_t(width()) * std::min(progress, maxValue) / maxValue);
        p.fillRect(0, 0, w, height(), foreColor);
    }
}

void TGauge::mousePressEvent(QMouseEvent* e) { e->accept(); }

// ---- TListBox

TListBox::TListBox(QWidget* parent, QRect r, QColor background, int fontPx, QColor text, int itemHeight)
    : QListWidget(parent), itemHeight_(itemHeight)
{
    setGeometry(r);
    setFont(gameFont(fontPx, true));
    setStyleSheet(QString("QListWidget { background: %1; color: %2; border: 1px solid #808080; }"
                          "QListWidget::item { padding: 0px; margin: 0px; }"
                          "QListWidget::item:selected { background: #000080; color: white; }")
                      .arg(background.name(), text.name()));
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFocusPolicy(Qt::NoFocus);   // a row changes only under the mouse, with its handler
}

void TListBox::addItem(const std::string& cp932)
{
    auto* item = new QListWidgetItem(displayText(cp932));
    item->setData(Qt::UserRole, QByteArray::fromStdString(cp932));
    item->setSizeHint(QSize(0, itemHeight_));
    QListWidget::addItem(item);
}

std::string TListBox::itemText(int row) const
{
    const QListWidgetItem* it = item(row);
    return it ? it->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

void TListBox::setItemText(int row, const std::string& cp932)
{
    if (QListWidgetItem* it = item(row)) {
        it->setText(displayText(cp932));
        it->setData(Qt::UserRole, QByteArray::fromStdString(cp932));
    }
}

// Only the left button selects a row; every button reaches the handlers.
void TListBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        QListWidget::mousePressEvent(e);
    e->accept();
    emit mouseDown();
}

void TListBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        QListWidget::mouseReleaseEvent(e);
    e->accept();
    emit mouseUp();
}

// ---- TButton, TEdit, TSpinEdit

TButton::TButton(QWidget* parent, QRect r, const std::string& caption, int fontPx)
    : QPushButton(displayText(caption), parent)
{
    setGeometry(r);
    setFont(gameFont(fontPx));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TButton::mouseMoveEvent(QMouseEvent* e)
{
    QPushButton::mouseMoveEvent(e);
    emit mouseMove();
}

namespace {
class Cp932Validator : public QValidator {
public:
    using QValidator::QValidator;
    // The text is one line of CP932: control characters (a pasted line
    // break, a tab) are dropped, anything without a CP932 form is refused.
    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i)
            if (input[i].unicode() < 0x20) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        return toCp932(input.toStdString()) ? Acceptable : Invalid;
    }
};
}

TEdit::TEdit(QWidget* parent, QRect r) : QLineEdit(parent)
{
    setGeometry(r);
    setValidator(new Cp932Validator(this));
    setAttribute(Qt::WA_InputMethodEnabled);
}

std::string TEdit::textCp932() const { return toCp932(text().toStdString()).value_or(std::string()); }

TSpinEdit::TSpinEdit(QWidget* parent, QRect r, int min, int max) : QSpinBox(parent)
{
    setGeometry(r);
    setRange(min, max);
}

QTimer* makeTimer(QObject* parent, int intervalMs, bool enabled)
{
    auto* t = new QTimer(parent);
    t->setTimerType(Qt::PreciseTimer);
    t->setInterval(intervalMs);
    if (enabled)
        t->start();
    return t;
}
