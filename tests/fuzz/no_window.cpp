// The fuzzers have no window: the box a failed save would show goes nowhere.
#include "ui/dialogs.h"

void showMessage(const std::string&) {}
