// The simulated outside world behind the native platform layer: joysticks, XInput
// pads, the keyboard and the device inventory. Tests and the reference host set it
// up; it records every effect the extension has on it, in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zandrel::sim {

struct Joystick {
    bool present = false;  // reads and capability queries succeed
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    std::uint32_t x = 32767;
    std::uint32_t y = 32767;
    std::uint32_t pov = 65535;
    std::uint32_t buttons = 0;
    std::uint32_t z = 32767;
    std::uint32_t r = 32767;
    std::uint32_t u = 32767;
    std::uint32_t v = 32767;
    bool capsFail = false;  // reads succeed but the capability query fails
};

struct XInputPad {
    bool answers = false;  // XInputGetState succeeds (while no joystick is tied to it)
    std::uint8_t leftTrigger = 0;
    std::uint8_t rightTrigger = 0;
    // The joystick whose XInput face this index is, or -1: it then answers that
    // joystick's buttons 1..10 and fails while it is unplugged.
    std::int8_t faceOf = -1;
};

// XInput button word bits of joystick buttons 1..10 (A, B, X, Y, LB, RB, Back, Start, LS, RS).
inline std::uint16_t XInputButtonWord(std::uint32_t joystickButtons)
{
    static constexpr std::uint16_t kBits[10] = {0x1000, 0x2000, 0x4000, 0x8000, 0x0100,
                                                0x0200, 0x0020, 0x0010, 0x0040, 0x0080};
    std::uint16_t word = 0;
    for (std::uint32_t rest = joystickButtons & 0x3FFu; rest != 0; rest &= rest - 1) {
        word = static_cast<std::uint16_t>(word | kBits[__builtin_ctz(rest)]);
    }
    return word;
}

enum class EffectKind : std::uint8_t { KeyStroke, Vibration, JoyConfigChanged, RescanStarted };

// KeyStroke: a = key, b = flags. Vibration: a = user index, b = left, c = right.
struct Effect {
    EffectKind kind;
    std::uint32_t a;
    std::uint32_t b;
    std::uint32_t c;

    bool operator==(const Effect& other) const
    {
        return kind == other.kind && a == other.a && b == other.b && c == other.c;
    }
};

// One registry value as stored: its type and raw bytes (no terminator added).
struct RegistryValue {
    std::uint32_t type = 1;  // REG_SZ
    std::vector<std::uint8_t> data;
};

using EffectListener = void (*)(void* context, const Effect& effect);

// Told of every joystick and XInput read with the world's answer (0 = success), as
// the pad checker's recorder is told of the real reads on Windows.
struct ReadObserver {
    void* context;
    void (*joystick)(void* context, std::uint32_t id, std::uint32_t result, const platform::JoyReading& reading);
    void (*joystickIds)(void* context, std::uint32_t id, std::uint32_t result, const platform::JoyIds& ids);
    void (*xinput)(void* context, std::uint32_t index, std::uint32_t result, const platform::XInputTriggers& triggers);
};

// Wine answers 165 (JOYERR_PARMS) for a pad that went away; the extension only asks for non-zero.
constexpr std::uint32_t kJoyUnplugged = 167;                // JOYERR_UNPLUGGED
constexpr std::uint32_t kXInputNotConnected = 1167;         // ERROR_DEVICE_NOT_CONNECTED
constexpr std::uint32_t kJoyRegistryKeyQuery = 0xFFFFFFFF;  // joystick id -1

class World {
public:
    static constexpr int kJoysticks = 16;
    static constexpr int kXInputPads = 4;
    static constexpr std::size_t kLogCapacity = 4096;

    Joystick joysticks[kJoysticks];
    XInputPad xinput[kXInputPads];
    bool keyboardFails = false;
    bool gameInFront = true;              // a window of the game's own process is in front
    std::vector<std::u16string> devices;  // Plug-and-Play device ids, in inventory order
    bool devicesFail = false;
    // Value "OEMName" of the current user's keys, by key path.
    std::map<std::u16string, RegistryValue> joystickNames;

    // The name of the joystick with these ids, stored as a terminated string.
    void SetJoystickName(std::uint16_t vid, std::uint16_t pid, const std::u16string& name);

    // Null, or who is told of every read.
    const ReadObserver* readObserver = nullptr;

    // Back to a fresh world: no joysticks, every XInput index failing, empty
    // inventory, no key down, empty log, no listener or observer.
    void Reset();

    // One state per key; physical and synthesized strokes both set it.
    void SetKey(std::uint8_t key, bool down) { keys_[key] = down ? 0x80 : 0; }
    bool KeyDown(std::uint8_t key) const { return keys_[key] != 0; }
    // GetKeyboardState view: 0x80 for a key that is down, the generic Shift, Ctrl
    // and Alt codes also set while either side is down.
    void Snapshot(std::uint8_t state[256]) const;

    // Inline and field by field: an effect built on the stack and copied whole is read
    // back wider than it was written, a stall that would dominate a frame.
    void Record(EffectKind kind, std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0)
    {
        if (logSize_ < kLogCapacity) {
            Effect& entry = log_[logSize_];
            entry.kind = kind;
            entry.a = a;
            entry.b = b;
            entry.c = c;
        }
        ++logSize_;
        if (listener_ != nullptr) {
            Tell(kind, a, b, c);
        }
    }
    // Effects since the last ClearLog, at most kLogCapacity (the rest are counted only).
    const Effect* Log() const { return log_; }
    std::size_t LogSize() const { return logSize_ < kLogCapacity ? logSize_ : kLogCapacity; }
    std::size_t LogTotal() const { return logSize_; }
    std::vector<Effect> TakeLog();
    void ClearLog() { logSize_ = 0; }
    void SetListener(EffectListener listener, void* context);

private:
    // The listener's part of Record, out of line so a frame's strokes stay lean.
    void Tell(EffectKind kind, std::uint32_t a, std::uint32_t b, std::uint32_t c);

    std::uint8_t keys_[256] = {};  // GetKeyboardState form: 0x80 = down
    Effect log_[kLogCapacity] = {};
    std::size_t logSize_ = 0;
    EffectListener listener_ = nullptr;
    void* listenerContext_ = nullptr;
};

// The one world, a plain global: a frame asks for it several times and should pay
// no guard of a function's static for it.
extern World theWorld;

inline World& TheWorld()
{
    return theWorld;
}

}  // namespace zandrel::sim
