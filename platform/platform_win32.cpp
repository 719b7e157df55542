// The platform seam over the real Windows services.
#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <xinput.h>

#include <cstdio>

#include "platform/platform.h"

// Exported by winmm but left out of the mingw headers.
extern "C" MMRESULT WINAPI joyConfigChanged(DWORD flags);

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide characters");
static_assert(sizeof(JOYINFOEX) == 52, "JOYINFOEX size");
static_assert(sizeof(JOYCAPSW) == 728, "JOYCAPSW size");
static_assert(KEY_READ == 0x20019, "KEY_READ");

namespace zandrel::platform {

namespace {

constexpr DWORD kJoyReadFlags = 0x008000FF;  // JOY_RETURNALL | JOY_CAL_READ6
constexpr ULONG kScanBatch = 20;
constexpr LONG kScanBatchTimeoutMs = 100;

const char16_t* Utf16(const wchar_t* text)
{
    return reinterpret_cast<const char16_t*>(text);
}

const wchar_t* Wide(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

// An open registry key, closed when the owner goes.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey()
    {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// Owners that release what one scan acquired. Declared in the reverse of the
// order in which the scan's clean-up releases them.
class ComInit {
public:
    ComInit() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComInit()
    {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

private:
    bool initialised_;
};

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    void Reset()
    {
        if (p_ != nullptr) {
            p_->Release();
            p_ = nullptr;
        }
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }

private:
    T* p_ = nullptr;
};

class BStr {
public:
    BStr() = default;
    ~BStr()
    {
        if (s_ != nullptr) {
            SysFreeString(s_);
        }
    }
    BStr(const BStr&) = delete;
    BStr& operator=(const BStr&) = delete;
    bool Allocate(const wchar_t* text)
    {
        s_ = SysAllocString(text);
        return s_ != nullptr;
    }
    BSTR Get() const { return s_; }

private:
    BSTR s_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Get() { return &v_; }

private:
    VARIANT v_;
};

// The enumeration's 20 object slots; whatever is still held is released.
class ObjectSlots {
public:
    ObjectSlots() = default;
    ~ObjectSlots() { ReleaseAll(); }
    ObjectSlots(const ObjectSlots&) = delete;
    ObjectSlots& operator=(const ObjectSlots&) = delete;
    void ReleaseAll()
    {
        for (IWbemClassObject*& slot : slots_) {
            Release(slot);
        }
    }
    static void Release(IWbemClassObject*& slot)
    {
        if (slot != nullptr) {
            slot->Release();
            slot = nullptr;
        }
    }
    IWbemClassObject** Array() { return slots_; }

private:
    IWbemClassObject* slots_[kScanBatch] = {};
};

void HandDeviceId(IWbemClassObject* device, BSTR property, Variant& value, DeviceIdSink sink, void* context)
{
    const HRESULT got = device->Get(property, 0, value.Get(), nullptr, nullptr);
    if (SUCCEEDED(got) && V_VT(value.Get()) == VT_BSTR && V_BSTR(value.Get()) != nullptr) {
        sink(context, Utf16(V_BSTR(value.Get())));
    }
    VariantClear(value.Get());
}

}  // namespace

std::uint32_t ReadJoystick(std::uint32_t id, JoyReading* out)
{
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = kJoyReadFlags;
    const MMRESULT result = joyGetPosEx(id, &info);
    if (result == JOYERR_NOERROR) {
        *out = JoyReading{info.dwXpos, info.dwYpos, info.dwButtons, info.dwPOV,
                          info.dwZpos, info.dwRpos, info.dwUpos,    info.dwVpos};
    }
    return result;
}

std::uint32_t ReadJoystickIds(std::uint32_t id, JoyIds* out)
{
    JOYCAPSW caps{};
    const MMRESULT result = joyGetDevCapsW(id, &caps, sizeof caps);
    if (result == JOYERR_NOERROR) {
        *out = JoyIds{caps.wMid, caps.wPid};
    }
    return result;
}

void JoystickConfigChanged()
{
    joyConfigChanged(0);
}

bool GameInFront()
{
    HWND window = GetForegroundWindow();
    if (window == nullptr) {
        return false;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

std::uint32_t ReadXInputTriggers(std::uint32_t userIndex, XInputTriggers* out)
{
    XINPUT_STATE state{};
    const DWORD result = XInputGetState(userIndex, &state);
    if (result == ERROR_SUCCESS) {
        *out = XInputTriggers{state.Gamepad.bLeftTrigger, state.Gamepad.bRightTrigger, state.Gamepad.wButtons};
    }
    return result;
}

void SetXInputVibration(std::uint32_t userIndex, std::uint16_t left, std::uint16_t right)
{
    XINPUT_VIBRATION vibration{left, right};
    XInputSetState(userIndex, &vibration);
}

void SendKey(std::uint8_t key, std::uint32_t flags)
{
    keybd_event(key, 0, flags, 0);
}

int ReadKeyboard(std::uint8_t state[256])
{
    return GetKeyboardState(state);
}

void EnumerateDeviceIds(DeviceIdSink sink, void* context)
{
    // Released in reverse: variant, the three strings (namespace, property, class),
    // the slots, enumerator, locator, services, and COM last.
    ComInit com;
    ComPtr<IWbemServices> services;
    ComPtr<IWbemLocator> locator;
    ComPtr<IEnumWbemClassObject> devices;
    ObjectSlots slots;
    BStr className;
    BStr propertyName;
    BStr namespaceName;
    Variant value;

    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void**>(locator.Out()))) ||
        locator.Get() == nullptr) {
        return;
    }
    if (!namespaceName.Allocate(L"\\\\.\\root\\cimv2") || !className.Allocate(L"Win32_PNPEntity") ||
        !propertyName.Allocate(L"DeviceID")) {
        return;
    }
    if (FAILED(locator->ConnectServer(namespaceName.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                      services.Out())) ||
        services.Get() == nullptr) {
        return;
    }
    if (FAILED(CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                                 RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE))) {
        return;
    }
    if (FAILED(services->CreateInstanceEnum(className.Get(), 0, nullptr, devices.Out())) || devices.Get() == nullptr) {
        return;
    }
    for (;;) {
        slots.ReleaseAll();
        ULONG returned = 0;
        const HRESULT next = devices->Next(kScanBatchTimeoutMs, kScanBatch, slots.Array(), &returned);
        if (FAILED(next) || returned == 0) {
            return;
        }
        for (ULONG i = 0; i < returned && i < kScanBatch; ++i) {
            IWbemClassObject*& slot = slots.Array()[i];
            if (slot == nullptr) {
                continue;
            }
            HandDeviceId(slot, propertyName.Get(), value, sink, context);
            ObjectSlots::Release(slot);
        }
    }
}

std::uint32_t ReadJoystickName(const char16_t* keyPath, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size)
{
    RegistryKey key;
    const LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(keyPath), 0, KEY_READ, key.Out());
    if (opened != ERROR_SUCCESS) {
        return static_cast<std::uint32_t>(opened);
    }
    DWORD valueType = 0;
    DWORD bytes = *size;
    const LONG queried = RegQueryValueExW(key.Get(), L"OEMName", nullptr, &valueType, data, &bytes);
    *type = valueType;
    *size = bytes;
    return static_cast<std::uint32_t>(queried);
}

std::FILE* OpenSettingsFile(const char16_t* name, const char* mode)
{
    if (name == nullptr || name[0] == 0) {
        return nullptr;
    }
    const bool write = mode[0] == 'w';
    return _wfopen(Wide(name), write ? L"wb" : L"rb");
}

bool ReplaceSettingsFile(const char16_t* from, const char16_t* to)
{
    return MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING) != 0;
}

void RemoveSettingsFile(const char16_t* name)
{
    DeleteFileW(Wide(name));
}

}  // namespace zandrel::platform
