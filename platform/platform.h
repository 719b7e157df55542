// The seam between the extension's logic and the outside world. Two implementations:
// platform_win32.cpp (winmm, XInput 9.1.0, user32, COM/WMI, registry) and
// platform_sim.cpp (the simulated world of sim_world.h). Both only fetch and deliver;
// every decision is made by the shared code that calls them.
#pragma once

#include <cstdint>
#include <cstdio>

namespace zandrel::platform {

// One joyGetPosEx reading (dwSize 52, dwFlags 0x008000FF); every axis 0..65535.
struct JoyReading {
    std::uint32_t xpos;
    std::uint32_t ypos;
    std::uint32_t buttons;
    std::uint32_t pov;
    std::uint32_t zpos;
    std::uint32_t rpos;
    std::uint32_t upos;
    std::uint32_t vpos;
};

// wMid / wPid of joyGetDevCapsW.
struct JoyIds {
    std::uint16_t vendor;
    std::uint16_t product;
};

// One XInputGetState reading: the triggers and the button word (wButtons).
struct XInputTriggers {
    std::uint8_t left;
    std::uint8_t right;
    std::uint16_t buttons;
};

constexpr std::uint32_t kKeyDown = 1;  // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t kKeyUp = 3;    // KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP

// Results are the platform's own: 0 = success.
std::uint32_t ReadJoystick(std::uint32_t id, JoyReading* out);
std::uint32_t ReadJoystickIds(std::uint32_t id, JoyIds* out);
void JoystickConfigChanged();
std::uint32_t ReadXInputTriggers(std::uint32_t userIndex, XInputTriggers* out);
void SetXInputVibration(std::uint32_t userIndex, std::uint16_t left, std::uint16_t right);

void SendKey(std::uint8_t key, std::uint32_t flags);
// True when the foreground window belongs to this process (none in front: false).
bool GameInFront();
// Non-zero = success, as GetKeyboardState answers.
int ReadKeyboard(std::uint8_t state[256]);

// Walks the device inventory and hands every Plug-and-Play device id to `sink`, in
// the inventory's order, releasing whatever it acquired before it returns.
using DeviceIdSink = void (*)(void* context, const char16_t* deviceId);
void EnumerateDeviceIds(DeviceIdSink sink, void* context);

// Value "OEMName" of the current user's registry key `keyPath`: up to `*size` bytes
// into `data`; `*type` gets the value's type and `*size` the bytes it holds.
// 0 = success; otherwise the registry's error (2 = missing, 234 = more data).
std::uint32_t ReadJoystickName(const char16_t* keyPath, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size);

// Settings files by UTF-16 name, mode "wb" or "rb"; null when the file cannot be opened.
std::FILE* OpenSettingsFile(const char16_t* name, const char* mode);
// Puts `from` in the place of `to`, replacing it; false when that fails.
bool ReplaceSettingsFile(const char16_t* from, const char16_t* to);
void RemoveSettingsFile(const char16_t* name);

}  // namespace zandrel::platform
