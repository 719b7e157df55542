// The Windows host's simulated world inside the loaded library: its imports of the
// joystick, XInput, keyboard and device-inventory functions are pointed at the
// host's own, which answer from the same simulated world as the native build.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zandrel::host {

// Groups of imports that can be left to the system.
enum RealWorld : unsigned {
    kRealPads = 1,           // joystick and XInput
    kRealInventory = 2,      // the COM device inventory
    kRealKeyStrokes = 4,     // keybd_event and the foreground window
    kRealKeyboardState = 8,  // GetKeyboardState
};

// Rewrites the library's import address table: the imports of every group not in
// `real` (RealWorld bits) go to the simulated world, those of the groups in it to
// the system's own functions, so a later call can undo an earlier one.
bool HookWorldImports(HMODULE library, unsigned real, std::string* error);

// Appends a line for every simulated inventory object still referenced: a scan
// must release all it acquired before it returns.
void ReportInventoryLeaks(std::vector<std::string>* output);

}  // namespace zandrel::host
