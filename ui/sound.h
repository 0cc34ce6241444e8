// Sound cues: short waves played on the mixer's cue channels 0 to 3. Each
// file is loaded on its first cue and reused after.
#pragma once
#include <string>

// Plays dat/<name> on the channel; a cue that cannot play is silent.
void playCue(int channel, const std::string& name);
// Start-up: every cue slot holds "1.wav".
void openCueWaves();
// Shutdown: frees the slots' waves (3 down to 0), then the rest, each once.
void freeCueWaves();
