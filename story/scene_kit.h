// What the character scenes are built from: meeting someone, their lines,
// how far their stories have come, and the ways a scene ends.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "story/cast.h"

// Lines of speech in UTF-8, each shown whole in the message line; "$"
// stands for the soul's name.
using Lines = std::vector<const char*>;

// The CP932 text of a line, with the soul's name put in.
std::string spoken(const char* line);
// Says each line and waits for its click.
void sayLines(const Lines& lines);

// The opponent the character would make.
void setEnemy(int64_t strength, int item, int alignment);
// Shows the character's profile with the opponent's values.
void introduce(const Cast& who);
// Sets the opponent, then fades the picture in and shows the profile.
void meet(const Cast& who, int64_t strength, int item, int alignment);

// A character's story in one area, kept in my.eventFlag[flag]: the lines of
// each step s -> s+1 in order, then the idle lines of the top stage.
struct Story {
    int flag;
    std::vector<Lines> stages;
};
// One visit: moves the counter on by a step (before its lines) and says the
// step's lines, or the idle lines at the top. Returns s for the step
// s -> s+1, the top stage for the idle lines, -1 for a counter out of range
// (nothing said).
int tell(const Story& story);

// Endings. The character stays on screen; battle and walk come back.
void walkOn();
// The character attacks.
void attack();
// The yes/no box for the question just said; the buttons stay hidden.
void ask(int question);
