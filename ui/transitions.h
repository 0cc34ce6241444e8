// The passage between the world map and an area, drawn on the scene picture.
#pragma once

// Opens the scene on `area` and pays its entry cost.
void enterArea(int area);
// Leaves the area for the world map and re-rolls the map's chance buttons.
void returnToMap();
// The closing half of leaving an area: the short zoom, the band closing
// onto the middle line, and black.
void closeAreaView();
// Death energy it costs to enter the area (0 for an area the game lacks).
int entryCost(int area);
