#include "core/text.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "core/language.h"

namespace {

// Unicode of every two-byte CP932 code (0 where undefined), built once.
const std::array<char16_t, 65536>& doubleByteTable()
{
    static const auto table = [] {
        auto t = std::make_unique<std::array<char16_t, 65536>>();
        t->fill(0);
        iconv_t cd = iconv_open("UTF-16LE", "CP932");
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(lead))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                char in[2] = {char(lead), char(trail)};
                char16_t out[2] = {0, 0};
                char* src = in;
                char* dst = reinterpret_cast<char*>(out);
                size_t srcLeft = 2, dstLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1) && dstLeft == 2)
                    (*t)[lead << 8 | trail] = out[0];
            }
        }
        iconv_close(cd);
        return t;
    }();
    return *table;
}

} // namespace

std::optional<std::string> toCp932(std::string_view utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* src = const_cast<char*>(utf8.data());
    size_t srcLeft = utf8.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == size_t(-1))
        return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

std::u16string decodeCp932(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = s[i];
        if (isLeadByte(c)) {
            if (i + 1 < s.size())
                if (char16_t u = doubleByteTable()[c << 8 | (unsigned char)s[i + 1]])
                    out += u;
            ++i;
        } else if (c < 0x80) {
            out += char16_t(c);
        } else if (c >= 0xA1 && c <= 0xDF) {
            out += char16_t(0xFF61 + (c - 0xA1));   // half-width katakana
        }
    }
    return out;
}

std::string toUtf8(std::string_view cp932)
{
    std::string out;
    for (char16_t u : decodeCp932(cp932)) {
        if (u < 0x80) {
            out += char(u);
        } else if (u < 0x800) {
            out += char(0xC0 | u >> 6);
            out += char(0x80 | (u & 0x3F));
        } else {
            out += char(0xE0 | u >> 12);
            out += char(0x80 | (u >> 6 & 0x3F));
            out += char(0x80 | (u & 0x3F));
        }
    }
    return out;
}

const std::string& operator""_sj(const char* utf8, size_t len)
{
    // Kept per literal and made again after a change of language; a kept
    // text stays where it is, so a reference to it stays good.
    struct Kept {
        unsigned generation;
        std::string text;
    };
    static std::unordered_map<const char*, Kept> cache;
    auto [it, made] = cache.try_emplace(utf8);
    Kept& kept = it->second;
    if (made || kept.generation != languageGeneration()) {
        const std::string_view source(utf8, len);
        // Only a text with more than ASCII in it has a language; the rest
        // reads the same in all of them.
        const bool ascii = std::all_of(source.begin(), source.end(), [](char c) { return (unsigned char)c < 0x80; });
        const std::optional<std::string> own = ascii ? std::nullopt : translation("miruhe", source);
        kept = {languageGeneration(), toCp932(own ? *own : source).value_or(std::string(own ? *own : source))};
    }
    return kept.text;
}

const std::string& sjis(const char* utf8Literal) { return operator""_sj(utf8Literal, std::strlen(utf8Literal)); }

std::string fill(const std::string& text, std::initializer_list<std::string> values)
{
    // '%' and the digits are never the second byte of a CP932 character.
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && size_t(next - '1') < values.size()) {
            out += values.begin()[next - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string num(long long v) { return std::to_string(v); }
