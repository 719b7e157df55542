// libFuzzer target: the whole extension under a small host. The input is a program
// of operations (extension_program.h) over up to four objects, the catalogue and
// editor exports and the simulated world. After every operation the host checks what
// it can see: guard bytes around every record, the control-key table and every text
// buffer; texts terminated inside their buffers; the object fields it may rely on;
// the module's XInput device list; no heap allocation during a frame; each object's
// own key strokes and motor speeds against what it records. A finding aborts with the
// operations so far, one a line.
#include <dirent.h>
#include <sanitizer/allocator_interface.h>
#include <sanitizer/common_interface_defs.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "exports/catalogue.h"
#include "exports/run_info.h"
#include "platform/joystick_key.h"
#include "platform/platform.h"
#include "platform/resource_access.h"
#include "platform/resource_access_sim.h"
#include "platform/utf8.h"
#include "tests/fuzz/extension_program.h"
#include "tests/settings_guard.h"

namespace zandrel::fuzz {

namespace {

constexpr int kSlots = 4;
constexpr std::size_t kRecordGuard = 64;
constexpr std::size_t kTextGuard = 16;      // characters each side of a text buffer
constexpr char16_t kUntouched = 0xFDD0;     // a noncharacter no text holds
constexpr std::size_t kLongestText = 4096;  // a string result outside the host's buffer
constexpr std::size_t kMaxDevices = 16;
constexpr std::int16_t kFileNameType = 45;
constexpr std::int16_t kStringResultFlagInInfo = 1;
constexpr std::int32_t kResetKeyCode = 7;  // may release keys it never pressed
constexpr std::uint32_t kDefaultEditorVersion = 0x020000F9;

// Heap allocations counted while a frame runs, in this thread only (libFuzzer's own
// threads allocate when they like).
thread_local bool t_counting = false;
thread_local long t_allocations = 0;

void CountAllocation(const volatile void*, std::size_t)
{
    if (t_counting) {
        ++t_allocations;
    }
}

void IgnoreFree(const volatile void*) {}

// The settings files' folder; every file name an op builds lies in it.
std::string g_scratch;

void ClearScratch()
{
    if (DIR* dir = opendir(g_scratch.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
                std::remove((g_scratch + "/" + entry->d_name).c_str());
            }
        }
        closedir(dir);
    }
}

void RemoveScratch()
{
    ClearScratch();
    std::remove(g_scratch.c_str());
}

// What a host gives as a file name: selector 0 null, 1 empty, 2 one of four fixed
// names, 3 the text's UTF-16 units (pairs of bytes); the last two inside the
// scratch folder, '/' and '\' (a separator too) taken as '_' so that no name leaves it. False for null.
bool FileName(std::int32_t selector, const std::string& text, std::u16string* name)
{
    name->clear();
    switch (selector & 3) {
        case 0:
            return false;
        case 1:
            return true;
        case 2:
            *name = std::u16string(g_scratch.begin(), g_scratch.end()) + u"/s" +
                    static_cast<char16_t>(u'0' + ((selector >> 2) & 3));
            return true;
        default:
            *name = std::u16string(g_scratch.begin(), g_scratch.end()) + u"/";
            for (std::size_t i = 0; i < text.size(); i += 2) {
                auto unit = static_cast<char16_t>(static_cast<std::uint8_t>(text[i]));
                if (i + 1 < text.size()) {
                    unit = static_cast<char16_t>(unit | static_cast<std::uint8_t>(text[i + 1]) << 8);
                }
                name->push_back(unit == u'/' || unit == u'\\' ? u'_' : unit);
            }
            return true;
    }
}

// Empty when the extension either left the text alone or ended it inside its room,
// and left the `after` characters behind it untouched; else the fault.
std::string TextFault(const char16_t* text, std::size_t room, std::size_t after, const char* what)
{
    bool written = false;
    bool terminated = false;
    for (std::size_t i = 0; i < room && !terminated; ++i) {
        written = written || text[i] != kUntouched;
        terminated = text[i] == 0;
    }
    for (std::size_t i = room; i < room + after; ++i) {
        if (text[i] != kUntouched) {
            return std::string(what) + ": written past its " + std::to_string(room) + " characters";
        }
    }
    if (written && !terminated) {
        return std::string(what) + ": no terminator in its " + std::to_string(room) + " characters";
    }
    return {};
}

// A text buffer handed to an export, with guard characters on both sides.
class GuardedText {
public:
    explicit GuardedText(std::size_t room) : room_(room), chars_(room + 2 * kTextGuard, kUntouched) {}
    char16_t* data() { return chars_.data() + kTextGuard; }
    std::string Fault(const char* what) const
    {
        for (std::size_t i = 0; i < kTextGuard; ++i) {
            if (chars_[i] != kUntouched) {
                return std::string(what) + ": written before its buffer";
            }
        }
        return TextFault(chars_.data() + kTextGuard, room_, kTextGuard, what);
    }

private:
    std::size_t room_;
    std::vector<char16_t> chars_;
};

struct Editor {
    EditorServices services;  // first, so the extension's pointer leads back here
    std::uint32_t version;
};

std::uint32_t ZANDREL_CALL EditorVersion(EditorServices* self)
{
    return reinterpret_cast<Editor*>(self)->version;
}

HostParam ZANDREL_CALL EditorGeneralCall(EditorServices*, void*, std::int32_t, HostParam, HostParam, HostParam)
{
    return 0;
}

// An object's memory: guard, the record of the size the extension asked for, guard.
struct Slot {
    std::unique_ptr<std::uint64_t[]> memory;
    std::size_t size = 0;
    RunObject* object = nullptr;
    HostHeader header{};                                     // as handed over; the extension may change only the flags
    std::uint8_t reserved[sizeof RunObject::reserved] = {};  // as created; never the extension's to write
    std::int32_t conditionParam = 0;
    // What the object's own calls left: keys down, XInput indexes running.
    bool down[256] = {};
    std::uint16_t motors = 0;

    std::uint8_t* bytes() { return reinterpret_cast<std::uint8_t*>(memory.get()); }
};

// The catalogue's routine counts, by event kind.
constexpr int kRoutineCounts[3] = {kConditionCount, kActionCount, kExpressionCount};

using InfosExport = decltype(&::GetConditionInfos);
using StringExport = decltype(&::GetConditionString);
using MenuExport = decltype(&::GetConditionMenu);
using CodeExport = decltype(&::GetConditionCodeFromMenu);
constexpr InfosExport kInfoExports[3] = {&::GetConditionInfos, &::GetActionInfos, &::GetExpressionInfos};
constexpr StringExport kStringExports[3] = {&::GetConditionString, &::GetActionString, &::GetExpressionString};
constexpr MenuExport kMenuExports[3] = {&::GetConditionMenu, &::GetActionMenu, &::GetExpressionMenu};
constexpr CodeExport kCodeExports[3] = {&::GetConditionCodeFromMenu, &::GetActionCodeFromMenu,
                                        &::GetExpressionCodeFromMenu};

enum Export {
    kMenu = 0,          // + kind
    kCodeFromMenu = 3,  // + kind
    kEventInfos = 6,    // + kind
    kEventString = 9,   // + kind
    kConditionTitle = 12,
    kActionTitle,
    kExpressionTitle,
    kExpressionParam,
    kObjInfos,
    kGetInfos,
    kRunInfos,
    kCreateObject,
    kProperties,
    kObjectRect,
    kDebugTree,
    kHelpFile,
    kExportCount
};

class Harness {
public:
    Harness()
    {
        std::memset(&keys_, testing::kGuardByte, sizeof keys_);
        std::memset(keys_.keys, 0, sizeof keys_.keys);
        host_.onRaise = &Harness::OnRaise;
        host_.onRaiseContext = this;
        compatible_ = Editor{{&EditorVersion, &EditorGeneralCall}, kDefaultEditorVersion};
        editor_ = compatible_;
        host_.world().SetListener(&Harness::OnEffect, this);
    }
    ~Harness() { host_.world().SetListener(nullptr, nullptr); }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // Runs one op; empty, or what went wrong.
    std::string Run(const Op& op)
    {
        std::string fault = Execute(op);
        return fault.empty() ? Check() : fault;
    }

    // The game ends: every live object is destroyed.
    std::string Finish()
    {
        for (int s = 0; s < kSlots; ++s) {
            std::string fault = Destroy(s);
            if (!fault.empty()) {
                return fault;
            }
        }
        return Check();
    }

private:
    static void OnRaise(RunObject* object, std::int32_t code, void* context)
    {
        // As a host evaluates the raised condition; no allocation here, it runs in frames.
        auto* harness = static_cast<Harness*>(context);
        if (code < 0 || code >= kConditionCount) {
            harness->raiseFault_ = "a raised condition code outside the routine table";
            return;
        }
        std::int32_t param = 0;
        for (Slot& slot : harness->slots_) {
            param = slot.object == object ? slot.conditionParam : param;
        }
        const std::int32_t answer = kConditionRoutines[code](object, param, 0);
        if (answer != 0 && answer != 1) {
            harness->raiseFault_ = "a raised condition answered other than 0 or 1";
        }
    }

    // Every key stroke and motor speed is one object's, that of the call under way.
    // Runs in frames: no allocation, the first fault kept as a fixed text.
    static void OnEffect(void* context, const sim::Effect& effect)
    {
        auto* harness = static_cast<Harness*>(context);
        if (effect.kind != sim::EffectKind::KeyStroke && effect.kind != sim::EffectKind::Vibration) {
            return;
        }
        if (harness->acting_ < 0) {
            harness->NoteEffectFault("a key stroke or motor speed outside any object's call", effect);
            return;
        }
        Slot& slot = harness->slots_[harness->acting_];
        if (effect.kind == sim::EffectKind::Vibration) {
            const auto bit = static_cast<std::uint16_t>(1u << (effect.a & 15));
            slot.motors =
                static_cast<std::uint16_t>(effect.b != 0 || effect.c != 0 ? slot.motors | bit : slot.motors & ~bit);
            return;
        }
        bool& down = slot.down[effect.a & 255];
        if (effect.b == platform::kKeyDown && down) {
            harness->NoteEffectFault("a key sent down twice without an up between", effect);
        } else if (effect.b == platform::kKeyUp && !down && !harness->resetting_) {
            harness->NoteEffectFault("a key-up of a key the object does not hold", effect);
        }
        down = effect.b == platform::kKeyDown;
    }

    void NoteEffectFault(const char* what, const sim::Effect& effect)
    {
        if (effectFault_[0] == 0) {
            std::snprintf(effectFault_, sizeof effectFault_, "slot %d: %s (0x%02X)", acting_, what,
                          static_cast<unsigned>(effect.a));
        }
    }

    // The keys the object's calls left down are the keys it records, and it holds
    // keys only for bits its pad state has.
    std::string CheckHeld(int s) const
    {
        const Slot& slot = slots_[s];
        const RunObject& object = *slot.object;
        const std::string which = "slot " + std::to_string(s) + ": ";
        if ((object.heldBits & ~object.prevPadState) != 0) {
            return which + "a bit holds a key its pad state lacks";
        }
        for (int key = 0; key < 256; ++key) {
            if (slot.down[key] != HoldsKey(object, static_cast<std::uint8_t>(key))) {
                return which + "key " + std::to_string(key) +
                       (slot.down[key] ? " is down unrecorded" : " is recorded, not down");
            }
        }
        return {};
    }

    // After a destroy, or a frame away from the game, nothing of the object's is left on.
    std::string CheckNothingOn(int s, const char* when) const
    {
        const Slot& slot = slots_[s];
        for (const bool down : slot.down) {
            if (down) {
                return "slot " + std::to_string(s) + ": a key left down " + when;
            }
        }
        return slot.motors != 0 ? "slot " + std::to_string(s) + ": a motor left running " + when : std::string();
    }

    Slot* Live(std::int32_t slot)
    {
        Slot& s = slots_[slot & (kSlots - 1)];
        return s.object != nullptr ? &s : nullptr;
    }

    EditorServices* editor() { return noEditor_ ? nullptr : &editor_.services; }

    std::string Execute(const Op& op)
    {
        const std::int32_t* v = op.values;
        sim::World& world = host_.world();
        switch (op.kind) {
            case OpKind::kCreate:
                return Create(v[0] & (kSlots - 1), v[1]);
            case OpKind::kDestroy:
                return Destroy(v[0] & (kSlots - 1));
            case OpKind::kFrame:
                return Frames(v[0] % 5);
            case OpKind::kCondition:
            case OpKind::kAction:
            case OpKind::kExpression:
                return Event(op);
            case OpKind::kFile:
                WriteFile(v[0], op.texts[0], op.texts[1], v[1]);
                return {};
            case OpKind::kJoystick: {
                sim::Joystick& joystick = world.joysticks[v[0] & 15];
                joystick = sim::Joystick{};
                joystick.present = true;
                joystick.vid = static_cast<std::uint16_t>(v[2]);
                joystick.pid = static_cast<std::uint16_t>(v[3]);
                joystick.x = static_cast<std::uint32_t>(v[4]);
                joystick.y = static_cast<std::uint32_t>(v[5]);
                joystick.pov = static_cast<std::uint32_t>(v[6]);
                joystick.buttons = static_cast<std::uint32_t>(v[7]);
                joystick.capsFail = (v[1] & 1) != 0;
                return {};
            }
            case OpKind::kUnplug:
                world.joysticks[v[0] & 15].present = false;
                return {};
            case OpKind::kXInput:
            case OpKind::kXInputOf: {
                sim::XInputPad& pad = world.xinput[v[0] & 3];
                pad.answers = op.kind == OpKind::kXInputOf || (v[1] & 1) != 0;
                pad.faceOf = op.kind == OpKind::kXInputOf ? static_cast<std::int8_t>(v[1] & 15) : std::int8_t{-1};
                pad.leftTrigger = static_cast<std::uint8_t>(v[2]);
                pad.rightTrigger = static_cast<std::uint8_t>(v[3]);
                return {};
            }
            case OpKind::kReplug:
                Replug(v[0] & 15, v[1] & 15);
                return {};
            case OpKind::kKey:
                world.SetKey(static_cast<std::uint8_t>(v[0]), (v[1] & 1) != 0);
                return {};
            case OpKind::kKeyboard:
                world.keyboardFails = (v[0] & 1) != 0;
                world.gameInFront = (v[0] & 2) == 0;
                return {};
            case OpKind::kDevice:
                AddDevice(op);
                return {};
            case OpKind::kDevices:
                if (v[0] % 3 == 0) {
                    world.devices.clear();
                } else {
                    world.devicesFail = v[0] % 3 == 1;
                }
                return {};
            case OpKind::kRegistry: {
                char16_t path[kKeyPathRoom];
                FormatJoystickKeyPath(static_cast<std::uint16_t>(v[0]), static_cast<std::uint16_t>(v[1]), path);
                world.joystickNames[path] =
                    sim::RegistryValue{static_cast<std::uint32_t>(v[2]), {op.texts[0].begin(), op.texts[0].end()}};
                return {};
            }
            case OpKind::kControls:
                keys_.keys[v[0] & 3][v[1] & 7] = static_cast<std::uint16_t>(v[2]);
                return {};
            case OpKind::kEditor:
                noEditor_ = (v[0] & 3) == 3;
                editor_ = compatible_;
                editor_.version = (v[0] & 3) == 1 ? static_cast<std::uint32_t>(v[1]) : kDefaultEditorVersion;
                editor_.services.GetVersion = (v[0] & 3) == 2 ? nullptr : &EditorVersion;
                return {};
            case OpKind::kExport:
                return CallExport(op);
            case OpKind::kCount:
                break;
        }
        return {};
    }

    // A pad unplugged and plugged back, at its own id or another, as the system may
    // give it: what was at `to` is gone, and the XInput faces of the pad go with it.
    void Replug(int from, int to)
    {
        sim::World& world = host_.world();
        sim::Joystick pad = world.joysticks[from];
        world.joysticks[from].present = false;
        pad.present = true;
        world.joysticks[to] = pad;
        for (sim::XInputPad& face : world.xinput) {
            if (face.faceOf == from) {
                face.faceOf = static_cast<std::int8_t>(to);
            }
        }
    }

    std::string Create(int s, std::int32_t flags)
    {
        Slot& slot = slots_[s];
        if (slot.object != nullptr) {
            return {};
        }
        const std::int32_t asked = GetRunObjectDataSize(nullptr, nullptr);
        if (asked < static_cast<std::int32_t>(sizeof(HostHeader))) {
            return "GetRunObjectDataSize asks for " + std::to_string(asked) + " bytes";
        }
        slot.size = static_cast<std::size_t>(asked);
        slot.memory = std::make_unique<std::uint64_t[]>((2 * kRecordGuard + slot.size + 7) / 8);
        std::memset(slot.bytes(), testing::kGuardByte, 2 * kRecordGuard + slot.size);
        slot.object = host_.CreateIn(slot.bytes() + kRecordGuard, slot.size, (flags & 1) != 0 ? nullptr : &keys_.keys,
                                     (flags & 2) != 0 ? &noServices_ : host_.services());
        slot.header = slot.object->header;
        std::memcpy(slot.reserved, slot.object->reserved, sizeof slot.reserved);
        slot.conditionParam = 0;
        std::memset(slot.down, 0, sizeof slot.down);
        slot.motors = 0;
        return {};
    }

    std::string Destroy(int s)
    {
        Slot& slot = slots_[s];
        if (slot.object == nullptr) {
            return {};
        }
        acting_ = s;
        DestroyRunObject(slot.object, 0);
        acting_ = -1;
        std::string fault = CheckSlot(s);
        if (fault.empty()) {
            fault = CheckNothingOn(s, "after its destroy");
        }
        slot.object = nullptr;
        slot.memory.reset();
        return fault;
    }

    std::string Frames(int count)
    {
        for (int n = 0; n < count; ++n) {
            for (int s = 0; s < kSlots; ++s) {
                if (slots_[s].object == nullptr) {
                    continue;
                }
                const std::int32_t padBefore = slots_[s].object->padId;
                t_allocations = 0;
                t_counting = true;
                acting_ = s;
                HandleRunObject(slots_[s].object);
                acting_ = -1;
                t_counting = false;
                if (t_allocations != 0) {
                    return "a frame of slot " + std::to_string(s) + " allocated " + std::to_string(t_allocations) +
                           " times";
                }
                if (raiseFault_ != nullptr) {
                    return raiseFault_;
                }
                if (effectFault_[0] != 0) {
                    return effectFault_;
                }
                if (slots_[s].object->keysInBackground == 0 && !host_.world().gameInFront) {
                    std::string fault = CheckNothingOn(s, "after a frame away from the game");
                    if (!fault.empty()) {
                        return fault;
                    }
                }
                const std::int32_t padAfter = slots_[s].object->padId;
                if (padAfter != padBefore && padAfter >= 0 && ObjectsBoundTo(padAfter) != 1) {
                    return "slot " + std::to_string(s) + " followed its pad to joystick " + std::to_string(padAfter) +
                           ", which another object is bound to";
                }
            }
        }
        return {};
    }

    // A host calls routines through the tables only; a code outside them goes to the
    // catalogue, which must know nothing of it.
    std::string Event(const Op& op)
    {
        Slot* slot = Live(op.values[0]);
        const std::int32_t code = op.values[1];
        const auto kind = static_cast<EventKind>(static_cast<int>(op.kind) - static_cast<int>(OpKind::kCondition));
        if (slot == nullptr) {
            return {};
        }
        if (code < 0 || code >= kRoutineCounts[static_cast<int>(kind)]) {
            return CatalogueOnly(kind, code);
        }
        const std::int16_t* info =
            kInfoExports[static_cast<int>(kind)](&compatible_.services, static_cast<std::int16_t>(code));
        if (info == nullptr) {
            return "no record for a code of the routine table";
        }
        if (kind == EventKind::kCondition) {
            slot->conditionParam = op.values[2];
            const std::int32_t answer = kConditionRoutines[code](slot->object, op.values[2], 0);
            return answer == 0 || answer == 1 ? std::string() : "condition answered " + std::to_string(answer);
        }
        return kind == EventKind::kAction ? Action(*slot, code, info, op) : Expression(*slot, code, info, op);
    }

    std::string Action(Slot& slot, std::int32_t code, const std::int16_t* info, const Op& op)
    {
        // Parameters as the record types them: integers in turn, the file name where named.
        const bool hasName = FileName(op.values[5], op.texts[0], &name_);
        host_.actionParameters.clear();
        int integer = 0;
        for (int p = 0; p < info[2] && p < kMaxEventParams; ++p) {
            if (info[3 + p] == kFileNameType) {
                host_.actionParameters.push_back(hasName ? reinterpret_cast<HostParam>(name_.c_str()) : 0);
            } else {
                host_.actionParameters.push_back(op.values[2 + integer++]);
            }
        }
        acting_ = static_cast<int>(&slot - slots_);
        resetting_ = code == kResetKeyCode;
        kActionRoutines[code](slot.object, 0, 0);
        acting_ = -1;
        resetting_ = false;
        return raiseFault_ != nullptr ? raiseFault_ : std::string();
    }

    std::string Expression(Slot& slot, std::int32_t code, const std::int16_t* info, const Op& op)
    {
        host_.expressionParameters.assign(op.values + 2, op.values + 5);
        host_.stringResultNull = (op.values[5] & 1) != 0;
        std::fill(std::begin(host_.stringResult), std::end(host_.stringResult), kUntouched);
        RunObject* object = slot.object;
        object->header.flags = static_cast<std::uint16_t>(object->header.flags & ~kStringResultFlag);
        const HostParam value = kExpressionRoutines[code](object, testing::TestHost::kParameterHandle);
        const bool isString = (object->header.flags & kStringResultFlag) != 0;
        if (isString != ((info[1] & kStringResultFlagInInfo) != 0)) {
            return "the string-result flag disagrees with the expression's record";
        }
        std::string fault = TextFault(host_.stringResult, kStringResultRoom, kTextGuard, "string result buffer");
        const auto* text = reinterpret_cast<const char16_t*>(value);
        if (fault.empty() && isString && text != nullptr && text != host_.stringResult) {
            std::size_t length = 0;
            while (length < kLongestText && text[length] != 0) {
                ++length;
            }
            if (length == kLongestText) {
                fault = "a string result of the extension's own without terminator";
            }
        }
        return fault;
    }

    std::string CatalogueOnly(EventKind kind, std::int32_t code)
    {
        const int k = static_cast<int>(kind);
        if (kInfoExports[k](editor(), static_cast<std::int16_t>(code)) != nullptr) {
            return "a record for a code outside the routine table";
        }
        GuardedText text(256);
        kStringExports[k](editor(), static_cast<std::int16_t>(code), text.data(), 256);
        return text.Fault("display string of a code outside the table");
    }

    // Repeated contents reach lines longer than a layout line may be, and many rows.
    void WriteFile(std::int32_t selector, const std::string& nameText, const std::string& contents,
                   std::int32_t repeats)
    {
        std::u16string name;
        std::string path;
        if (!FileName(selector, nameText, &name) || !Utf16ToUtf8(name.c_str(), &path) || path.empty()) {
            return;
        }
        if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
            for (std::int32_t i = 0; i <= repeats; ++i) {
                std::fwrite(contents.data(), 1, contents.size(), file);
            }
            std::fclose(file);
        }
    }

    void AddDevice(const Op& op)
    {
        sim::World& world = host_.world();
        if (world.devices.size() >= kMaxDevices) {
            return;
        }
        std::u16string id;
        if ((op.values[0] & 1) == 0) {
            char text[64];
            std::snprintf(text, sizeof text, "HID\\VID_%04X&PID_%04X&IG_00", op.values[1] & 0xFFFF,
                          op.values[2] & 0xFFFF);
            id.assign(text, text + std::strlen(text));
        } else {
            for (std::size_t i = 0; i + 1 < op.texts[0].size(); i += 2) {
                id.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(op.texts[0][i]) |
                                                   static_cast<std::uint8_t>(op.texts[0][i + 1]) << 8));
            }
        }
        world.devices.push_back(id);
    }

    std::string CallExport(const Op& op)
    {
        const int which = static_cast<int>(static_cast<std::uint32_t>(op.values[0]) % kExportCount);
        const auto code = static_cast<std::int16_t>(op.values[1]);
        const auto index = static_cast<std::int16_t>(op.values[2]);
        const auto length = static_cast<std::uint16_t>(op.values[3]);
        const bool nullBuffer = (op.values[3] & 0x10000) != 0;
        EditorServices* ed = editor();
        GuardedText text(length);
        char16_t* buffer = nullBuffer ? nullptr : text.data();
        if (which < kCodeFromMenu) {
            return Menu(which);
        }
        if (which < kEventInfos) {
            const int kind = which - kCodeFromMenu;
            const std::int32_t found = kCodeExports[kind](ed, static_cast<std::uint16_t>(op.values[1]));
            return found >= -1 && found < kRoutineCounts[kind] ? std::string()
                                                               : "code from menu " + std::to_string(found);
        }
        if (which < kEventString) {
            return Infos(which - kEventInfos, code);
        }
        switch (which) {
            case kEventString:
            case kEventString + 1:
            case kEventString + 2:
                kStringExports[which - kEventString](ed, code, buffer, length);
                return text.Fault("display string");
            case kConditionTitle:
                ::GetConditionTitle(ed, code, index, buffer, length);
                return text.Fault("condition title");
            case kActionTitle:
                ::GetActionTitle(ed, code, index, buffer, length);
                return text.Fault("action title");
            case kExpressionTitle:
                ::GetExpressionTitle(ed, code, buffer, length);
                return text.Fault("expression title");
            case kExpressionParam:
                ::GetExpressionParam(ed, code, index, buffer, length);
                return text.Fault("expression parameter title");
            case kObjInfos:
                return ObjInfos(index);
            case kGetInfos:
                ::GetInfos(op.values[1]);
                return {};
            case kRunInfos:
                return RunInfos();
            case kCreateObject:
            case kProperties: {
                std::uint8_t editData[2 * kRecordGuard + kEditDataSize];
                std::memset(editData, testing::kGuardByte, sizeof editData);
                if (which == kCreateObject) {
                    ::CreateObject(ed, nullptr, editData + kRecordGuard);
                } else {
                    ::GetProperties(ed, editData + kRecordGuard, nullptr);
                }
                return testing::GuardIntact(editData, sizeof editData) ? std::string() : "the edit data was written";
            }
            case kObjectRect: {
                const HostRect zero{};
                HostRect rect[3] = {};
                ::GetObjectRect(ed, &rect[1], nullptr, nullptr);
                const bool beside =
                    std::memcmp(&rect[0], &zero, sizeof zero) != 0 || std::memcmp(&rect[2], &zero, sizeof zero) != 0;
                return beside ? "written beside the object rectangle" : std::string();
            }
            case kDebugTree: {
                Slot* slot = Live(op.values[1]);
                const std::uint16_t* tree = ::GetDebugTree(slot != nullptr ? slot->object : nullptr);
                for (std::size_t i = 0; tree != nullptr && tree[i] != 0xFFFF; ++i) {
                    if (i == kLongestText) {
                        return "a debug tree without its end";
                    }
                }
                return {};
            }
            case kHelpFile: {
                const char16_t* help = ::GetHelpFileName();
                std::size_t i = 0;
                while (help != nullptr && help[i] != 0 && i < kLongestText) {
                    ++i;
                }
                return i < kLongestText ? std::string() : "a help file name without terminator";
            }
            default:
                return {};
        }
    }

    std::string Menu(int kind)
    {
        EditorServices* ed = editor();
        MenuHandle menu = kMenuExports[kind](ed, nullptr, nullptr);
        if (menu != nullptr) {
            resources::FreeMenu(menu);
        }
        if ((menu != nullptr) != IsEditorCompatible(ed)) {
            return "a menu for an incompatible editor, or none for a compatible one";
        }
        return {};
    }

    std::string Infos(int kind, std::int16_t code)
    {
        const std::int16_t* info = kInfoExports[kind](editor(), code);
        const bool inTable = code >= 0 && code < kRoutineCounts[kind];
        if (info == nullptr) {
            return inTable ? "no record for a code of the table" : std::string();
        }
        if (!inTable || info[0] != code || info[2] < 0 || info[2] > kMaxEventParams) {
            return "record " + std::to_string(info[0]) + " with " + std::to_string(info[2]) + " parameters for code " +
                   std::to_string(code);
        }
        for (int w = 0; w < 3 + 2 * info[2]; ++w) {
            volatile std::int16_t word = info[w];  // every word read, so a record cut short shows
            (void)word;
        }
        return {};
    }

    // The five texts have the rooms the host's contract gives; bits of `nulls` leave
    // a buffer out.
    std::string ObjInfos(std::int32_t nulls)
    {
        constexpr std::size_t kRooms[5] = {255, 255, 255, 1024, 255};
        static const char* const kWhat[5] = {"name", "author", "copyright", "comment", "web address"};
        GuardedText texts[5] = {GuardedText(kRooms[0]), GuardedText(kRooms[1]), GuardedText(kRooms[2]),
                                GuardedText(kRooms[3]), GuardedText(kRooms[4])};
        char16_t* buffers[5];
        for (int i = 0; i < 5; ++i) {
            buffers[i] = (nulls >> i & 1) != 0 ? nullptr : texts[i].data();
        }
        std::uint8_t editData[kEditDataSize] = {};
        ::GetObjInfos(editor(), editData, buffers[0], buffers[1], buffers[2], buffers[3], buffers[4]);
        for (int i = 0; i < 5; ++i) {
            std::string fault = texts[i].Fault(kWhat[i]);
            if (!fault.empty()) {
                return fault;
            }
        }
        return {};
    }

    std::string RunInfos()
    {
        struct {
            std::uint8_t before[kRecordGuard];
            RunInfo info;
            std::uint8_t after[kRecordGuard];
        } guarded;
        std::memset(&guarded, testing::kGuardByte, sizeof guarded);
        ::GetRunObjectInfos(nullptr, &guarded.info);
        const RunInfo& info = guarded.info;
        if (!testing::GuardIntact(guarded.before, kRecordGuard) || !testing::GuardIntact(guarded.after, kRecordGuard)) {
            return "written outside the run-info record";
        }
        if (info.conditionCount != kConditionCount || info.actionCount != kActionCount ||
            info.expressionCount != kExpressionCount || info.conditions[kConditionCount] != nullptr ||
            info.actions[kActionCount] != nullptr || info.expressions[kExpressionCount] != nullptr) {
            return "run-info counts or table ends differ from the routine tables";
        }
        return {};
    }

    std::string CheckSlot(int s)
    {
        Slot& slot = slots_[s];
        const std::string which = "slot " + std::to_string(s) + ": ";
        if (!testing::GuardIntact(slot.bytes(), kRecordGuard) ||
            !testing::GuardIntact(slot.bytes() + kRecordGuard + slot.size, kRecordGuard)) {
            return which + "written outside the object record";
        }
        HostHeader now = slot.object->header;
        HostHeader then = slot.header;
        now.flags = then.flags = 0;
        if (std::memcmp(&now, &then, sizeof now) != 0) {
            return which + "the host's header changed";
        }
        const RunObject& object = *slot.object;
        if (std::memcmp(object.reserved, slot.reserved, sizeof slot.reserved) != 0) {
            return which + "the record's reserved bytes changed";
        }
        if (object.padError != 0 && object.padError != 1) {
            return which + "padError " + std::to_string(object.padError);
        }
        if (object.xinputIndex < kNotXInput || object.xinputIndex > kMaxXInputDevices - 1) {
            return which + "xinputIndex " + std::to_string(object.xinputIndex);
        }
        if (object.standardLayout > 1 || object.padLayout < -1 || object.padLayout >= ThePadLayoutTable().count) {
            return which + "standardLayout " + std::to_string(object.standardLayout) + ", padLayout " +
                   std::to_string(object.padLayout);
        }
        return {};
    }

    std::string Check()
    {
        if (effectFault_[0] != 0) {
            return effectFault_;
        }
        if (!testing::GuardIntact(keys_.before, sizeof keys_.before) ||
            !testing::GuardIntact(keys_.after, sizeof keys_.after)) {
            return "written outside the host's control-key table";
        }
        for (int s = 0; s < kSlots; ++s) {
            if (slots_[s].object != nullptr) {
                std::string fault = CheckSlot(s);
                if (fault.empty()) {
                    fault = CheckHeld(s);
                }
                if (!fault.empty()) {
                    return fault;
                }
            }
        }
        const std::int32_t count = TheXInputDeviceList().count;
        if (count < 0 || count > kMaxXInputDevices) {
            return "XInput device list count " + std::to_string(count);
        }
        const std::string placeFault = CheckPlaces();
        if (!placeFault.empty()) {
            return placeFault;
        }
        const std::string layoutFault = CheckLayouts();
        if (!layoutFault.empty()) {
            return layoutFault;
        }
        sim::World& world = host_.world();
        for (std::size_t i = 0; i < world.LogSize(); ++i) {
            const sim::Effect& effect = world.Log()[i];
            if (effect.kind == sim::EffectKind::KeyStroke && effect.b != platform::kKeyDown &&
                effect.b != platform::kKeyUp) {
                return "a key stroke with flags " + std::to_string(effect.b);
            }
            if (effect.kind == sim::EffectKind::Vibration && effect.a >= kMaxXInputDevices) {
                return "vibration of XInput user " + std::to_string(effect.a);
            }
        }
        world.ClearLog();
        if (resources::sim::LiveMenuCount() != 0) {
            return "menus left alive: " + std::to_string(resources::sim::LiveMenuCount());
        }
        return {};
    }

    // One pad, one XInput index: an index is confirmed for at most one joystick, which
    // holds no other; the module's count of objects bound to each id is the host's.
    std::string CheckPlaces() const
    {
        std::int32_t confirmedFor[kMaxXInputDevices];
        for (std::uint32_t index = 0; index < kMaxXInputDevices; ++index) {
            confirmedFor[index] = XInputConfirmedFor(index);
            if (confirmedFor[index] < -1 || confirmedFor[index] > 15) {
                return "XInput index " + std::to_string(index) + " confirmed for joystick " +
                       std::to_string(confirmedFor[index]);
            }
            for (std::uint32_t before = 0; before < index; ++before) {
                if (confirmedFor[index] >= 0 && confirmedFor[before] == confirmedFor[index]) {
                    return "XInput indexes " + std::to_string(before) + " and " + std::to_string(index) +
                           " both confirmed for joystick " + std::to_string(confirmedFor[index]);
                }
            }
        }
        for (std::int32_t id = 0; id < 16; ++id) {
            std::int32_t bound = 0;
            for (const Slot& slot : slots_) {
                bound += slot.object != nullptr && slot.object->padId == id ? 1 : 0;
            }
            if (ObjectsBoundTo(id) != bound) {
                return "objects bound to joystick " + std::to_string(id) + ": " + std::to_string(bound) +
                       ", the module counts " + std::to_string(ObjectsBoundTo(id));
            }
        }
        return {};
    }

    // The shared table: the built-in rows first, loaded rows within their limit, one
    // row per pair of ids (looked for only when the rows may have changed: a full table
    // costs millions of comparisons), none without ids, every button 1..32 and turned
    // around rightly.
    static std::string CheckLayouts()
    {
        static std::uint32_t checkedGeneration = 0;
        const PadLayoutTable& table = ThePadLayoutTable();
        if (table.count != kBuiltInPadLayouts + table.added || table.added < 0 || table.added > kMostAddedPadLayouts) {
            return "layout table count " + std::to_string(table.count) + ", added " + std::to_string(table.added);
        }
        const bool moved = table.generation != checkedGeneration;
        checkedGeneration = table.generation;
        for (std::int32_t i = 0; i < table.count; ++i) {
            const PadLayout& row = table.rows[i];
            if ((moved && FindPadLayout(table, row.vendor, row.product) != i) ||
                (i < kBuiltInPadLayouts &&
                 (row.vendor != kPlayStationVendor || row.product != kBuiltInPadLayoutRows[i].product))) {
                return "layout row " + std::to_string(i) + " out of place";
            }
            if (row.vendor == 0 && row.product == 0) {
                return "layout row " + std::to_string(i) + " without ids";
            }
            for (int bit = 0; bit < kPadBitCount; ++bit) {
                if (row.buttons[bit] > kJoystickButtons) {
                    return "layout row " + std::to_string(i) + " button " + std::to_string(row.buttons[bit]);
                }
            }
            const PadLayout turned = WithBitsOfButtons(row);
            if (std::memcmp(turned.bitsOfButton, row.bitsOfButton, sizeof row.bitsOfButton) != 0) {
                return "layout row " + std::to_string(i) + ": bits of buttons disagree with its buttons";
            }
        }
        return {};
    }

    testing::TestHost host_;
    testing::GuardedKeys keys_;
    HostServices noServices_{};
    Slot slots_[kSlots];
    Editor compatible_{};
    Editor editor_{};
    bool noEditor_ = false;
    std::u16string name_;
    const char* raiseFault_ = nullptr;
    int acting_ = -1;  // the slot whose call is under way
    bool resetting_ = false;
    char effectFault_[160] = {};
};

// The program running, and the op it is at, for a sanitizer's report.
const std::vector<Op>* g_program = nullptr;
std::size_t g_at = 0;

[[noreturn]] void Report(const std::string& fault)
{
    std::fprintf(stderr, "extension fuzz finding: %s\nafter these operations:\n", fault.c_str());
    for (std::size_t i = 0; g_program != nullptr && i <= g_at && i < g_program->size(); ++i) {
        std::fprintf(stderr, "  %s\n", DescribeOp((*g_program)[i]).c_str());
    }
    RemoveScratch();  // no exit handler runs after an abort
    // libFuzzer's abort handler writes the input as a crash file.
    std::abort();
}

void OnSanitizerReport()
{
    Report("the sanitizer report above");
}

}  // namespace

}  // namespace zandrel::fuzz

// A quarter of the mutations are libFuzzer's own on the bytes; the rest change the
// program op by op, which keeps it parsing the same way.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed)
{
    using namespace zandrel::fuzz;
    std::minstd_rand random(seed);
    if (random() % 4 == 0) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    std::vector<Op> ops = DecodeProgram(data, size);
    MutateProgram(&ops, &random);
    const std::vector<std::uint8_t> bytes = EncodeProgram(ops);
    if (bytes.size() > maxSize) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    std::copy(bytes.begin(), bytes.end(), data);
    return bytes.size();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    using namespace zandrel::fuzz;
    char folder[] = "/tmp/zandrel-extension-fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    g_scratch = folder;
    std::atexit(RemoveScratch);
    __sanitizer_install_malloc_and_free_hooks(&CountAllocation, &IgnoreFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel::fuzz;
    // In place of libFuzzer's own, which it installs after LLVMFuzzerInitialize.
    static const int installed = (__sanitizer_set_death_callback(&OnSanitizerReport), 0);
    (void)installed;
    const std::vector<Op> ops = DecodeProgram(data, size);
    g_program = &ops;
    ClearScratch();
    Harness harness;
    for (g_at = 0; g_at < ops.size(); ++g_at) {
        const std::string fault = harness.Run(ops[g_at]);
        if (!fault.empty()) {
            Report(fault);
        }
    }
    const std::string fault = harness.Finish();
    if (!fault.empty()) {
        Report("at the end: " + fault);
    }
    g_program = nullptr;
    return 0;
}
