#include "ui/view.h"

void stepScale(int) {}
void resetScale() {}
void toggleFullScreen() {}
void stepVolume(bool, int) {}
void toggleMute() {}
