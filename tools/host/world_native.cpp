// The native outside world: the simulated one.
#include "tools/host/host.h"

namespace zandrel::host {

void SetJoystickName(std::uint16_t, std::uint16_t, const std::u16string&) {}

void ClearJoystickNames() {}

}  // namespace zandrel::host
