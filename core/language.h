// The language the game speaks. Japanese is its own: the texts in the code
// and in the tables, as they are. Any other has a catalog in the catalog
// folder, lang/miruhe_<code>.qm (a Qt translation catalog whose keys are the
// Japanese texts), and may have pictures of its own: cg/<code>/ beside the
// game's, ui/<code>/ among the window's.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "ja" until another is set.
const std::string& language();
// Speaks `code` from now on. A catalog that is missing or damaged leaves the
// Japanese texts in its place (one line on stderr says so); false then.
bool setLanguage(const std::string& code);
// "ja", then every language with a catalog in the catalog folder.
std::vector<std::string> languages();
// The desktop's language: Japanese for a Japanese locale and for C/POSIX,
// its own where there is a catalog for it, English for any other.
std::string desktopLanguage();
// Moves on at every change of language: a text made in the old one is stale.
unsigned languageGeneration();

// The language's text (UTF-8) for a Japanese one (UTF-8) in a context of the
// catalog; nothing in Japanese, or where the catalog lacks it. A text of the
// code that the catalog lacks is said once on stderr.
std::optional<std::string> translation(const char* context, std::string_view utf8, bool fromCode = true);
// A text read from a table or a save (CP932): the language's, or its own
// when the catalog does not know it (an edited table, a typed name).
std::string tableText(const std::string& cp932);
// True when `typed` (CP932) is this language's spelling of `utf8` in
// `context`, letters in either case. Never in Japanese.
bool spelledAs(const std::string& typed, const char* context, const char* utf8);
