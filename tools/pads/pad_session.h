// The pad checker's core, the same in both builds: a host for one object of the
// extension, bound to one pad with the default keys, and a recorder that writes what
// the pad did and what the extension answered as a host script. It uses no library
// classes, so the Windows pad checker stays small; the world reports to it through
// the On... calls (the Windows program's import hooks, or the simulated world).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "exports/run_info.h"
#include "host/exports.h"
#include "platform/platform.h"
#include "platform/sim_world.h"
#include "runtime/run_object.h"

namespace zandrel::pads {

struct ExtensionCalls {
    decltype(&::GetRunObjectInfos) GetRunObjectInfos;
    decltype(&::GetRunObjectDataSize) GetRunObjectDataSize;
    decltype(&::CreateRunObject) CreateRunObject;
    decltype(&::DestroyRunObject) DestroyRunObject;
    decltype(&::HandleRunObject) HandleRunObject;
};

// The key each button slot sends: slots 0..7 are player 0's control keys, so the
// object takes them when it is created; 8..15 are set with SetVantor.
struct SlotKey {
    std::uint8_t code;
    const char* name;
};
extern const SlotKey kSlotKeys[kPadBits];
constexpr int kControlSlots = 8;
constexpr int kJoystickIds = 16;

// Text that grows; a failed allocation is remembered, not thrown.
class Text {
public:
    Text() = default;
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    void Append(const char* text);
    void Line(const char* format, ...);
    const char* data() const { return data_ == nullptr ? "" : data_; }
    std::size_t size() const { return size_; }
    bool failed() const { return failed_; }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t room_ = 0;
    bool failed_ = false;
};

// Turns the session into a host script: before each command the world lines that make
// the simulated world answer the extension's reads as the real one did, then the
// command, then "=>" lines with the effects. Frames with nothing to show are counted
// into one "frame N".
class ScriptRecorder {
public:
    ScriptRecorder();
    void JoystickRead(std::uint32_t id, std::uint32_t result, const platform::JoyReading& reading);
    void JoystickIds(std::uint32_t id, std::uint32_t result, const platform::JoyIds& ids);
    void XInputRead(std::uint32_t index, std::uint32_t result, const platform::XInputTriggers& triggers);
    void Effect(const sim::Effect& effect);
    void Command(const char* line);
    void Frame(const RunObject& object);
    // The script: the comment lines of `header`, the device inventory, the commands.
    // False when it could not be written whole.
    bool Write(const char* header, std::FILE* out);

private:
    // A joystick or an XInput pad as the script's world holds it.
    struct Device {
        bool present;
        std::uint32_t fields[10];  // joystick: vid pid x y z r u v pov buttons; XInput: lt rt

        bool operator==(const Device& other) const
        {
            for (int i = 0; i < 10; ++i) {
                if (fields[i] != other.fields[i]) {
                    return false;
                }
            }
            return present == other.present;
        }
    };
    struct DeviceKind {
        const char* command;  // the world command that plugs it in and sets fields
        const char* absent;   // the line when it stops answering
        int fieldCount;
        const char* const* fieldNames;
        unsigned hexFields;  // bit N: field N written in hexadecimal
    };
    static const DeviceKind kJoystickKind;
    static const DeviceKind kXInputKind;
    static constexpr std::size_t kMaxEffects = 64;

    void EndCommand(const char* line);
    void WorldLines();
    void DeviceLines(const DeviceKind& kind, Device* seen, Device* written, int count);
    void FlushIdleFrames();

    Device written_[kJoystickIds] = {};
    Device seen_[kJoystickIds] = {};
    Device writtenXInput_[sim::World::kXInputPads] = {};
    Device seenXInput_[sim::World::kXInputPads] = {};
    sim::Effect effects_[kMaxEffects] = {};
    std::size_t effectCount_ = 0;
    std::uint32_t idleFrames_ = 0;
    // The XInput lookup the extension made, for the inventory lines.
    bool resolved_ = false;
    std::int32_t position_ = kXInputUnresolved;
    std::uint16_t vid_ = 0;
    std::uint16_t pid_ = 0;
    Text body_;
};

// The game's setup a recording starts from. The settings file's bytes go into the
// recording before its LoadSetting, so the replay needs no file of its own.
struct GameSetup {
    bool standardLayout = false;
    std::int32_t deadZone = -1;              // -1: the object's own
    const char16_t* settingsPath = nullptr;  // the file LoadSetting opens here
    const char* settingsName = nullptr;      // its name in the recording
    const unsigned char* settingsBytes = nullptr;
    std::size_t settingsSize = 0;
};

// One object of the extension, its host services and the world's reports.
class PadSession {
public:
    PadSession(const ExtensionCalls& calls, ScriptRecorder* recorder);
    ~PadSession();
    PadSession(const PadSession&) = delete;
    PadSession& operator=(const PadSession&) = delete;

    // Player 0's control keys, the object, bound to player 0 and joystick `pad`, the
    // keys of slots 8..15, and keys whatever window is in front. False when the object
    // needs more room than is kept.
    bool Open(std::int32_t pad);
    // After Open: the game's setup, in the order a game applies it.
    void Setup(const GameSetup& setup);
    void Frame();
    // getDeviceName 0 of the bound pad.
    const char16_t* DeviceName();
    // getButtonName$ of pad bit `bit`, getPadType, and UseStandardLayout.
    const char16_t* ButtonName(int bit);
    std::int32_t PadType();
    void SetStandardLayout(bool on);
    // Destroys the object (its key releases are this call's effects).
    void Close();

    const RunObject& object() const { return *object_; }
    const sim::Effect* effects() const { return effects_; }
    std::size_t effectCount() const { return effectCount_; }

    // The session the world reports to, or null.
    static PadSession* Current() { return current_; }
    void OnEffect(const sim::Effect& effect);
    void OnJoystickRead(std::uint32_t id, std::uint32_t result, const platform::JoyReading& reading);
    void OnJoystickIds(std::uint32_t id, std::uint32_t result, const platform::JoyIds& ids);
    void OnXInputRead(std::uint32_t index, std::uint32_t result, const platform::XInputTriggers& triggers);

private:
    static constexpr std::size_t kObjectRoom = 4096;
    static constexpr std::size_t kMaxEffects = 64;

    static void ZANDREL_CALL GenerateEvent(RunObject* object, std::int32_t code, std::int32_t param);
    static HostParam ZANDREL_CALL NextActionParameter(RunObject* object, std::int32_t a, std::int32_t b);
    static std::int32_t ZANDREL_CALL FirstExpressionParameter(RunObject* object, std::int32_t a, HostParam handle);
    static std::int32_t ZANDREL_CALL NextExpressionParameter(RunObject* object, std::int32_t a, HostParam handle);
    static char16_t* ZANDREL_CALL StringResultBuffer(RunObject* object, std::int32_t a, std::int32_t room);

    void Begin();
    // An expression of one integer parameter; a text's answer is its pointer, 0 for none.
    HostParam Expression(std::int32_t code, std::int32_t argument);
    // An action of one or two integer parameters.
    void Action(std::int32_t code, const char* name, const std::int32_t* arguments, int count);

    static PadSession* current_;
    const ExtensionCalls& calls_;
    ScriptRecorder* recorder_;
    RunInfo runInfo_{};
    HostServices services_{};
    HostControlKeys controlKeys_ = {};
    alignas(8) unsigned char memory_[kObjectRoom] = {};
    RunObject* object_ = nullptr;
    std::int32_t arguments_[2] = {};
    HostParam textArgument_ = 0;  // a file name, delivered as the first action parameter
    int nextArgument_ = 0;
    sim::Effect effects_[kMaxEffects] = {};
    std::size_t effectCount_ = 0;
    char16_t stringResult_[kStringResultRoom + 1] = {};
};

}  // namespace zandrel::pads
