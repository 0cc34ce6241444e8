// The window's opening and closing.
#pragma once
#include <string>

// The farewell said when the window closes (CP932).
std::string farewellText();
