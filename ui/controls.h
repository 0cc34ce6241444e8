// The window's controls, in the manner of the classic toolkit the game was
// drawn with: texts are CP932 bytes, every control swallows the mouse
// presses it gets (only bound handlers act on them), and a control's
// "visible" is its own flag (isHidden), whatever its parent shows.
#pragma once
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A picture that cannot be loaded; what() is the CP932 text for the box.
class EPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QColor rgb(int r, int g, int b);
// The game's font (IPAPGothic, standing in for the proportional gothic).
QFont gameFont(int px, bool bold = false, bool italic = false);
// CP932 text for display: cut or unknown characters are not drawn, and a
// carriage return starts a new line.
QString displayText(std::string_view cp932);
// Sets the colour a window or panel is filled with.
void setWindowColour(QWidget* w, QColor c);
// True when the control's own visible flag is set.
inline bool visible(const QWidget* w) { return !w->isHidden(); }

struct LaidOutText;

class TLabel : public QWidget {
    Q_OBJECT
public:
    TLabel(QWidget* parent, QRect r, std::string caption = {});
    const std::string& caption() const { return caption_; }
    // Setting a text that continues the old one keeps its hidden bytes.
    void setCaption(const std::string& text);
    // The first bytes of the caption that are not drawn (half a character
    // left at the start by a crawl).
    size_t hiddenBytes() const { return hidden_; }
    void setHiddenBytes(size_t n);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(QColor c);
    void setColor(QColor background);   // opaque background
    void setFontPx(int px);
    void setStyle(int px, bool bold, QColor color, bool italic = false);
    void setAlignment(Qt::Alignment a)
    {
        align_ = a;
        laidOut_.clear();
        update();
    }
    void setWordWrap(bool on)
    {
        wrap_ = on;
        laidOut_.clear();
        update();
    }
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    // The height the text takes when laid out in this label (lines are one
    // font size apart).
    int textHeight(const std::string& cp932) const;

signals:
    void mouseDown();

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void fitToText();
    LaidOutText& laidOut(const QString& text);
    std::vector<std::pair<QString, std::shared_ptr<LaidOutText>>> laidOut_;
    std::string caption_;
    size_t hidden_ = 0;
    QColor fontColor_ = Qt::black;
    QColor background_;
    bool transparent_ = true;
    bool wrap_ = false;
    bool autoSize_ = false;
    Qt::Alignment align_ = Qt::AlignLeft;
};

// Drawing on a bitmap as the game always has: rectangles are filled with
// the brush and outlined with the pen, and cover x1..x2-1, y1..y2-1; the
// pen keeps its colour, width and position between calls. Every drawing
// marks the picture showing the bitmap for repainting.
struct TCanvas {
    TCanvas(QImage* bitmap, QWidget* shownBy) : target(bitmap), owner(shownBy) {}
    QImage* target;
    QWidget* owner;
    QColor penColor = Qt::black;
    int penWidth = 1;
    QColor brushColor = Qt::white;
    QPoint penPos;

    void rectangle(int x1, int y1, int x2, int y2);
    // Fill and outline in one colour over the whole bitmap.
    void fillAll(QColor c);
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage& source);
    void draw(int x, int y, const QImage& source);
    void moveTo(int x, int y) { penPos = {x, y}; }
    void lineTo(int x, int y);
};

// A picture: either a bitmap the game draws on (the scene and its buffers),
// or a picture embedded in the window (an SVG of the program's resources).
class TImage : public QWidget {
    Q_OBJECT
public:
    TImage(QWidget* parent, QRect r);
    QImage picture;                         // the bitmap, 24-bit when loaded
    TCanvas canvas{&picture, this};
    // Loads a BMP (the picture takes its size); EPictureError when it cannot.
    void loadFromFile(const std::string& path);
    // Shows a picture of the program's resources (ui/<name>), in the
    // language spoken when it has its own (ui/<language>/<name>).
    void setEmbedded(const QString& name);
    // The embedded picture again, after a change of language.
    void showLanguage();
    void setStretch(bool on) { stretch_ = on; update(); }
    void setAutoSize(bool on) { autoSize_ = on; }

signals:
    void mouseDown();
    void click();
    void mouseMove();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool stretch_ = false;
    bool autoSize_ = false;
    bool pressed_ = false;
    QString embedded_;
};

class TPanel : public QWidget {
    Q_OBJECT
public:
    TPanel(QWidget* parent, QRect r, QColor background, bool border = false);
    void setColor(QColor background);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QColor background_;
    bool border_;
};

// A filled rectangle with a one-pixel border.
class TShape : public QWidget {
public:
    TShape(QWidget* parent, QRect r, QColor fill, QColor border);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QColor fill_, border_;
};

// A bar gauge without text or border.
class TGauge : public QWidget {
public:
    TGauge(QWidget* parent, QRect r, QColor bar, QColor back);
    int maxValue = 100;
    int progress = 0;
    QColor foreColor, backColor;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
};

class TListBox : public QListWidget {
    Q_OBJECT
public:
    TListBox(QWidget* parent, QRect r, QColor background, int fontPx, QColor text, int itemHeight);
    void addItem(const std::string& cp932);
    std::string itemText(int row) const;
    // Replaces the text of a row that exists (CP932).
    void setItemText(int row, const std::string& cp932);

signals:
    void mouseDown();
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int itemHeight_;
};

class TButton : public QPushButton {
    Q_OBJECT
public:
    TButton(QWidget* parent, QRect r, const std::string& caption = {}, int fontPx = 12);

signals:
    void mouseMove();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

// A single-line edit that drops control characters and refuses characters
// with no CP932 form, typed or pasted.
class TEdit : public QLineEdit {
public:
    TEdit(QWidget* parent, QRect r);
    std::string textCp932() const;
};

class TSpinEdit : public QSpinBox {
public:
    TSpinEdit(QWidget* parent, QRect r, int min, int max);
};

// A precise timer bound to one handler.
QTimer* makeTimer(QObject* parent, int intervalMs, bool enabled);
