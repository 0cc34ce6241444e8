// Modal message boxes and Yes/No confirmations, and the guard every input
// handler runs in. Tests answer the boxes through a hook.
#pragma once
#include <functional>
#include <string>

// A modal box with the CP932 text and an OK button.
void showMessage(const std::string& text);
// A confirmation with Yes and No; true for Yes. Closing it counts as No.
bool askYesNo(const std::string& text);

// Tests: every box and confirmation goes to the hook instead of the screen;
// for a confirmation its result is the answer. An empty hook restores boxes.
using DialogHook = std::function<bool(bool question, const std::string& text)>;
void setDialogHook(DialogHook hook);

// Runs one input handler. An error that abandons the handler (a data file
// that cannot be read, a picture that cannot be loaded) is shown in a box
// and ends that handler only.
void guarded(const std::function<void()>& handler);
