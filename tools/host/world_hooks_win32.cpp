// C-style COM declarations: the simulated inventory objects fill only the vtable
// entries a scan uses.
#define CINTERFACE
#define COBJMACROS
#include "tools/host/world_hooks_win32.h"

#include <mmsystem.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <xinput.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/sim_world.h"
#include "tools/host/import_table_win32.h"
#include "tools/host/text.h"

namespace zandrel::host {

namespace {

// Every simulated inventory object alive now.
LONG liveInventoryObjects = 0;
// Complaints about how a scan called the inventory, reported with the leaks.
std::vector<std::string> inventoryComplaints;

void Complain(const std::string& line)
{
    inventoryComplaints.push_back("! " + line);
}

bool SameText(const wchar_t* text, const wchar_t* expected)
{
    return text != nullptr && std::wcscmp(text, expected) == 0;
}

// ---- the simulated inventory: locator -> services -> enumerator -> devices ----

template <typename Interface>
struct InventoryObject {
    Interface iface;  // first: the interface pointer is the object pointer
    LONG references;
};

// Kept until the next library is loaded, so that a release too many is seen
// rather than touching freed memory.
std::vector<std::unique_ptr<void, void (*)(void*)>> inventoryObjects;

template <typename Object>
void DeleteObject(void* object)
{
    delete static_cast<Object*>(object);
}

template <typename Object>
Object* NewObject()
{
    Object* object = new Object();
    object->references = 1;
    ++liveInventoryObjects;
    inventoryObjects.emplace_back(object, &DeleteObject<Object>);
    return object;
}

template <typename Object>
ULONG ReleaseObject(Object* object)
{
    const LONG left = --object->references;
    if (left == 0) {
        --liveInventoryObjects;
    } else if (left < 0) {
        Complain("an inventory object was released once too often");
    }
    return static_cast<ULONG>(left < 0 ? 0 : left);
}

// IUnknown of every simulated inventory object.
template <typename Object, typename Interface, const IID& kOwnIid>
HRESULT STDMETHODCALLTYPE Query(Interface* self, REFIID iid, void** out)
{
    if (out == nullptr) {
        return E_POINTER;
    }
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, kOwnIid)) {
        ++reinterpret_cast<Object*>(self)->references;
        *out = self;
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

template <typename Object, typename Interface>
ULONG STDMETHODCALLTYPE AddRef(Interface* self)
{
    return static_cast<ULONG>(++reinterpret_cast<Object*>(self)->references);
}

template <typename Object, typename Interface>
ULONG STDMETHODCALLTYPE Release(Interface* self)
{
    return ReleaseObject(reinterpret_cast<Object*>(self));
}

template <typename Object, typename Vtbl, const IID& kOwnIid>
void FillUnknown(Vtbl* vtbl)
{
    using Interface = decltype(Object::iface);
    vtbl->QueryInterface = &Query<Object, Interface, kOwnIid>;
    vtbl->AddRef = &AddRef<Object, Interface>;
    vtbl->Release = &Release<Object, Interface>;
}

struct Device : InventoryObject<IWbemClassObject> {
    std::u16string id;
};
struct DeviceEnum : InventoryObject<IEnumWbemClassObject> {
    std::vector<std::u16string> ids;
    std::size_t next;
};
struct Services : InventoryObject<IWbemServices> {};
struct Locator : InventoryObject<IWbemLocator> {};

IWbemClassObjectVtbl deviceVtbl;
IEnumWbemClassObjectVtbl enumVtbl;
IWbemServicesVtbl servicesVtbl;
IWbemLocatorVtbl locatorVtbl;

HRESULT STDMETHODCALLTYPE DeviceGet(IWbemClassObject* self, LPCWSTR name, LONG flags, VARIANT* value, CIMTYPE*, LONG*)
{
    if (!SameText(name, L"DeviceID") || flags != 0 || value == nullptr) {
        Complain("IWbemClassObject::Get asked for something else than DeviceID");
        return WBEM_E_NOT_FOUND;
    }
    const std::u16string& id = reinterpret_cast<Device*>(self)->id;
    V_VT(value) = VT_BSTR;
    V_BSTR(value) = SysAllocString(reinterpret_cast<const OLECHAR*>(id.c_str()));
    return WBEM_S_NO_ERROR;
}

// Hands out up to `count` devices; fewer than asked is S_FALSE, as WMI answers.
HRESULT STDMETHODCALLTYPE EnumNext(IEnumWbemClassObject* self, LONG timeout, ULONG count, IWbemClassObject** objects,
                                   ULONG* returned)
{
    DeviceEnum* devices = reinterpret_cast<DeviceEnum*>(self);
    if (objects == nullptr || returned == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    if (timeout != 100 || count != 20) {
        Complain("IEnumWbemClassObject::Next called with time-out " + std::to_string(timeout) + " and count " +
                 std::to_string(count));
    }
    ULONG given = 0;
    while (given < count && devices->next < devices->ids.size()) {
        Device* device = NewObject<Device>();
        device->iface.lpVtbl = &deviceVtbl;
        device->id = devices->ids[devices->next++];
        objects[given++] = &device->iface;
    }
    *returned = given;
    return given == count ? WBEM_S_NO_ERROR : WBEM_S_FALSE;
}

HRESULT STDMETHODCALLTYPE ServicesCreateInstanceEnum(IWbemServices*, const BSTR className, LONG flags,
                                                     IWbemContext* context, IEnumWbemClassObject** out)
{
    if (out == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    if (!SameText(className, L"Win32_PNPEntity") || flags != 0 || context != nullptr) {
        Complain("IWbemServices::CreateInstanceEnum asked for another class or with flags");
    }
    DeviceEnum* devices = NewObject<DeviceEnum>();
    devices->iface.lpVtbl = &enumVtbl;
    devices->ids = sim::TheWorld().devices;
    *out = &devices->iface;
    return WBEM_S_NO_ERROR;
}

// The inventory connection: fails while the world says so.
HRESULT STDMETHODCALLTYPE LocatorConnectServer(IWbemLocator*, const BSTR resource, const BSTR user, const BSTR password,
                                               const BSTR locale, LONG securityFlags, const BSTR authority,
                                               IWbemContext* context, IWbemServices** out)
{
    if (out == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    *out = nullptr;
    if (!SameText(resource, L"\\\\.\\root\\cimv2") || user != nullptr || password != nullptr || locale != nullptr ||
        securityFlags != 0 || authority != nullptr || context != nullptr) {
        Complain("IWbemLocator::ConnectServer called with other arguments than the namespace");
    }
    if (sim::TheWorld().devicesFail) {
        return WBEM_E_ACCESS_DENIED;
    }
    Services* services = NewObject<Services>();
    services->iface.lpVtbl = &servicesVtbl;
    *out = &services->iface;
    return WBEM_S_NO_ERROR;
}

void FillVtables()
{
    FillUnknown<Device, IWbemClassObjectVtbl, IID_IWbemClassObject>(&deviceVtbl);
    deviceVtbl.Get = &DeviceGet;
    FillUnknown<DeviceEnum, IEnumWbemClassObjectVtbl, IID_IEnumWbemClassObject>(&enumVtbl);
    enumVtbl.Next = &EnumNext;
    FillUnknown<Services, IWbemServicesVtbl, IID_IWbemServices>(&servicesVtbl);
    servicesVtbl.CreateInstanceEnum = &ServicesCreateInstanceEnum;
    FillUnknown<Locator, IWbemLocatorVtbl, IID_IWbemLocator>(&locatorVtbl);
    locatorVtbl.ConnectServer = &LocatorConnectServer;
}

bool IsInventoryServices(IUnknown* proxy)
{
    return proxy != nullptr && reinterpret_cast<IWbemServices*>(proxy)->lpVtbl == &servicesVtbl;
}

// ---- the replacements of the library's imports ----

MMRESULT WINAPI HostJoyGetPosEx(UINT id, LPJOYINFOEX info)
{
    if (info == nullptr || info->dwSize != sizeof(JOYINFOEX)) {
        return MMSYSERR_INVALPARAM;
    }
    platform::JoyReading reading{};
    const std::uint32_t result = platform::ReadJoystick(id, &reading);
    if (result == 0) {
        info->dwXpos = reading.xpos;
        info->dwYpos = reading.ypos;
        info->dwButtons = reading.buttons;
        info->dwPOV = reading.pov;
        info->dwZpos = reading.zpos;
        info->dwRpos = reading.rpos;
        info->dwUpos = reading.upos;
        info->dwVpos = reading.vpos;
    }
    return result;
}

MMRESULT WINAPI HostJoyGetDevCapsW(UINT_PTR id, LPJOYCAPSW caps, UINT size)
{
    if (caps == nullptr || size != sizeof(JOYCAPSW)) {
        return MMSYSERR_INVALPARAM;
    }
    platform::JoyIds ids{};
    const std::uint32_t result = platform::ReadJoystickIds(static_cast<std::uint32_t>(id), &ids);
    if (result == 0) {
        std::memset(caps, 0, sizeof *caps);
        caps->wMid = ids.vendor;
        caps->wPid = ids.product;
    }
    return result;
}

MMRESULT WINAPI HostJoyConfigChanged(DWORD)
{
    platform::JoystickConfigChanged();
    return JOYERR_NOERROR;
}

DWORD WINAPI HostXInputGetState(DWORD index, XINPUT_STATE* state)
{
    if (state == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    platform::XInputTriggers triggers{};
    const std::uint32_t result = platform::ReadXInputTriggers(index, &triggers);
    if (result == 0) {
        std::memset(state, 0, sizeof *state);
        state->Gamepad.bLeftTrigger = triggers.left;
        state->Gamepad.bRightTrigger = triggers.right;
        state->Gamepad.wButtons = triggers.buttons;
    }
    return result;
}

DWORD WINAPI HostXInputSetState(DWORD index, XINPUT_VIBRATION* vibration)
{
    if (vibration == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    platform::SetXInputVibration(index, vibration->wLeftMotorSpeed, vibration->wRightMotorSpeed);
    return ERROR_SUCCESS;
}

void WINAPI HostKeybdEvent(BYTE key, BYTE, DWORD flags, ULONG_PTR)
{
    platform::SendKey(key, flags);
}

// The foreground as the world holds it: a window of the host's own process, or
// one of another process. Only these two windows come from GetForegroundWindow.
const HWND kGameWindow = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x5A10));
const HWND kOtherWindow = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x5A20));
constexpr DWORD kWindowThread = 1;

HWND WINAPI HostGetForegroundWindow()
{
    return platform::GameInFront() ? kGameWindow : kOtherWindow;
}

DWORD WINAPI HostGetWindowThreadProcessId(HWND window, LPDWORD process)
{
    if (window != kGameWindow && window != kOtherWindow) {
        return GetWindowThreadProcessId(window, process);
    }
    if (process != nullptr) {
        *process = window == kGameWindow ? GetCurrentProcessId() : ~GetCurrentProcessId();
    }
    return kWindowThread;
}

BOOL WINAPI HostGetKeyboardState(PBYTE state)
{
    return state != nullptr && platform::ReadKeyboard(state) != 0;
}

// The request for the inventory locator starts a scan.
HRESULT WINAPI HostCoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* out)
{
    if (!IsEqualGUID(clsid, CLSID_WbemLocator)) {
        return CoCreateInstance(clsid, outer, context, iid, out);
    }
    sim::TheWorld().Record(sim::EffectKind::RescanStarted, 0);
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (outer != nullptr || context != CLSCTX_INPROC_SERVER) {
        Complain("CoCreateInstance of the locator with an outer object or another context");
    }
    Locator* locator = NewObject<Locator>();
    locator->iface.lpVtbl = &locatorVtbl;
    const HRESULT result = Query<Locator, IWbemLocator, IID_IWbemLocator>(&locator->iface, iid, out);
    ReleaseObject(locator);
    return result;
}

HRESULT WINAPI HostCoSetProxyBlanket(IUnknown* proxy, DWORD authn, DWORD authz, OLECHAR* principal, DWORD level,
                                     DWORD impersonation, RPC_AUTH_IDENTITY_HANDLE identity, DWORD capabilities)
{
    if (!IsInventoryServices(proxy)) {
        return CoSetProxyBlanket(proxy, authn, authz, principal, level, impersonation, identity, capabilities);
    }
    if (authn != RPC_C_AUTHN_WINNT || authz != RPC_C_AUTHZ_NONE || principal != nullptr ||
        level != RPC_C_AUTHN_LEVEL_CALL || impersonation != RPC_C_IMP_LEVEL_IMPERSONATE || identity != nullptr ||
        capabilities != EOAC_NONE) {
        Complain("CoSetProxyBlanket called with other arguments");
    }
    return S_OK;
}

struct Replacement {
    const char* name;
    void* function;
    RealWorld group;
};

const Replacement kReplacements[] = {
    {"joyGetPosEx", reinterpret_cast<void*>(&HostJoyGetPosEx), kRealPads},
    {"joyGetDevCapsW", reinterpret_cast<void*>(&HostJoyGetDevCapsW), kRealPads},
    {"joyConfigChanged", reinterpret_cast<void*>(&HostJoyConfigChanged), kRealPads},
    {"XInputGetState", reinterpret_cast<void*>(&HostXInputGetState), kRealPads},
    {"XInputSetState", reinterpret_cast<void*>(&HostXInputSetState), kRealPads},
    {"keybd_event", reinterpret_cast<void*>(&HostKeybdEvent), kRealKeyStrokes},
    // The window that receives real strokes is the real foreground's.
    {"GetForegroundWindow", reinterpret_cast<void*>(&HostGetForegroundWindow), kRealKeyStrokes},
    {"GetWindowThreadProcessId", reinterpret_cast<void*>(&HostGetWindowThreadProcessId), kRealKeyStrokes},
    {"GetKeyboardState", reinterpret_cast<void*>(&HostGetKeyboardState), kRealKeyboardState},
    {"CoCreateInstance", reinterpret_cast<void*>(&HostCoCreateInstance), kRealInventory},
    {"CoSetProxyBlanket", reinterpret_cast<void*>(&HostCoSetProxyBlanket), kRealInventory},
};

}  // namespace

bool HookWorldImports(HMODULE library, unsigned real, std::string* error)
{
    FillVtables();
    // A fresh library: whatever an earlier one leaked was reported with it.
    liveInventoryObjects = 0;
    inventoryComplaints.clear();
    inventoryObjects.clear();
    constexpr std::size_t kCount = sizeof kReplacements / sizeof kReplacements[0];
    ImportPatch patches[kCount];
    for (std::size_t r = 0; r < kCount; ++r) {
        const bool system = (real & kReplacements[r].group) != 0;
        patches[r] = ImportPatch{kReplacements[r].name, system ? nullptr : kReplacements[r].function, false};
    }
    const char* failed = nullptr;
    switch (PatchImports(library, patches, kCount, &failed)) {
        case PatchResult::kPatched:
            return true;
        case PatchResult::kNoImportTable:
            *error = "the library has no import table";
            break;
        case PatchResult::kNotWritten:
            *error = std::string("cannot rewrite the import of ") + failed;
            break;
        case PatchResult::kNotImported:
            *error = std::string("the library does not import ") + failed;
            break;
    }
    return false;
}

void ReportInventoryLeaks(std::vector<std::string>* output)
{
    for (std::string& complaint : inventoryComplaints) {
        output->push_back(std::move(complaint));
    }
    inventoryComplaints.clear();
    if (liveInventoryObjects != 0) {
        output->push_back("! " + std::to_string(liveInventoryObjects) + " inventory objects still referenced");
    }
}

}  // namespace zandrel::host
