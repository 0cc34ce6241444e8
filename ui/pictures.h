// The scene picture `cg` and the effects drawn on it. Pictures are read
// from cg/ beside the program; a picture that cannot be loaded is reported
// in a box, and the scene goes on without it.
#pragma once
#include <QColor>
#include <string>

class TImage;

// Loads cg/name into the picture; false, after the box, when it cannot.
bool loadPicture(TImage* picture, const std::string& name);

// Loads the picture into `bak` and draws it stretched over the whole scene.
void showPicture(const std::string& name);
// Composes the portrait onto the scene in ten frames; remembers its name.
void fadeInPortrait(const std::string& name);
void flashRed();
void drawLightning();       // in the colour of the soul's karma
void drawGoldLightning();

// The ten colours the scene fades through, from pale cyan to black.
extern const QColor sceneFills[10];

// The reveal shared by entering an area and an ambush: ten fills from pale
// cyan to black, the band opening from the middle, and the settle.
void revealScene();

// Repaints the window now.
void repaintWindow();
// Lets the window handle what is pending (timers, clicks, painting).
void pumpMessages();
