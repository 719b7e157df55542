// Checks the Windows host's simulated device inventory: the scan of the platform
// layer, pointed at it through this program's own imports, finds the simulated
// devices and releases everything; leaks and releases too many are reported.
#define CINTERFACE
#include <windows.h>
#include <objbase.h>
#include <wbemidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim_world.h"
#include "tools/host/world_hooks_win32.h"

namespace {

int failures = 0;

void Expect(bool ok, const char* what, const std::string& detail = "")
{
    std::printf("%s: %s%s%s\n", ok ? "ok" : "FAILED", what, detail.empty() ? "" : " -- ", detail.c_str());
    failures += ok ? 0 : 1;
}

std::vector<std::string> Report()
{
    std::vector<std::string> lines;
    zandrel::host::ReportInventoryLeaks(&lines);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += "[" + line + "]";
    }
    return text;
}

void Collect(void* context, const char16_t* id)
{
    static_cast<std::vector<std::u16string>*>(context)->push_back(id);
}

}  // namespace

int main()
{
    std::string error;
    Expect(zandrel::host::HookWorldImports(GetModuleHandleW(nullptr), false, &error), "imports rewritten", error);
    zandrel::sim::World& world = zandrel::sim::TheWorld();
    world.Reset();
    for (int i = 0; i < 23; ++i) {  // more than one batch of 20
        world.devices.push_back(u"USB\\VID_045E&PID_028E&IG_0" +
                                std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    }

    std::vector<std::u16string> ids;
    zandrel::platform::EnumerateDeviceIds(&Collect, &ids);
    Expect(ids.size() == 23 && ids == world.devices, "a scan lists every simulated device, in order",
           std::to_string(ids.size()) + " ids");
    Expect(world.LogSize() == 1 && world.Log()[0].kind == zandrel::sim::EffectKind::RescanStarted,
           "the locator request starts a scan");
    std::vector<std::string> lines = Report();
    Expect(lines.empty(), "a scan releases everything it acquired", Joined(lines));

    world.devicesFail = true;
    ids.clear();
    zandrel::platform::EnumerateDeviceIds(&Collect, &ids);
    lines = Report();
    Expect(ids.empty() && lines.empty(), "a failed connection lists nothing and leaks nothing", Joined(lines));
    world.devicesFail = false;

    // A caller that keeps its services is caught.
    IWbemLocator* locator = nullptr;
    CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                     reinterpret_cast<void**>(&locator));
    IWbemServices* services = nullptr;
    BSTR ns = SysAllocString(L"\\\\.\\root\\cimv2");
    const HRESULT connected =
        locator == nullptr
            ? E_FAIL
            : locator->lpVtbl->ConnectServer(locator, ns, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services);
    SysFreeString(ns);
    Expect(SUCCEEDED(connected) && services != nullptr, "the simulated locator connects");
    if (locator != nullptr) {
        locator->lpVtbl->Release(locator);
    }
    lines = Report();
    Expect(lines.size() == 1 && lines[0] == "! 1 inventory objects still referenced", "a kept reference is reported",
           Joined(lines));
    if (services != nullptr) {
        services->lpVtbl->Release(services);
        lines = Report();
        Expect(lines.empty(), "released, nothing is reported", Joined(lines));
        services->lpVtbl->Release(services);
        lines = Report();
        Expect(lines.size() == 1 && lines[0] == "! an inventory object was released once too often",
               "a release too many is reported", Joined(lines));
    }

    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
