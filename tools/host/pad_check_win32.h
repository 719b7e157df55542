// The pad checker for game authors (Windows build): which joysticks answer, and
// what the real zandrel.mfx makes of one of them, frame by frame. Everything is
// the system's own except keybd_event, so keys are printed, never typed.
#pragma once

#include <ostream>
#include <string>

namespace zandrel::host {

// "pads": a line per joystick id that answers, with its vendor and product ids,
// its registry name and whether it is an XInput pad. Exit status 0, also when
// no pad answers.
int ListPads(const std::string& library, std::ostream& out);

// "live": binds joystick `pad` to player 0 with the default keys and runs 60
// frames a second (`frames` of them, or until Ctrl+C when negative), printing a
// line whenever the pad bits change or keys are sent.
int WatchPad(const std::string& library, int pad, int frames, std::ostream& out);

}  // namespace zandrel::host
