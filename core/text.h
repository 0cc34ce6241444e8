// Game text is CP932 (Windows Shift-JIS) bytes: lengths are counted in
// bytes, and a carriage return starts a new line in a label. Source
// literals are UTF-8 and are converted once, on first use: "金貨："_sj.
#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// UTF-8 -> CP932; nothing when some character has no CP932 form.
std::optional<std::string> toCp932(std::string_view utf8);

// CP932 -> UTF-16, leniently: a cut or undefined character is left out.
std::u16string decodeCp932(std::string_view cp932);
// CP932 -> UTF-8, as leniently.
std::string toUtf8(std::string_view cp932);

// The converted literal, cached per literal.
const std::string& operator""_sj(const char* utf8, size_t len);
// The same for a literal reached through a pointer (a table's text).
const std::string& sjis(const char* utf8Literal);

// The text with %1, %2, ... %9 replaced by the values, in one pass (a value
// that holds "%2" stays as it is). A line that carries numbers or names is
// one text, so that each language can put them where its words want them.
std::string fill(const std::string& text, std::initializer_list<std::string> values);

// Decimal, with a minus sign when negative.
std::string num(long long v);

inline bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
