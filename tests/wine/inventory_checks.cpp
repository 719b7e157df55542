// The Windows host's simulated device inventory, under the platform layer's real
// scan: this program's own COM imports are pointed at it for the group (and given
// back afterwards), so the scan finds the simulated devices and releases
// everything; leaks and releases too many are reported.
#define CINTERFACE
#include <windows.h>
#include <objbase.h>
#include <wbemidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim_world.h"
#include "tests/wine/wine_host.h"
#include "tools/host/world_hooks_win32.h"

namespace {

using zandrel::host::kRealInventory;
using zandrel::host::kRealKeyboardState;
using zandrel::host::kRealKeyStrokes;
using zandrel::host::kRealPads;

// Every problem the simulated inventory reported since the last call, joined.
std::string Report()
{
    std::vector<std::string> lines;
    zandrel::host::ReportInventoryLeaks(&lines);
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

WINE_CHECK_GROUP(SimulatedInventoryUnderTheRealScan)
{
    std::string error;
    const HMODULE self = GetModuleHandleW(nullptr);
    if (!EXPECT_TRUE(zandrel::host::HookWorldImports(self, kRealPads | kRealKeyStrokes | kRealKeyboardState, &error))) {
        std::printf("  %s\n", error.c_str());
        return;
    }
    zandrel::sim::World& world = zandrel::sim::TheWorld();
    world.Reset();
    for (int i = 0; i < 23; ++i) {  // more than one batch of 20
        world.devices.push_back(u"USB\\VID_045E&PID_028E&IG_0" +
                                std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    }

    std::vector<std::u16string> ids;
    zandrel::platform::EnumerateDeviceIds(&Collect, &ids);
    EXPECT_SAME(std::size_t{23}, ids.size());
    EXPECT_TRUE(ids == world.devices);
    // The locator request starts a scan.
    EXPECT_SAME(std::size_t{1}, world.LogSize());
    EXPECT_TRUE(world.LogSize() == 1 && world.Log()[0].kind == zandrel::sim::EffectKind::RescanStarted);
    EXPECT_SAME(std::string(), Report());

    // A failed connection lists nothing and leaks nothing.
    world.devicesFail = true;
    ids.clear();
    zandrel::platform::EnumerateDeviceIds(&Collect, &ids);
    EXPECT_SAME(std::size_t{0}, ids.size());
    EXPECT_SAME(std::string(), Report());
    world.devicesFail = false;

    // A caller that keeps its services is caught, and so is a release too many.
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
    EXPECT_TRUE(SUCCEEDED(connected) && services != nullptr);
    if (locator != nullptr) {
        locator->lpVtbl->Release(locator);
    }
    EXPECT_SAME(std::string("[! 1 inventory objects still referenced]"), Report());
    if (services != nullptr) {
        services->lpVtbl->Release(services);
        EXPECT_SAME(std::string(), Report());
        services->lpVtbl->Release(services);
        EXPECT_SAME(std::string("[! an inventory object was released once too often]"), Report());
    }

    // The system's own inventory again, for the groups after this one.
    EXPECT_TRUE(zandrel::host::HookWorldImports(self, kRealPads | kRealInventory | kRealKeyStrokes | kRealKeyboardState,
                                                &error));
    world.Reset();
}
