// The native outside world's registry: the simulated world's joystick names.
#include "platform/sim_world.h"
#include "tools/host/host.h"

namespace zandrel::host {

void SetJoystickName(std::uint16_t vendor, std::uint16_t product, const std::u16string& name)
{
    sim::TheWorld().SetJoystickName(vendor, product, name);
}

void ClearJoystickNames()
{
    sim::TheWorld().joystickNames.clear();
}

}  // namespace zandrel::host
