// The Windows host's simulated world inside the loaded library: its imports of the
// joystick, XInput, keyboard and device-inventory functions are pointed at the
// host's own, which answer from the same simulated world as the native build.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zandrel::host {

// Rewrites the library's import address table. With `realInventory` the COM
// imports are left alone and scans ask the system's own device inventory.
bool HookWorldImports(HMODULE library, bool realInventory, std::string* error);

// Appends a line for every simulated inventory object still referenced: a scan
// must release all it acquired before it returns.
void ReportInventoryLeaks(std::vector<std::string>* output);

}  // namespace zandrel::host
