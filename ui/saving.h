// The boxes around saving.
#pragma once

// Saves, or shows why it could not and returns false: for the scenes that
// must go on after their save and give the soul its buttons back.
bool saveGameOrReport();
