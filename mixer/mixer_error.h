// The wave mixer's one exception class. Every failure of the mixer is raised
// as an EMixerError carrying a fixed English message; callers that do not
// care (the game's sound cues) catch and ignore it.
#pragma once
#include <stdexcept>

class EMixerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
