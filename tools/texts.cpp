// The texts the game shows, gathered from where they are written, and the
// catalogs of the other languages kept up to date with them:
//   texts <source dir> update <catalog.ts>...   adds what is new (unfinished), marks what is gone (vanished)
//   texts <source dir> check <catalog.ts>...    names every text a catalog lacks; exit 1 if any
// A text is a string literal of the game's code that holds a character
// beyond ASCII (adjacent literals are one), a name or description of the
// tables, or the words of a picture. A literal on a line that ends in
// "// tr: <context>" belongs to that context of the catalog ("none": it is
// not a text); the others to "miruhe", the pictures' to "picture".
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "tools/catalog.h"

namespace {

struct Text {
    QString context;
    QString source;
    QStringList locations;   // "file:line"
};

struct Entry {
    QString translation;
    QString type;   // "", "unfinished", "vanished"
};

using Key = std::pair<QString, QString>;   // context, source

QString readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "texts: cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    return QString::fromUtf8(f.readAll());
}

void add(std::vector<Text>& texts, std::map<Key, size_t>& index, const QString& context, const QString& source,
         const QString& location)
{
    const Key key{context, source};
    auto [it, made] = index.try_emplace(key, texts.size());
    if (made)
        texts.push_back({context, source, {}});
    texts[it->second].locations << location;
}

bool beyondAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return true;
    return false;
}

// The string literals of a C++ file, with adjacent ones joined, each with
// the line it starts on.
void scanCode(const QString& file, const QString& shownAs, std::vector<Text>& texts, std::map<Key, size_t>& index)
{
    const QString src = readAll(file);
    const QStringList lines = src.split('\n');
    static const QRegularExpression marker("//\\s*tr:\\s*(.+?)\\s*$");
    qsizetype i = 0;
    int line = 1;
    auto skipSpace = [&] {
        for (;;) {
            while (i < src.size() && src[i].isSpace()) {
                if (src[i] == '\n')
                    ++line;
                ++i;
            }
            if (src.mid(i, 2) == "//") {
                while (i < src.size() && src[i] != '\n')
                    ++i;
            } else if (src.mid(i, 2) == "/*") {
                const qsizetype end = src.indexOf("*/", i + 2);
                line += src.mid(i, end - i).count('\n');
                i = end + 2;
            } else {
                return;
            }
        }
    };
    auto literal = [&] {   // at the opening quote; leaves i after the closing one
        QString s;
        for (++i; i < src.size() && src[i] != '"'; ++i) {
            if (src[i] != '\\') {
                s += src[i];
                continue;
            }
            const QChar e = src[++i];
            s += e == 'r' ? QChar('\r') : e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e == '0' ? QChar(0) : e;
        }
        ++i;
        return s;
    };
    while (i < src.size()) {
        const QChar c = src[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (src.mid(i, 2) == "//" || src.mid(i, 2) == "/*") {
            skipSpace();
        } else if (c == '#' && (i == 0 || src[i - 1] == '\n')) {
            while (i < src.size() && src[i] != '\n')
                ++i;
        } else if (c == '\'') {
            for (++i; i < src.size() && src[i] != '\''; ++i)
                if (src[i] == '\\')
                    ++i;
            ++i;
        } else if (c == '"') {
            const int start = line;
            QString s = literal();
            for (;;) {
                const qsizetype at = i;
                const int atLine = line;
                skipSpace();
                if (i < src.size() && src[i] == '"') {
                    s += literal();
                } else {
                    i = at;
                    line = atLine;
                    break;
                }
            }
            if (!beyondAscii(s))
                continue;
            const QRegularExpressionMatch m = marker.match(lines[start - 1]);
            const QString context = m.hasMatch() ? m.captured(1) : "miruhe";
            if (context != "none")
                add(texts, index, context, s, shownAs + ":" + QString::number(start));
        } else {
            ++i;
        }
    }
}

// A table: records of `fields` lines, of which the first `named` are texts.
void scanTable(const QString& file, const QString& shownAs, int fields, int named, std::vector<Text>& texts,
               std::map<Key, size_t>& index)
{
    QStringList lines = readAll(file).split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString text = lines[n].remove('\r');
        if (n % fields < named && beyondAscii(text))
            add(texts, index, "miruhe", text, shownAs + ":" + QString::number(n + 1));
    }
}

void scanPicture(const QString& file, const QString& shownAs, std::vector<Text>& texts, std::map<Key, size_t>& index)
{
    QXmlStreamReader xml(readAll(file));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            const qint64 line = xml.lineNumber();
            const QString words = xml.readElementText();
            if (beyondAscii(words))
                add(texts, index, "picture", words, shownAs + ":" + QString::number(line));
        }
}

std::vector<Text> gather(const QString& root)
{
    std::vector<Text> texts;
    std::map<Key, size_t> index;
    const QDir dir(root);
    for (const char* folder : {"app", "core", "ui", "title", "explore", "story", "battle", "items"})
        for (const QString& name : QDir(dir.filePath(folder)).entryList({"*.cpp", "*.h"}, QDir::Files, QDir::Name))
            scanCode(dir.filePath(QString(folder) + "/" + name), QString(folder) + "/" + name, texts, index);
    scanTable(dir.filePath("assets/dat/item.txt"), "assets/dat/item.txt", 4, 2, texts, index);
    scanTable(dir.filePath("assets/dat/map.txt"), "assets/dat/map.txt", 4, 2, texts, index);
    for (const char* folder : {"assets/ui", "assets/cg"})
        for (const QString& name : QDir(dir.filePath(folder)).entryList({"*.svg"}, QDir::Files, QDir::Name))
            scanPicture(dir.filePath(QString(folder) + "/" + name), QString(folder) + "/" + name, texts, index);
    return texts;
}

// The catalog's entries by context and source, and its language when it names one.
std::map<Key, Entry> readEntries(const QString& path, QString& language)
{
    const Catalog catalog = readCatalog(path);
    if (!catalog.error.isEmpty()) {
        std::fprintf(stderr, "texts: %s: %s\n", qPrintable(path), qPrintable(catalog.error));
        std::exit(2);
    }
    if (!catalog.language.isEmpty())
        language = catalog.language;
    std::map<Key, Entry> entries;
    for (const CatalogMessage& m : catalog.messages)
        entries[{m.context, m.source}] = {m.translation, m.type};
    return entries;
}

// Text of an element: a carriage return is written as a character reference,
// which every reader keeps (a bare one would become a line feed).
void writeText(QXmlStreamWriter& xml, const QString& s)
{
    const QStringList parts = s.split('\r');
    for (qsizetype k = 0; k < parts.size(); ++k) {
        if (k)
            xml.writeEntityReference("#xd");
        xml.writeCharacters(parts[k]);
    }
}

void writeCatalog(const QString& path, const QString& language, const std::vector<Text>& texts,
                  const std::map<Key, Entry>& old)
{
    std::map<QString, std::vector<std::pair<Text, Entry>>> byContext;
    std::set<Key> current;
    for (const Text& t : texts) {
        const auto found = old.find({t.context, t.source});
        Entry e = found == old.end() ? Entry{{}, "unfinished"} : found->second;
        if (e.type == "vanished")
            e.type = e.translation.isEmpty() ? "unfinished" : "";
        byContext[t.context].push_back({t, e});
        current.insert({t.context, t.source});
    }
    for (const auto& [key, e] : old)
        if (!current.count(key) && !e.translation.isEmpty())
            byContext[key.first].push_back({Text{key.first, key.second, {}}, Entry{e.translation, "vanished"}});

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "texts: cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
    QXmlStreamWriter xml(&f);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD("<!DOCTYPE TS>");
    xml.writeStartElement("TS");
    xml.writeAttribute("version", "2.1");
    xml.writeAttribute("language", language);
    xml.writeAttribute("sourcelanguage", "ja");
    for (const auto& [context, messages] : byContext) {
        xml.writeStartElement("context");
        xml.writeTextElement("name", context);
        for (const auto& [t, e] : messages) {
            xml.writeStartElement("message");
            for (const QString& at : t.locations) {
                const qsizetype colon = at.lastIndexOf(':');
                xml.writeEmptyElement("location");
                xml.writeAttribute("filename", "../../" + at.left(colon));
                xml.writeAttribute("line", at.mid(colon + 1));
            }
            xml.writeStartElement("source");
            writeText(xml, t.source);
            xml.writeEndElement();
            xml.writeStartElement("translation");
            if (!e.type.isEmpty())
                xml.writeAttribute("type", e.type);
            writeText(xml, e.translation);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
}

// The %1..%9 and the soul's name ($) a text carries.
QString carried(const QString& s)
{
    QString found;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i] == '%' && i + 1 < s.size() && s[i + 1] >= '1' && s[i + 1] <= '9')
            found += s[++i];
    std::sort(found.begin(), found.end());
    return found + QString(s.count('$'), '$');
}

// A character a player of another language could not read: kana, kanji,
// full-width forms and the Japanese brackets and marks.
bool japanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

// What is wrong with a translation, or "" when nothing is.
QString fault(const Text& t, const Entry& e)
{
    if (e.translation.isEmpty() || !e.type.isEmpty())
        return "no translation";
    if (carried(e.translation) != carried(t.source))
        return "carries " + carried(e.translation) + " instead of " + carried(t.source);
    if (!toCp932(e.translation.toStdString()))
        return "has a character with no Shift-JIS form";
    for (QChar c : e.translation)
        if (japanese(c))
            return QString("has Japanese in it (") + c + ")";
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4 || (std::string(argv[2]) != "update" && std::string(argv[2]) != "check")) {
        std::fprintf(stderr, "usage: texts <source dir> update|check <catalog.ts>...\n");
        return 2;
    }
    const std::vector<Text> texts = gather(argv[1]);
    int faults = 0;
    for (int a = 3; a < argc; ++a) {
        int lacking = 0;
        const QString path = argv[a];
        QString language = QFileInfo(path).completeBaseName().section('_', -1);
        const std::map<Key, Entry> catalog = readEntries(path, language);
        if (std::string(argv[2]) == "update") {
            writeCatalog(path, language, texts, catalog);
            continue;
        }
        for (const Text& t : texts) {
            const auto found = catalog.find({t.context, t.source});
            const QString why = fault(t, found == catalog.end() ? Entry{} : found->second);
            if (!why.isEmpty()) {
                ++lacking;
                std::printf("%s: %s [%s] %s\n", qPrintable(t.locations.first()), qPrintable(language),
                            qPrintable(why), qPrintable(t.source.left(60).replace('\r', "\\r")));
            }
        }
        std::printf("%s: %zu texts, %d without a good translation\n", qPrintable(path), texts.size(), lacking);
        faults += lacking;
    }
    return faults ? 1 : 0;
}
