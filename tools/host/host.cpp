#include "tools/host/host.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "tools/host/effect_text.h"
#include "tools/host/text.h"

namespace zandrel::host {

namespace {

constexpr std::uint16_t kTextRoom = 256;
constexpr char16_t kUntouched = 0xFDD0;  // a noncharacter no text holds
constexpr std::size_t kGuard = 16;
constexpr HostParam kParameterHandle = 0x5A48;
constexpr std::size_t kLongestResult = 4096;

const char* const kKindNames[3] = {"condition", "action", "expression"};

// A text buffer for an export to fill, with a guard area behind it.
class TextBuffer {
public:
    explicit TextBuffer(std::uint16_t room) : room_(room), chars_(room + kGuard, kUntouched) {}
    char16_t* data() { return chars_.data(); }
    std::uint16_t room() const { return room_; }

    // `= "TEXT"` or `= unchanged`, then a line for each fault of the filler.
    void Answer(std::vector<std::string>* lines) const
    {
        const auto begin = chars_.begin();
        const auto end = begin + room_;
        if (std::all_of(begin, end, [](char16_t c) { return c == kUntouched; })) {
            lines->push_back("= unchanged");
        } else {
            const auto terminator = std::find(begin, end, u'\0');
            lines->push_back("= " + Quoted(Utf16ToUtf8(std::u16string(begin, terminator))));
            if (terminator == end) {
                lines->push_back("! text without terminator in " + std::to_string(room_) + " characters");
            }
        }
        if (!std::all_of(end, chars_.end(), [](char16_t c) { return c == kUntouched; })) {
            lines->push_back("! text written past " + std::to_string(room_) + " characters");
        }
    }

private:
    std::uint16_t room_;
    std::vector<char16_t> chars_;
};

// `truncate` and `poke`: the outside world changes a file in the working directory,
// read whole and written back. False when it cannot be read (a missing file is
// empty for `poke`) or written.
bool EditFile(const Command& command)
{
    std::vector<std::uint8_t> bytes;
    if (std::FILE* in = platform::OpenSettingsFile(command.text.c_str(), "rb")) {
        for (int c = std::fgetc(in); c != EOF; c = std::fgetc(in)) {
            bytes.push_back(static_cast<std::uint8_t>(c));
        }
        std::fclose(in);
    } else if (command.op == Op::Truncate) {
        return false;
    }
    const std::vector<std::uint32_t>& n = command.numbers;
    if (command.op == Op::Truncate) {
        bytes.resize(std::min<std::size_t>(bytes.size(), n[0]));
    } else {
        const std::size_t end = n[0] + n.size() - 1;
        bytes.resize(std::max(bytes.size(), end));
        std::copy(n.begin() + 1, n.end(), bytes.begin() + n[0]);
    }
    std::FILE* out = platform::OpenSettingsFile(command.text.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

// `file`: the outside world writes a text file, each line ended by LF. False when it
// cannot be written.
bool WriteTextFile(const Command& command)
{
    std::FILE* out = platform::OpenSettingsFile(command.text.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool written = true;
    for (const std::string& line : command.lines) {
        written =
            std::fwrite(line.data(), 1, line.size(), out) == line.size() && std::fputc('\n', out) != EOF && written;
    }
    return std::fclose(out) == 0 && written;
}

// A field the command named (its range was checked when the script was parsed).
template <typename T>
void TakeField(const Command& command, Field field, T* target)
{
    if ((command.fieldMask & (1u << field)) != 0) {
        *target = static_cast<T>(command.fields[field]);
    }
}

std::string FormatEffect(const sim::Effect& effect)
{
    char text[kEffectTextRoom];
    EffectText(effect, text);
    return text;
}

}  // namespace

Host* Host::current_ = nullptr;

Host::Host(Extension& extension) : extension_(extension)
{
    current_ = this;
    sim::TheWorld().Reset();
    sim::TheWorld().SetListener(&Host::OnEffect, this);
    ClearJoystickNames();
    services_.GenerateEvent = &Host::GenerateEvent;
    services_.NextActionParameter = &Host::NextActionParameter;
    services_.FirstExpressionParameter = &Host::FirstExpressionParameter;
    services_.NextExpressionParameter = &Host::NextExpressionParameter;
    services_.StringResultBuffer = &Host::StringResultBuffer;
    editor_.services.GetVersion = &Host::EditorVersion;
    editor_.services.GeneralCall = &Host::EditorGeneralCall;
    editor_.version = kDefaultEditorVersion;
    compatibleEditor_ = editor_;
    // Every file starts with the game's window in front.
    if (extension_.SetFocus != nullptr) {
        extension_.SetFocus(true, nullptr);
    }
}

Host::~Host()
{
    // The game ends: every object goes, as the host would destroy them, unheard.
    output_ = nullptr;
    for (LiveObject& live : objects_) {
        extension_.DestroyRunObject(live.object, 0);
    }
    objects_.clear();
    sim::TheWorld().SetListener(nullptr, nullptr);
    ClearJoystickNames();
    if (current_ == this) {
        current_ = nullptr;
    }
}

bool Host::Start(std::string* error)
{
    if (!ResetExtension(&extension_, error)) {
        return false;
    }
    runInfo_ = RunInfo{};
    extension_.GetRunObjectInfos(&services_, &runInfo_);
    return BuildDirectory(error);
}

// Event names are the extension's own menu texts: every command of each menu,
// mapped to its code and parameter types through the catalogue exports.
bool Host::BuildDirectory(std::string* error)
{
    directory_ = EventDirectory{};
    for (int kind = 0; kind < 3; ++kind) {
        MenuHandle menu = extension_.GetMenu[kind](&compatibleEditor_.services, nullptr, nullptr);
        std::vector<MenuItem> items;
        if (menu == nullptr || !extension_.ReadAndFreeMenu(menu, &items)) {
            *error = std::string("the extension gives no ") + kKindNames[kind] + " menu";
            return false;
        }
        std::vector<const MenuItem*> pending;
        for (const MenuItem& item : items) {
            pending.push_back(&item);
        }
        while (!pending.empty()) {
            const MenuItem* item = pending.back();
            pending.pop_back();
            for (const MenuItem& child : item->children) {
                pending.push_back(&child);
            }
            if (item->separator || item->popup) {
                continue;
            }
            const std::int32_t code =
                extension_.GetCodeFromMenu[kind](&compatibleEditor_.services, static_cast<std::uint16_t>(item->id));
            const std::int16_t* info =
                code < 0 ? nullptr
                         : extension_.GetEventInfos[kind](&compatibleEditor_.services, static_cast<std::int16_t>(code));
            if (info == nullptr) {
                continue;
            }
            EventEntry entry{item->text, code, {}};
            const int count = std::clamp<int>(info[2], 0, 8);
            for (int p = 0; p < count; ++p) {
                entry.types.push_back(info[3 + p]);
            }
            directory_.events[kind].push_back(std::move(entry));
        }
    }
    return true;
}

void Host::Emit(std::string line)
{
    if (output_ != nullptr) {
        output_->push_back(std::move(line));
    }
}

void Host::OnEffect(void* context, const sim::Effect& effect)
{
    static_cast<Host*>(context)->Emit(FormatEffect(effect));
}

Host::LiveObject* Host::Find(const std::string& name)
{
    for (LiveObject& live : objects_) {
        if (live.name == name) {
            return &live;
        }
    }
    return nullptr;
}

void ZANDREL_CALL Host::GenerateEvent(RunObject* object, std::int32_t code, std::int32_t)
{
    Host* host = current_;
    if (host == nullptr) {
        return;
    }
    const bool known = code >= 0 && code < host->runInfo_.conditionCount && host->runInfo_.conditions != nullptr &&
                       host->runInfo_.conditions[code] != nullptr;
    // By index: nothing a condition routine can do changes the list.
    for (std::size_t i = 0; i < host->watches_.size(); ++i) {
        const Watch& watch = host->watches_[i];
        if (watch.object != object || watch.code != code || !known) {
            continue;
        }
        if (host->runInfo_.conditions[code](object, watch.argument, 0) != 0) {
            std::string line = "fired ";
            for (const LiveObject& live : host->objects_) {
                if (live.object == object) {
                    line += live.name;
                }
            }
            line += " " + watch.name;
            if (watch.hasArgument) {
                line += " " + std::to_string(watch.argument);
            }
            host->Emit(line);
            if (!watch.reaction.empty()) {
                host->RunReaction(watch.reaction[0]);
            }
        }
    }
}

HostParam ZANDREL_CALL Host::NextActionParameter(RunObject*, std::int32_t, std::int32_t)
{
    Host* host = current_;
    if (host == nullptr || host->arguments_ == nullptr || host->nextArgument_ >= host->arguments_->size()) {
        return 0;
    }
    const Argument& argument = (*host->arguments_)[host->nextArgument_++];
    if (argument.isText) {
        return reinterpret_cast<HostParam>(argument.text.c_str());
    }
    return static_cast<std::int32_t>(argument.value);
}

std::int32_t ZANDREL_CALL Host::FirstExpressionParameter(RunObject*, std::int32_t, HostParam)
{
    Host* host = current_;
    if (host == nullptr || host->arguments_ == nullptr || host->arguments_->empty()) {
        return 0;
    }
    return static_cast<std::int32_t>((*host->arguments_)[0].value);
}

std::int32_t ZANDREL_CALL Host::NextExpressionParameter(RunObject*, std::int32_t, HostParam)
{
    Host* host = current_;
    if (host == nullptr || host->arguments_ == nullptr || host->nextArgument_ >= host->arguments_->size()) {
        return 0;
    }
    return static_cast<std::int32_t>((*host->arguments_)[host->nextArgument_++].value);
}

char16_t* ZANDREL_CALL Host::StringResultBuffer(RunObject*, std::int32_t, std::int32_t)
{
    return current_ == nullptr ? nullptr : current_->stringResult_;
}

std::uint32_t ZANDREL_CALL Host::EditorVersion(EditorServices* self)
{
    return reinterpret_cast<HostEditor*>(self)->version;
}

HostParam ZANDREL_CALL Host::EditorGeneralCall(EditorServices*, void*, std::int32_t, HostParam, HostParam, HostParam)
{
    return 0;
}

void Host::RunFrames(std::uint32_t count)
{
    for (std::uint32_t n = 0; n < count; ++n) {
        if (pace_ != 0) {
            const double now = NowMilliseconds();
            if (nextFrameAt_ > now) {
                SleepMilliseconds(static_cast<unsigned>(nextFrameAt_ - now));
            }
            // A frame that came late does not make the next ones hurry.
            nextFrameAt_ = std::max(nextFrameAt_, now) + 1000.0 / pace_;
        }
        const double start = NowMilliseconds();
        for (std::size_t i = 0; i < objects_.size(); ++i) {
            extension_.HandleRunObject(objects_[i].object);
        }
        frameTimes_.push_back(NowMilliseconds() - start);
        if (extension_.AfterFrame != nullptr) {
            extension_.AfterFrame(output_);
        }
    }
}

void Host::PadCommand(const Command& command)
{
    std::string answer;
    if (!SendPadCommand(command.channelLine, &answer)) {
        Emit("! pad \"" + command.channelLine + "\": " + answer);
    } else if (command.op == Op::PadRumble) {
        // The channel answers "ok LOW HIGH", the motor speeds the pad was last given.
        Emit("= " + answer.substr(answer.size() > 3 ? 3 : answer.size()));
    }
}

// The answer says only whether a frame took longer than a frame lasts at 60 a second,
// so that a script can expect it; the figures go to the error stream for the log.
void Host::ReportFrameTimes()
{
    constexpr double kFrameMs = 16;
    std::vector<double> sorted = frameTimes_;
    std::sort(sorted.begin(), sorted.end());
    const auto over = std::count_if(sorted.begin(), sorted.end(), [](double ms) { return ms > kFrameMs; });
    std::fprintf(stderr, "frame times: %u frames, median %.3f ms, maximum %.3f ms\n",
                 static_cast<unsigned>(sorted.size()), sorted.empty() ? 0.0 : sorted[sorted.size() / 2],
                 sorted.empty() ? 0.0 : sorted.back());
    Emit("= " + std::to_string(sorted.size()) + " frames, " + (over == 0 ? "none" : std::to_string(over)) +
         " over 16 ms");
    frameTimes_.clear();
}

void Host::Execute(const Command& command, std::vector<std::string>* output)
{
    output_ = output;
    switch (command.op) {
        case Op::Create:
            Create(command.object);
            break;
        case Op::Destroy:
            Destroy(command.object);
            break;
        case Op::Frame:
            RunFrames(command.numbers[0]);
            break;
        case Op::Pad:
        case Op::PadRumble:
            PadCommand(command);
            break;
        case Op::Pace:
            pace_ = command.numbers[0];
            nextFrameAt_ = NowMilliseconds();
            break;
        case Op::FrameTimes:
            ReportFrameTimes();
            break;
        case Op::Action:
        case Op::Condition:
        case Op::Expression:
            RunEvent(command);
            break;
        case Op::On:
            watches_.push_back(
                Watch{Find(command.object)->object, command.code, command.eventName, !command.arguments.empty(),
                      command.arguments.empty() ? 0 : static_cast<std::int32_t>(command.arguments[0].value),
                      command.reaction});
            break;
        case Op::Infos:
        case Op::RunInfo:
        case Op::Menu:
        case Op::Code:
        case Op::Info:
        case Op::String:
        case Op::Title:
        case Op::Param:
        case Op::ObjInfos:
        case Op::Editor:
        case Op::EditorNone:
            Editor(command);
            break;
        default:
            World(command);
            break;
    }
    if (extension_.AfterCommand != nullptr && output_ != nullptr) {
        extension_.AfterCommand(output_);
    }
    output_ = nullptr;
}

void Host::World(const Command& command)
{
    sim::World& world = sim::TheWorld();
    const auto& n = command.numbers;
    switch (command.op) {
        case Op::Controls:
            for (int c = 0; c < kControlsPerPlayer; ++c) {
                controlKeys_[n[0]][c] = static_cast<std::uint16_t>(n[1 + c]);
            }
            break;
        case Op::Joystick: {
            sim::Joystick& joystick = world.joysticks[n[0]];
            joystick.present = true;
            TakeField(command, kVid, &joystick.vid);
            TakeField(command, kPid, &joystick.pid);
            TakeField(command, kX, &joystick.x);
            TakeField(command, kY, &joystick.y);
            TakeField(command, kZ, &joystick.z);
            TakeField(command, kR, &joystick.r);
            TakeField(command, kU, &joystick.u);
            TakeField(command, kV, &joystick.v);
            TakeField(command, kPov, &joystick.pov);
            TakeField(command, kButtons, &joystick.buttons);
            break;
        }
        case Op::Unplug:
            world.joysticks[n[0]].present = false;
            break;
        case Op::XInput:
        case Op::XInputOf: {
            sim::XInputPad& pad = world.xinput[n[0]];
            pad.answers = true;
            pad.faceOf = command.op == Op::XInputOf ? static_cast<std::int8_t>(n[1]) : std::int8_t{-1};
            TakeField(command, kLeftTrigger, &pad.leftTrigger);
            TakeField(command, kRightTrigger, &pad.rightTrigger);
            break;
        }
        case Op::XInputFail:
            world.xinput[n[0]].answers = false;
            world.xinput[n[0]].faceOf = -1;
            break;
        case Op::Device:
            world.devices.push_back(command.text);
            break;
        case Op::DevicesClear:
            world.devices.clear();
            break;
        case Op::DevicesFail:
            world.devicesFail = true;
            break;
        case Op::DevicesOk:
            world.devicesFail = false;
            break;
        case Op::Registry:
            SetJoystickName(static_cast<std::uint16_t>(n[0]), static_cast<std::uint16_t>(n[1]), command.text);
            break;
        case Op::Truncate:
        case Op::Poke:
            if (!EditFile(command)) {
                Emit("! cannot change file " + Quoted(Utf16ToUtf8(command.text)));
            }
            break;
        case Op::File:
            if (!WriteTextFile(command)) {
                Emit("! cannot write file " + Quoted(Utf16ToUtf8(command.text)));
            }
            break;
        case Op::KeyDown:
        case Op::KeyUp:
            world.SetKey(static_cast<std::uint8_t>(n[0]), command.op == Op::KeyDown);
            break;
        case Op::KeyboardFail:
        case Op::KeyboardOk:
            world.keyboardFails = command.op == Op::KeyboardFail;
            break;
        case Op::FocusGame:
        case Op::FocusAway:
            world.gameInFront = command.op == Op::FocusGame;
            if (extension_.SetFocus != nullptr) {
                extension_.SetFocus(world.gameInFront, output_);
            }
            break;
        default:
            break;
    }
}

void Host::PrintMenu(const std::vector<MenuItem>& items, const std::string& indent)
{
    for (const MenuItem& item : items) {
        if (item.separator) {
            Emit(indent + "-");
        } else if (item.popup) {
            Emit(indent + "> " + item.text);
            PrintMenu(item.children, indent + "  ");
        } else {
            Emit(indent + std::to_string(item.id) + " " + item.text);
        }
    }
}

void Host::Editor(const Command& command)
{
    EditorServices* editor = &editor_.services;
    const int kind = static_cast<int>(command.kind);
    const auto& n = command.numbers;
    switch (command.op) {
        case Op::Editor:
            editor_.services.GetVersion = &Host::EditorVersion;
            editor_.version = n[0];
            break;
        case Op::EditorNone:
            editor_.services.GetVersion = nullptr;
            break;
        case Op::Infos:
            Emit("= " +
                 std::to_string(static_cast<std::int32_t>(extension_.GetInfos(static_cast<std::int32_t>(n[0])))));
            break;
        case Op::RunInfo: {
            RunInfo info{};
            extension_.GetRunObjectInfos(&services_, &info);
            std::string code;
            for (const char c : info.identifier) {
                code.push_back(c >= 0x20 && c < 0x7F ? c : '?');
            }
            Emit("= conditions " + std::to_string(info.conditionCount) + " actions " +
                 std::to_string(info.actionCount) + " expressions " + std::to_string(info.expressionCount) +
                 " editdata " + std::to_string(info.editDataSize) + " code " + code);
            break;
        }
        case Op::Menu: {
            MenuHandle menu = extension_.GetMenu[kind](editor, nullptr, nullptr);
            std::vector<MenuItem> items;
            if (menu == nullptr) {
                Emit("= none");
            } else if (!extension_.ReadAndFreeMenu(menu, &items)) {
                Emit("! the menu cannot be read");
            } else {
                PrintMenu(items, "");
            }
            break;
        }
        case Op::Code:
            Emit("= " + std::to_string(extension_.GetCodeFromMenu[kind](editor, static_cast<std::uint16_t>(n[0]))));
            break;
        case Op::Info: {
            const std::int16_t* info = extension_.GetEventInfos[kind](editor, static_cast<std::int16_t>(n[0]));
            if (info == nullptr) {
                Emit("= none");
                break;
            }
            char flags[16];
            std::snprintf(flags, sizeof flags, "0x%x", static_cast<unsigned>(static_cast<std::uint16_t>(info[1])));
            const int count = std::clamp<int>(info[2], 0, 8);
            std::string line = "= code " + std::to_string(info[0]) + " flags " + flags + " params " +
                               std::to_string(info[2]) + " types";
            for (int p = 0; p < count; ++p) {
                line += " " + std::to_string(info[3 + p]);
            }
            line += " titles";
            for (int p = 0; p < count; ++p) {
                line += " " + std::to_string(info[3 + count + p]);
            }
            Emit(line);
            break;
        }
        case Op::String:
        case Op::Title:
        case Op::Param: {
            TextBuffer buffer(kTextRoom);
            const auto code = static_cast<std::int16_t>(n[0]);
            if (command.op == Op::String) {
                extension_.GetString[kind](editor, code, buffer.data(), buffer.room());
            } else if (command.op == Op::Param) {
                extension_.GetExpressionParam(editor, code, static_cast<std::int16_t>(n[1]), buffer.data(),
                                              buffer.room());
            } else if (command.kind == EventKind::Condition) {
                extension_.GetConditionTitle(editor, code, static_cast<std::int16_t>(n[1]), buffer.data(),
                                             buffer.room());
            } else if (command.kind == EventKind::Action) {
                extension_.GetActionTitle(editor, code, static_cast<std::int16_t>(n[1]), buffer.data(), buffer.room());
            } else {
                extension_.GetExpressionTitle(editor, code, buffer.data(), buffer.room());
            }
            std::vector<std::string> lines;
            buffer.Answer(&lines);
            for (std::string& line : lines) {
                Emit(std::move(line));
            }
            break;
        }
        case Op::ObjInfos: {
            TextBuffer texts[5] = {TextBuffer(255), TextBuffer(255), TextBuffer(255), TextBuffer(1024),
                                   TextBuffer(255)};
            extension_.GetObjInfos(editor, editData_, texts[0].data(), texts[1].data(), texts[2].data(),
                                   texts[3].data(), texts[4].data());
            std::vector<std::string> lines;
            for (const TextBuffer& text : texts) {
                text.Answer(&lines);
            }
            for (std::string& line : lines) {
                Emit(std::move(line));
            }
            break;
        }
        default:
            break;
    }
}

void Host::Create(const std::string& name)
{
    const std::int32_t asked = extension_.GetRunObjectDataSize(nullptr, editData_);
    const std::size_t size = std::max<std::size_t>(static_cast<std::size_t>(std::max(asked, 0)), sizeof(HostHeader));
    LiveObject live{name, std::make_unique<std::uint64_t[]>((size + 7) / 8), nullptr};
    live.object = reinterpret_cast<RunObject*>(live.memory.get());
    HostHeader& header = live.object->header;
    header.services = &services_;
    header.controlKeys = &controlKeys_;
    header.flags = 0;
    objects_.push_back(std::move(live));
    extension_.CreateRunObject(objects_.back().object, editData_, nullptr);
}

void Host::Destroy(const std::string& name)
{
    LiveObject* live = Find(name);
    RunObject* object = live->object;
    extension_.DestroyRunObject(object, 0);
    watches_.erase(std::remove_if(watches_.begin(), watches_.end(),
                                  [object](const Watch& watch) { return watch.object == object; }),
                   watches_.end());
    objects_.erase(objects_.begin() + (live - objects_.data()));
}

// An event's action, condition or expression, run inside the call that raised the
// event; the running action's parameters are kept for it.
void Host::RunReaction(const Command& command)
{
    if (Find(command.object) == nullptr) {
        Emit("! no object " + command.object + " for the event's " + kKindNames[static_cast<int>(command.kind)]);
        return;
    }
    const std::vector<Argument>* const outerArguments = arguments_;
    const std::size_t outerNext = nextArgument_;
    RunEvent(command);
    arguments_ = outerArguments;
    nextArgument_ = outerNext;
}

void Host::RunEvent(const Command& command)
{
    if (command.op == Op::Action) {
        RunAction(command);
    } else if (command.op == Op::Condition) {
        RunCondition(command);
    } else {
        RunExpression(command);
    }
}

void Host::RunAction(const Command& command)
{
    if (command.code >= runInfo_.actionCount || runInfo_.actions == nullptr ||
        runInfo_.actions[command.code] == nullptr) {
        Emit("! no routine for action " + command.eventName);
        return;
    }
    arguments_ = &command.arguments;
    nextArgument_ = 0;
    runInfo_.actions[command.code](Find(command.object)->object, 0, 0);
    arguments_ = nullptr;
}

void Host::RunCondition(const Command& command)
{
    if (command.code >= runInfo_.conditionCount || runInfo_.conditions == nullptr ||
        runInfo_.conditions[command.code] == nullptr) {
        Emit("! no routine for condition " + command.eventName);
        return;
    }
    const std::int32_t argument = command.arguments.empty() ? 0 : static_cast<std::int32_t>(command.arguments[0].value);
    Emit("= " + std::to_string(runInfo_.conditions[command.code](Find(command.object)->object, argument, 0)));
}

void Host::RunExpression(const Command& command)
{
    if (command.code >= runInfo_.expressionCount || runInfo_.expressions == nullptr ||
        runInfo_.expressions[command.code] == nullptr) {
        Emit("! no routine for expression " + command.eventName);
        return;
    }
    RunObject* object = Find(command.object)->object;
    std::fill(std::begin(stringResult_), std::end(stringResult_), kUntouched);
    object->header.flags = static_cast<std::uint16_t>(object->header.flags & ~kStringResultFlag);
    arguments_ = &command.arguments;
    nextArgument_ = 1;
    const HostParam value = runInfo_.expressions[command.code](object, kParameterHandle);
    arguments_ = nullptr;
    if ((object->header.flags & kStringResultFlag) == 0) {
        Emit("= " + std::to_string(static_cast<std::int32_t>(value)));
        return;
    }
    const auto* text = reinterpret_cast<const char16_t*>(value);
    if (text == nullptr) {
        Emit("= null");
        return;
    }
    const bool ours = text == stringResult_;
    const std::size_t limit = ours ? static_cast<std::size_t>(kStringResultRoom) : kLongestResult;
    std::size_t length = 0;
    while (length < limit && text[length] != u'\0') {
        ++length;
    }
    Emit("= " + Quoted(Utf16ToUtf8(std::u16string(text, length))));
    if (length == limit) {
        Emit("! string result without terminator");
    }
    if (ours && !std::all_of(stringResult_ + kStringResultRoom, std::end(stringResult_),
                             [](char16_t c) { return c == kUntouched; })) {
        Emit("! string result written past its " + std::to_string(kStringResultRoom) + " characters");
    }
}

}  // namespace zandrel::host
