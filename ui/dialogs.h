// Modal message boxes and Yes/No confirmations, and the guard every input
// handler runs in. Tests answer the boxes through a hook.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

// A modal box with the CP932 text and an OK button.
void showMessage(const std::string& text);
// A confirmation with Yes and No; true for Yes. Closing it counts as No.
// One that erases something says yes only to the mouse or the Y key:
// Enter and Space answer no.
bool askYesNo(const std::string& text, bool erases = false);

// Tests: every box and confirmation goes to the hook instead of the screen;
// for a confirmation its result is the answer. An empty hook restores boxes.
using DialogHook = std::function<bool(bool question, const std::string& text)>;
void setDialogHook(DialogHook hook);

// How an input handler may meet the others. A scene (a step, a fight, a
// search, an item, a question, a panel's button) runs alone: while one
// runs, and the waits inside it let input through, only the free handlers
// may start: the click that answers a wait, the timers, the pickups, the
// map's hover texts, the music's notice, the help, the window's keys, closing. The window's timers are
// free too, and tick: they change nothing that Timer1 shows.
enum class HandlerKind { Scene, Free, Tick };

// Runs one input handler, unless its kind may not start now (then it does
// nothing). An error that abandons the handler (a data file that cannot be
// read, a number out of its table) is shown in a box and ends that handler
// only.
void guarded(const std::function<void()>& handler, HandlerKind kind = HandlerKind::Free);

// Something has happened that may change what Timer1 shows: a handler
// (not a tick) ended, a scene let events through or opened a box. A resting Timer1 ticks again within 10 ms.
void noteActivity();
uint64_t activityCount();

// What the guard has done since the program started, for tests.
struct GuardRecord {
    int refused = 0;     // handlers that did not start because another ran
    int abandoned = 0;   // handlers ended by an error
};
const GuardRecord& guardRecord();
// True while a scene runs.
bool handlerRunning();
