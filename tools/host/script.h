// The host script language: one command a line, "=>" lines holding the output the
// command above them must print. Parsing checks everything that can be checked
// before running (commands, fields, value ranges, object names, event names and
// their argument counts), so a run never meets a malformed command.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zandrel::host {

enum class EventKind : std::uint8_t { Condition, Action, Expression };

constexpr std::int16_t kFileNameParameter = 45;

// One event as the extension's catalogue describes it: its menu text, code and
// parameter types.
struct EventEntry {
    std::string name;
    std::int32_t code;
    std::vector<std::int16_t> types;
};

struct EventDirectory {
    std::vector<EventEntry> events[3];
    const EventEntry* Find(EventKind kind, const std::string& name) const;
};

enum class Op : std::uint8_t {
    Controls,
    Joystick,
    Unplug,
    XInput,
    XInputFail,
    XInputOf,
    Device,
    DevicesClear,
    DevicesFail,
    DevicesOk,
    Registry,
    Truncate,
    Poke,
    File,
    KeyDown,
    KeyUp,
    KeyboardFail,
    KeyboardOk,
    FocusGame,
    FocusAway,
    Editor,
    EditorNone,
    Create,
    Destroy,
    Frame,
    Action,
    Condition,
    Expression,
    On,
    Infos,
    RunInfo,
    Menu,
    Code,
    Info,
    String,
    Title,
    Param,
    ObjInfos,
    Pad,
    PadRumble,
    Pace,
    FrameTimes,
};

// Joystick and XInput fields that a command names.
enum Field : std::uint8_t {
    kVid,
    kPid,
    kX,
    kY,
    kZ,
    kR,
    kU,
    kV,
    kPov,
    kButtons,
    kLeftTrigger,
    kRightTrigger,
    kFieldCount
};

// One event argument: a 32-bit value, or a text for a file-name parameter.
struct Argument {
    bool isText = false;
    std::uint32_t value = 0;
    std::u16string text;
};

struct Expectation {
    int line;
    std::string text;
};

struct Command {
    Op op;
    int line = 0;
    std::string source;  // the command as written, without surrounding blanks
    std::string object;
    EventKind kind = EventKind::Condition;
    std::int32_t code = 0;
    std::string eventName;
    std::vector<std::uint32_t> numbers;  // plain numeric operands, in order
    std::vector<Argument> arguments;     // event arguments
    std::u16string text;                 // device id, registry name or file name
    std::vector<std::string> lines;      // the lines of a `file`, UTF-8
    std::string channelLine;             // `pad`: the line for the virtual pads' command channel
    std::uint32_t fieldMask = 0;         // bit f set when Field f was named
    std::uint32_t fields[kFieldCount] = {};
    std::vector<Expectation> expected;
    std::vector<Command> reaction;  // `on ... do`: the one command run when the condition fires
};

// A comment or blank line kept for the transcript, placed before command `before`.
struct Remark {
    std::size_t before;
    std::string text;
};

struct Script {
    std::vector<Command> commands;
    std::vector<Remark> remarks;
};

struct ParseError {
    int line = 0;
    std::string message;
};

// False with `error` set at the first malformed line.
bool ParseScript(const std::string& text, const EventDirectory& directory, Script* script, ParseError* error);

}  // namespace zandrel::host
