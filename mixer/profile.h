// Integers from a settings file read the way the old private-profile reader
// read them: "[section]" lines and "key=value" lines, section and key names
// in any case, ';' comment lines, blanks around names and values ignored,
// and a UTF-8 byte-order mark at the start skipped.
// A value gives its leading digits (after an optional minus sign); a missing
// key, or a value that does not start with a digit, gives the default.
// No Qt here: the reader is fuzzed on its own.
#pragma once
#include <string_view>

int profileInt(std::string_view text, std::string_view section, std::string_view key, int def);
