// The native outside world's registry (the simulated world's joystick names) and
// clock; the pad stage's virtual pads are the Windows host's alone.
#include <time.h>

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

double NowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void SleepMilliseconds(unsigned milliseconds)
{
    const timespec pause{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    nanosleep(&pause, nullptr);
}

void SetPadChannel(unsigned) {}

bool SendPadCommand(const std::string&, std::string* answer)
{
    *answer = "no virtual pads here (the pad stage's Windows host, with --pad-channel)";
    return false;
}

}  // namespace zandrel::host
