// A picture's words in another language: every <text> whose words the
// catalog (context "picture") translates gets them, at a smaller size when
// they would not fit the picture around where the words stood.
//   svgwords <catalog.ts> <in.svg> <out.svg>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <map>

#include "tools/catalog.h"

namespace {

std::map<QString, QString> pictureWords(const QString& path)
{
    std::map<QString, QString> words;
    for (const CatalogMessage& m : readCatalog(path).messages)
        if (m.context == "picture" && m.type.isEmpty() && !m.translation.isEmpty())
            words[m.source] = m.translation;
    return words;
}

double number(const QString& attributes, const char* name, double fallback)
{
    const QRegularExpressionMatch m = QRegularExpression(QString("\\b%1=\"([-0-9.]+)\"").arg(name)).match(attributes);
    return m.hasMatch() ? m.captured(1).toDouble() : fallback;
}

QFont fontOf(const QString& attributes, double px)
{
    QFont font(QRegularExpression("font-family=\"([^\"]+)\"").match(attributes).captured(1));
    font.setPixelSize(std::max(1, int(px)));
    font.setBold(attributes.contains("font-weight=\"bold\""));
    return font;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: svgwords <catalog.ts> <in.svg> <out.svg>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::map<QString, QString> words = pictureWords(argv[1]);
    QFile in(argv[2]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[2]);
        return 1;
    }
    QString svg = QString::fromUtf8(in.readAll());
    const double width = number(svg.section('>', 0, 0), "width", 0);
    static const QRegularExpression element("<text([^>]*)>([^<]*)</text>");
    QString out;
    qsizetype from = 0;
    for (auto m = element.globalMatch(svg); m.hasNext();) {
        const QRegularExpressionMatch t = m.next();
        QString attributes = t.captured(1);
        const auto found = words.find(t.captured(2));
        out += svg.mid(from, t.capturedStart() - from);
        from = t.capturedEnd();
        if (found == words.end()) {
            out += t.captured(0);
            continue;
        }
        // The room the words have: as wide as they were, or as the picture
        // allows around their anchor, whichever is more.
        const double px = number(attributes, "font-size", 12);
        const double x = number(attributes, "x", 0);
        const QString anchor = QRegularExpression("text-anchor=\"(\\w+)\"").match(attributes).captured(1);
        const double around = anchor == "middle" ? 2 * std::min(x, width - x) : anchor == "end" ? x : width - x;
        const double room = std::max(QFontMetricsF(fontOf(attributes, px)).horizontalAdvance(t.captured(2)), around - 8);
        // The new words in the proportional face of the same gothic.
        attributes.replace("font-family=\"IPAGothic\"", "font-family=\"IPAPGothic\"");
        const double wide = QFontMetricsF(fontOf(attributes, px)).horizontalAdvance(found->second);
        if (wide > room)
            attributes.replace(QRegularExpression("font-size=\"[-0-9.]+\""),
                               QString("font-size=\"%1\"").arg(std::floor(px * room / wide * 10) / 10));
        out += "<text" + attributes + ">" + found->second.toHtmlEscaped() + "</text>";
    }
    out += svg.mid(from);
    QFile result(argv[3]);
    if (!result.open(QIODevice::WriteOnly | QIODevice::Truncate) || result.write(out.toUtf8()) < 0) {
        std::fprintf(stderr, "%s: cannot write\n", argv[3]);
        return 1;
    }
    return 0;
}
