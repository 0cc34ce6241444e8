// The player's settings (window scale, volumes, soundfont), kept in
// $XDG_CONFIG_HOME/miruhe/settings.ini (~/.config/miruhe without it).
#pragma once
#include <QSettings>
#include <string>

QSettings& settings();
// Tests keep theirs in a folder of their own.
void setSettingsFile(const std::string& path);
// A whole number kept under `key`, pulled into low..high; `fallback` when none is kept.
int settingInt(const char* key, int low, int high, int fallback);
// Keeps a value and writes the file at once: a program ended by a signal
// keeps what was set.
void keepSetting(const char* key, const QVariant& value);
// What is wrong with the settings file (a folder, a file that cannot be read
// or written), CP932 for the box; "" when nothing. The settings are then
// kept for this run only. Only the game's own keys are ever written back.
std::string settingsProblem();
