#include "tools/pads/pad_session.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "tools/host/effect_text.h"

namespace zandrel::pads {

const SlotKey kSlotKeys[kPadBits] = {
    {0x26, "Up"}, {0x28, "Down"}, {0x25, "Left"}, {0x27, "Right"}, {'Z', "Z"}, {'X', "X"}, {'C', "C"}, {'V', "V"},
    {'A', "A"},   {'S', "S"},     {'D', "D"},     {'Q', "Q"},      {'W', "W"}, {'E', "E"}, {'R', "R"}, {'F', "F"},
};

namespace {

// Codes of the events the session uses: their positions in the catalogue.
constexpr std::int32_t kSetPlayerAndPadID = 0;
constexpr std::int32_t kSetVantor = 3;
constexpr std::int32_t kLoadSetting = 5;
constexpr std::int32_t kSetDeadZone = 11;
constexpr std::int32_t kSetKeysInBackground = 13;
constexpr std::int32_t kUseStandardLayout = 15;
constexpr std::int32_t kGetDeviceName = 0;
constexpr std::int32_t kGetButtonName = 15;
constexpr std::int32_t kGetPadType = 16;

constexpr int kJoystickFields = 10;
const char* const kJoystickFieldNames[kJoystickFields] = {"vid", "pid", "x", "y", "z", "r", "u", "v", "pov", "buttons"};
// A joystick's fields before a script first names it, as the simulated world has them.
constexpr std::uint32_t kJoystickDefaults[kJoystickFields] = {0, 0, 32767, 32767, 32767, 32767, 32767, 32767, 65535, 0};
const char* const kXInputFieldNames[] = {"lt", "rt"};
constexpr std::uint32_t kMostFramesALine = 1000000;

}  // namespace

// ---- Text ----

Text::~Text()
{
    std::free(data_);
}

void Text::Append(const char* text)
{
    const std::size_t length = std::strlen(text);
    if (failed_) {
        return;
    }
    if (size_ + length + 1 > room_) {
        std::size_t room = room_ == 0 ? 4096 : room_;
        while (size_ + length + 1 > room) {
            room *= 2;
        }
        char* grown = static_cast<char*>(std::realloc(data_, room));
        if (grown == nullptr) {
            failed_ = true;
            return;
        }
        data_ = grown;
        room_ = room;
    }
    std::memcpy(data_ + size_, text, length + 1);
    size_ += length;
}

void Text::Line(const char* format, ...)
{
    char line[512];
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line - 1, format, arguments);
    va_end(arguments);
    std::strcat(line, "\n");
    Append(line);
}

// ---- ScriptRecorder ----

const ScriptRecorder::DeviceKind ScriptRecorder::kJoystickKind = {"joystick", "unplug %d", kJoystickFields,
                                                                  kJoystickFieldNames, 0x203};
const ScriptRecorder::DeviceKind ScriptRecorder::kXInputKind = {"xinput", "xinput %d fail", 2, kXInputFieldNames, 0};

// Both worlds start as the simulated one does: nothing plugged in, the defaults.
ScriptRecorder::ScriptRecorder()
{
    for (int id = 0; id < kJoystickIds; ++id) {
        std::memcpy(written_[id].fields, kJoystickDefaults, sizeof kJoystickDefaults);
        seen_[id] = written_[id];
    }
}

void ScriptRecorder::JoystickRead(std::uint32_t id, std::uint32_t result, const platform::JoyReading& reading)
{
    if (id >= static_cast<std::uint32_t>(kJoystickIds)) {
        return;
    }
    Device& joystick = seen_[id];
    joystick.present = result == 0;
    if (result == 0) {
        const std::uint32_t fields[] = {reading.xpos, reading.ypos, reading.zpos, reading.rpos,
                                        reading.upos, reading.vpos, reading.pov,  reading.buttons};
        std::memcpy(joystick.fields + 2, fields, sizeof fields);
    }
}

void ScriptRecorder::JoystickIds(std::uint32_t id, std::uint32_t result, const platform::JoyIds& ids)
{
    if (id >= static_cast<std::uint32_t>(kJoystickIds)) {
        return;  // also the service's own query, id -1
    }
    Device& joystick = seen_[id];
    joystick.present = result == 0;
    if (result == 0) {
        joystick.fields[0] = ids.vendor;
        joystick.fields[1] = ids.product;
    }
}

void ScriptRecorder::XInputRead(std::uint32_t index, std::uint32_t result, const platform::XInputTriggers& triggers)
{
    if (index >= static_cast<std::uint32_t>(sim::World::kXInputPads)) {
        return;
    }
    Device& pad = seenXInput_[index];
    pad.present = result == 0;
    if (result == 0) {
        pad.fields[0] = triggers.left;
        pad.fields[1] = triggers.right;
    }
}

void ScriptRecorder::Effect(const sim::Effect& effect)
{
    if (effectCount_ < kMaxEffects) {
        effects_[effectCount_++] = effect;
    }
}

void ScriptRecorder::Command(const char* line)
{
    EndCommand(line);
}

void ScriptRecorder::Frame(const RunObject& object)
{
    if (!resolved_ && object.xinputIndex != kXInputUnresolved) {
        resolved_ = true;
        position_ = object.xinputIndex;
        vid_ = object.vid;
        pid_ = object.pid;
    }
    bool same = effectCount_ == 0;
    for (int id = 0; same && id < kJoystickIds; ++id) {
        same = seen_[id] == written_[id];
    }
    for (int index = 0; same && index < sim::World::kXInputPads; ++index) {
        same = seenXInput_[index] == writtenXInput_[index];
    }
    if (same) {
        ++idleFrames_;
        return;
    }
    EndCommand("frame");
}

void ScriptRecorder::EndCommand(const char* line)
{
    FlushIdleFrames();
    WorldLines();
    body_.Line("%s", line);
    for (std::size_t i = 0; i < effectCount_; ++i) {
        char text[host::kEffectTextRoom];
        host::EffectText(effects_[i], text);
        body_.Line("=> %s", text);
    }
    effectCount_ = 0;
}

// The world lines that take the script's world to what the reads saw.
void ScriptRecorder::WorldLines()
{
    DeviceLines(kJoystickKind, seen_, written_, kJoystickIds);
    DeviceLines(kXInputKind, seenXInput_, writtenXInput_, sim::World::kXInputPads);
}

void ScriptRecorder::DeviceLines(const DeviceKind& kind, Device* seen, Device* written, int count)
{
    for (int id = 0; id < count; ++id) {
        if (!seen[id].present) {
            if (written[id].present) {
                body_.Line(kind.absent, id);
                written[id].present = false;
            }
            continue;
        }
        if (seen[id] == written[id]) {
            continue;
        }
        char line[256];
        int length = std::snprintf(line, sizeof line, "%s %d", kind.command, id);
        for (int field = 0; field < kind.fieldCount; ++field) {
            if (seen[id].fields[field] != written[id].fields[field]) {
                const bool hex = (kind.hexFields & (1u << field)) != 0;
                length += std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length),
                                        hex ? " %s=0x%04X" : " %s=%u", kind.fieldNames[field], seen[id].fields[field]);
            }
        }
        body_.Line("%s", line);
        written[id] = seen[id];
    }
}

void ScriptRecorder::FlushIdleFrames()
{
    while (idleFrames_ > 0) {
        const std::uint32_t frames = idleFrames_ < kMostFramesALine ? idleFrames_ : kMostFramesALine;
        if (frames == 1) {
            body_.Line("frame");
        } else {
            body_.Line("frame %u", frames);
        }
        idleFrames_ -= frames;
    }
}

bool ScriptRecorder::Write(const char* header, std::FILE* out)
{
    FlushIdleFrames();
    std::fputs(header, out);
    // The inventory is read inside the extension; what it held shows in the lookup the
    // object made: the pad at its XInput position, other XInput pads before it.
    if (resolved_) {
        const std::uint16_t other = vid_ == 0 && pid_ == 0 ? 0xFFFF : 0;
        const std::int32_t others = position_ >= 0 ? position_ : 1;
        std::fprintf(out, "# The device inventory as the extension found it: %s.\n",
                     position_ >= 0 ? "the pad is an XInput pad" : "the pad is not an XInput pad");
        for (std::int32_t i = 0; i < others; ++i) {
            std::fprintf(out, "device \"HID\\VID_%04X&PID_%04X&IG_%02d\"\n", other, other, static_cast<int>(i));
        }
        if (position_ >= 0) {
            std::fprintf(out, "device \"HID\\VID_%04X&PID_%04X&IG_%02d\"\n", vid_, pid_, static_cast<int>(position_));
        }
    }
    std::fputs(body_.data(), out);
    return !body_.failed() && std::ferror(out) == 0;
}

// ---- PadSession ----

PadSession* PadSession::current_ = nullptr;

PadSession::PadSession(const ExtensionCalls& calls, ScriptRecorder* recorder) : calls_(calls), recorder_(recorder)
{
    current_ = this;
    services_.GenerateEvent = &PadSession::GenerateEvent;
    services_.NextActionParameter = &PadSession::NextActionParameter;
    services_.FirstExpressionParameter = &PadSession::FirstExpressionParameter;
    services_.NextExpressionParameter = &PadSession::NextExpressionParameter;
    services_.StringResultBuffer = &PadSession::StringResultBuffer;
}

PadSession::~PadSession()
{
    Close();
    if (current_ == this) {
        current_ = nullptr;
    }
}

bool PadSession::Open(std::int32_t pad)
{
    char line[96];
    int length = std::snprintf(line, sizeof line, "controls 0");
    for (int slot = 0; slot < kControlSlots; ++slot) {
        controlKeys_[0][slot] = kSlotKeys[slot].code;
        length +=
            std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length), " %u", kSlotKeys[slot].code);
    }
    Begin();
    if (recorder_ != nullptr) {
        recorder_->Command(line);
    }
    const std::int32_t size = calls_.GetRunObjectDataSize(nullptr, nullptr);
    if (size < static_cast<std::int32_t>(sizeof(RunObject)) || size > static_cast<std::int32_t>(kObjectRoom)) {
        return false;
    }
    calls_.GetRunObjectInfos(&services_, &runInfo_);
    std::memset(memory_, 0, sizeof memory_);
    object_ = reinterpret_cast<RunObject*>(memory_);
    object_->header.services = &services_;
    object_->header.controlKeys = &controlKeys_;
    Begin();
    calls_.CreateRunObject(object_, nullptr, nullptr);
    if (recorder_ != nullptr) {
        recorder_->Command("create pad");
    }
    const std::int32_t bind[] = {0, pad};
    Action(kSetPlayerAndPadID, "SetPlayerAndPadID", bind, 2);
    for (int slot = kControlSlots; slot < kPadBits; ++slot) {
        const std::int32_t slotKey[] = {slot, kSlotKeys[slot].code};
        Action(kSetVantor, "SetVantor", slotKey, 2);
    }
    // The checker's own window is in front, not a game's: keys go out all the same
    // (an extension from before 1.2 has no such action, and needs none).
    const std::int32_t on[] = {1};
    if (runInfo_.actionCount > kSetKeysInBackground) {
        Action(kSetKeysInBackground, "SetKeysInBackground", on, 1);
    }
    return true;
}

void PadSession::Frame()
{
    Begin();
    calls_.HandleRunObject(object_);
    if (recorder_ != nullptr) {
        recorder_->Frame(*object_);
    }
}

HostParam PadSession::Expression(std::int32_t code, std::int32_t argument)
{
    Begin();
    arguments_[0] = argument;
    const bool known = runInfo_.expressions != nullptr && runInfo_.expressionCount > code;
    return known && runInfo_.expressions[code] != nullptr ? runInfo_.expressions[code](object_, 0) : 0;
}

const char16_t* PadSession::DeviceName()
{
    const HostParam name = Expression(kGetDeviceName, 0);
    return name == 0 ? u"" : reinterpret_cast<const char16_t*>(name);
}

const char16_t* PadSession::ButtonName(int bit)
{
    const HostParam name = Expression(kGetButtonName, bit);
    return name == 0 ? u"" : reinterpret_cast<const char16_t*>(name);
}

std::int32_t PadSession::PadType()
{
    // An extension from before the pad types answers nothing: a plain pad to it.
    return runInfo_.expressionCount > kGetPadType ? static_cast<std::int32_t>(Expression(kGetPadType, 0)) : 0;
}

void PadSession::SetStandardLayout(bool on)
{
    const std::int32_t value[] = {on ? 1 : 0};
    if (runInfo_.actionCount > kUseStandardLayout) {
        Action(kUseStandardLayout, "UseStandardLayout", value, 1);
    }
}

void PadSession::Close()
{
    if (object_ == nullptr) {
        return;
    }
    Begin();
    calls_.DestroyRunObject(object_, 0);
    if (recorder_ != nullptr) {
        recorder_->Command("destroy pad");
    }
    object_ = nullptr;
}

void PadSession::Setup(const GameSetup& setup)
{
    if (setup.settingsPath != nullptr && setup.settingsName != nullptr) {
        char line[256 + 4 * 128];
        int length = std::snprintf(line, sizeof line, "truncate \"%s\" 0", setup.settingsName);
        Begin();
        const bool fits = length > 0 && length < 256;
        if (recorder_ != nullptr && setup.settingsBytes != nullptr && fits) {
            recorder_->Command(line);
            length = std::snprintf(line, sizeof line, "poke \"%s\" 0", setup.settingsName);
            // A settings file is 80 bytes; more than a line holds is not a settings file.
            for (std::size_t i = 0; i < setup.settingsSize && i < 128; ++i) {
                length += std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length), " %u",
                                        setup.settingsBytes[i]);
            }
            if (setup.settingsSize != 0) {
                recorder_->Command(line);
            }
        }
        Begin();
        textArgument_ = reinterpret_cast<HostParam>(setup.settingsPath);
        if (runInfo_.actions != nullptr && kLoadSetting < runInfo_.actionCount) {
            runInfo_.actions[kLoadSetting](object_, 0, 0);
        }
        textArgument_ = 0;
        if (recorder_ != nullptr && fits) {
            std::snprintf(line, sizeof line, "action pad LoadSetting \"%s\"", setup.settingsName);
            recorder_->Command(line);
        }
    }
    if (setup.standardLayout && runInfo_.actionCount > kUseStandardLayout) {
        const std::int32_t on[] = {1};
        Action(kUseStandardLayout, "UseStandardLayout", on, 1);
    }
    if (setup.deadZone >= 0) {
        const std::int32_t percent[] = {setup.deadZone};
        Action(kSetDeadZone, "SetDeadZone", percent, 1);
    }
}

void PadSession::Begin()
{
    effectCount_ = 0;
    nextArgument_ = 0;
}

void PadSession::Action(std::int32_t code, const char* name, const std::int32_t* arguments, int count)
{
    Begin();
    arguments_[0] = arguments[0];
    arguments_[1] = count > 1 ? arguments[1] : 0;
    if (runInfo_.actions != nullptr && code < runInfo_.actionCount) {
        runInfo_.actions[code](object_, 0, 0);
    }
    if (recorder_ != nullptr) {
        char line[96];
        int length = std::snprintf(line, sizeof line, "action pad %s", name);
        for (int i = 0; i < count; ++i) {
            length += std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length), " %d",
                                    static_cast<int>(arguments[i]));
        }
        recorder_->Command(line);
    }
}

void PadSession::OnEffect(const sim::Effect& effect)
{
    if (effectCount_ < kMaxEffects) {
        effects_[effectCount_++] = effect;
    }
    if (recorder_ != nullptr) {
        recorder_->Effect(effect);
    }
}

void PadSession::OnJoystickRead(std::uint32_t id, std::uint32_t result, const platform::JoyReading& reading)
{
    if (recorder_ != nullptr) {
        recorder_->JoystickRead(id, result, reading);
    }
}

void PadSession::OnJoystickIds(std::uint32_t id, std::uint32_t result, const platform::JoyIds& ids)
{
    if (recorder_ != nullptr) {
        recorder_->JoystickIds(id, result, ids);
    }
}

void PadSession::OnXInputRead(std::uint32_t index, std::uint32_t result, const platform::XInputTriggers& triggers)
{
    if (recorder_ != nullptr) {
        recorder_->XInputRead(index, result, triggers);
    }
}

// No event of the game listens: the pad checker has none.
void ZANDREL_CALL PadSession::GenerateEvent(RunObject*, std::int32_t, std::int32_t) {}

HostParam ZANDREL_CALL PadSession::NextActionParameter(RunObject*, std::int32_t, std::int32_t)
{
    PadSession* session = current_;
    if (session == nullptr || session->nextArgument_ >= 2) {
        return 0;
    }
    if (session->textArgument_ != 0) {
        ++session->nextArgument_;
        return session->textArgument_;
    }
    return session->arguments_[session->nextArgument_++];
}

std::int32_t ZANDREL_CALL PadSession::FirstExpressionParameter(RunObject*, std::int32_t, HostParam)
{
    PadSession* session = current_;
    if (session == nullptr) {
        return 0;
    }
    session->nextArgument_ = 1;
    return session->arguments_[0];
}

std::int32_t ZANDREL_CALL PadSession::NextExpressionParameter(RunObject* object, std::int32_t a, HostParam handle)
{
    return static_cast<std::int32_t>(NextActionParameter(object, a, static_cast<std::int32_t>(handle)));
}

char16_t* ZANDREL_CALL PadSession::StringResultBuffer(RunObject*, std::int32_t, std::int32_t room)
{
    PadSession* session = current_;
    return session == nullptr || room > kStringResultRoom ? nullptr : session->stringResult_;
}

}  // namespace zandrel::pads
