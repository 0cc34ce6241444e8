#include "mixer/profile.h"

#include <climits>
#include <cstdint>

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// Leading digits with an optional minus sign; numbers too large for an int
// stop at its limits.
int leadingNumber(std::string_view v, int def)
{
    bool negative = !v.empty() && v[0] == '-';
    if (negative)
        v.remove_prefix(1);
    if (v.empty() || !digit(v[0]))
        return def;
    int64_t n = 0;
    for (size_t i = 0; i < v.size() && digit(v[i]); ++i)
        if (n <= INT_MAX)
            n = n * 10 + (v[i] - '0');
    if (negative)
        return n > -int64_t(INT_MIN) ? INT_MIN : int(-n);
    return n > INT_MAX ? INT_MAX : int(n);
}

} // namespace

int profileInt(std::string_view text, std::string_view section, std::string_view key, int def)
{
    if (text.starts_with("\xEF\xBB\xBF"))   // the byte-order mark Notepad writes
        text.remove_prefix(3);
    bool inSection = false;
    while (!text.empty()) {
        size_t eol = text.find('\n');
        std::string_view line = trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            inSection = sameName(trim(line.substr(1, line.find(']') - 1)), section);
            continue;
        }
        size_t eq = line.find('=');
        if (inSection && sameName(trim(line.substr(0, eq)), key))
            return eq == std::string_view::npos ? def : leadingNumber(trim(line.substr(eq + 1)), def);
    }
    return def;
}
