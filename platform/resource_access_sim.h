// What tests and the native reference host may ask of the simulated resources
// beyond the user32-like calls of resource_access.h (which read menus the same way:
// MenuItemCount, MenuItemId, MenuText, MenuState, SubMenu).
#pragma once

namespace zandrel::resources::sim {

// Menus created or loaded and not yet destroyed; a leak check for the editor exports.
int LiveMenuCount();

}  // namespace zandrel::resources::sim
