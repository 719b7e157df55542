// libFuzzer target: any bytes as a host script. Parsing must end in a script or a
// one-line error naming a line of the input, never in a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/host/script.h"

namespace {

const zandrel::host::EventDirectory& Directory()
{
    using zandrel::host::EventDirectory;
    static const EventDirectory directory = [] {
        EventDirectory d;
        d.events[0] = {{"PressedKey", 0, {22}}, {"LoadFailed", 4, {}}};
        d.events[1] = {{"SetPlayerAndPadID", 0, {22, 22}}, {"SaveSetting", 4, {45}}, {"ResetKey", 7, {}}};
        d.events[2] = {{"getCFControlKey", 5, {1, 1}}, {"getDeviceName", 0, {1}}};
        return d;
    }();
    return directory;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    zandrel::host::Script script;
    zandrel::host::ParseError error;
    if (zandrel::host::ParseScript(text, Directory(), &script, &error)) {
        return 0;
    }
    std::size_t lines = 1;
    for (const char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    if (error.line < 1 || static_cast<std::size_t>(error.line) > lines || error.message.empty() ||
        error.message.find('\n') != std::string::npos) {
        std::abort();
    }
    return 0;
}
