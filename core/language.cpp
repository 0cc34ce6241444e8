#include "core/language.h"

#include <QDir>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>

#include "core/paths.h"
#include "core/text.h"

namespace {
std::string current = "ja";
unsigned generation = 0;
std::unique_ptr<QTranslator> catalog;   // none in Japanese, or when it could not be read
std::set<std::string> reported;         // texts of the code already said to be missing

std::string catalogFile(const std::string& code) { return langPath("miruhe_" + code + ".qm"); }

// ASCII letters in lower case; the bytes of a double-byte character stay.
std::string lower(std::string s)
{
    for (size_t i = 0; i < s.size(); ++i)
        if (isLeadByte(s[i]))
            ++i;
        else if (s[i] >= 'A' && s[i] <= 'Z')
            s[i] = char(s[i] - 'A' + 'a');
    return s;
}
} // namespace

const std::string& language() { return current; }
unsigned languageGeneration() { return generation; }

bool setLanguage(const std::string& code)
{
    current = code;
    ++generation;
    reported.clear();
    catalog.reset();
    if (code == "ja")
        return true;
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QString::fromStdString(catalogFile(code))) || loaded->isEmpty()) {
        std::fprintf(stderr, "miruhe: no usable catalog %s: its texts are shown in Japanese\n",
                     catalogFile(code).c_str());
        return false;
    }
    catalog = std::move(loaded);
    return true;
}

std::vector<std::string> languages()
{
    std::vector<std::string> codes{"ja"};
    const QStringList files = QDir(QString::fromStdString(langPath(""))).entryList({"miruhe_*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes.push_back(file.mid(7, file.size() - 10).toStdString());
    return codes;
}

std::string desktopLanguage()
{
    std::string locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* v = std::getenv(variable); v && *v) {
            locale = v;
            break;
        }
    const std::string code = locale.substr(0, locale.find_first_of("_.@"));
    if (code.empty() || code == "C" || code == "POSIX" || code == "ja")
        return "ja";
    for (const std::string& known : languages())
        if (known == code)
            return code;
    return "en";
}

std::optional<std::string> translation(const char* context, std::string_view utf8, bool fromCode)
{
    if (current == "ja")
        return std::nullopt;
    const std::string key(utf8);
    const QString text = catalog ? catalog->translate(context, key.c_str()) : QString();
    if (text.isEmpty()) {
        if (catalog && fromCode && reported.insert(key).second)
            std::fprintf(stderr, "miruhe: the %s catalog has no text for \"%s\"\n", current.c_str(), key.c_str());
        return std::nullopt;
    }
    return text.toStdString();
}

std::string tableText(const std::string& cp932)
{
    if (current == "ja" || cp932.empty())
        return cp932;
    const std::optional<std::string> own = translation("miruhe", toUtf8(cp932), false);
    return own ? toCp932(*own).value_or(cp932) : cp932;
}

bool spelledAs(const std::string& typed, const char* context, const char* utf8)
{
    const std::optional<std::string> spelling = current == "ja" ? std::nullopt : translation(context, utf8, false);
    return spelling && lower(toCp932(*spelling).value_or(std::string())) == lower(typed);
}
