// What a standard MIDI file chooses of a soundfont.
#pragma once
#include <set>
#include <string>
#include <utility>

// The instruments, as (bank, program), that the file's program changes
// choose, with every channel's first one (the piano, and on the drum
// channel the standard kit, in bank 128). A damaged file gives what was
// found before the damage.
std::set<std::pair<int, int>> midiInstruments(const std::string& smf);
