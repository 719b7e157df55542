// The Windows host's own window for real keystrokes: strokes the library sends
// through user32's keybd_event arrive in the focused window of the thread that
// pumps them, and only then show in GetKeyboardState.
#pragma once

#include <string>
#include <vector>

namespace zandrel::host {

// A message-only window (it needs no display) that takes the foreground and the
// focus; false with `error` set when it cannot.
bool OpenKeyWindow(std::string* error);

// Takes every waiting message of the thread and appends a line for each keyboard
// message the window received, e.g. "window WM_KEYDOWN 0x5A lParam=0x01000001".
// Nothing while no window is open.
void PumpKeyWindow(std::vector<std::string>* output);

void CloseKeyWindow();

// `focus` when the foreground is real: away starts a process of this program in
// kOtherWindowMode, whose window takes the foreground; game stops it, appends the
// keyboard messages its window received ("other window WM_KEYUP ..."), and puts the
// key window in front again. Nothing while no key window is open.
void SetRealFocus(bool gameInFront, std::vector<std::string>* output);

// That process: `zandrel-host --other-window HOST_PID`. Its window takes the
// foreground and prints its keyboard messages until the host asks it to stop or ends.
constexpr char kOtherWindowMode[] = "--other-window";
int RunOtherWindow(const std::string& hostProcess);

}  // namespace zandrel::host
