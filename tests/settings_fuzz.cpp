// libFuzzer target: any file handed to LoadSetting must load without a fault and
// without a write outside the object and the host's control-key table.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings_guard.h"

namespace {

void RemoveInput();

const std::string& InputPath()
{
    static const std::string path = "/tmp/zandrel-settings-fuzz-" + std::to_string(getpid()) + ".cfg";
    static const bool removedAtExit = std::atexit(RemoveInput) == 0;
    (void)removedAtExit;
    return path;
}

void RemoveInput()
{
    std::remove(InputPath().c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zandrel::testing::TestHost host;
    // Pad 0 answers, so frames after the load decode through the loaded map.
    host.world().joysticks[0] = zandrel::sim::Joystick{true, 1, 2, 0, 65535, 9000, 0xFFFF};
    const std::string fault = zandrel::testing::LoadGuarded(host, data, size, InputPath());
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
