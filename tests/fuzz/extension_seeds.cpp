// Writes the extension fuzzer's seed corpus: a few programs that retell host scripts
// (the tour, the settings file, an XInput pad, a pad pulled out, the catalogue, device
// names, standard layouts, every event once, identical pads and pads plugged back,
// keys held through remaps),
// so the fuzzer starts from sequences that reach deep into the extension.
//
//   zandrel_extension_seeds DIR          writes the seeds
//   zandrel_extension_seeds --print FILE  prints any input (a corpus entry, a crash) as ops
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "exports/routine_tables.h"
#include "tests/fuzz/extension_program.h"

namespace zandrel::fuzz {

namespace {

constexpr int kNoJoystickField = 32767;
constexpr int kHatCentred = 65535;
constexpr int kFixedName = 2;  // file-name selector: the first fixed name

int Code(OpKind kind, const char* name)
{
    const std::int32_t code = EventCode(kind, name);
    if (code < 0) {
        std::fprintf(stderr, "no event named %s\n", name);
        std::exit(1);
    }
    return code;
}

Op Create(int slot)
{
    return {OpKind::kCreate, {slot, 0}, {}};
}
Op Destroy(int slot)
{
    return {OpKind::kDestroy, {slot}, {}};
}
Op Frame(int count = 1)
{
    return {OpKind::kFrame, {count}, {}};
}
Op Joystick(int id, int vid, int pid, int buttons = 0, int x = kNoJoystickField, int y = kNoJoystickField)
{
    return {OpKind::kJoystick, {id, 0, vid, pid, x, y, kHatCentred, buttons}, {}};
}
Op Unplug(int id)
{
    return {OpKind::kUnplug, {id}, {}};
}
Op XInput(int index, bool answers, int left = 0, int right = 0)
{
    return {OpKind::kXInput, {index, answers ? 1 : 0, left, right}, {}};
}
Op XInputOf(int index, int joystick, int left = 0, int right = 0)
{
    return {OpKind::kXInputOf, {index, joystick, left, right}, {}};
}
Op Replug(int from, int to)
{
    return {OpKind::kReplug, {from, to}, {}};
}
Op Device(int vid, int pid)
{
    return {OpKind::kDevice, {0, vid, pid}, {""}};
}
Op Registry(int vid, int pid, const std::string& name)
{
    std::string bytes;
    for (const char c : name) {
        bytes += c;
        bytes += '\0';
    }
    return {OpKind::kRegistry, {vid, pid, 1}, {bytes + std::string(2, '\0')}};
}
Op Controls(int player, int control, int key)
{
    return {OpKind::kControls, {player, control, key}, {}};
}
Op Condition(int slot, const char* name, int param)
{
    return {OpKind::kCondition, {slot, Code(OpKind::kCondition, name), param}, {}};
}
Op Action(int slot, const char* name, int p1 = 0, int p2 = 0, int p3 = 0)
{
    return {OpKind::kAction, {slot, Code(OpKind::kAction, name), p1, p2, p3, kFixedName}, {}};
}
Op Expression(int slot, const char* name, int p1 = 0, int p2 = 0)
{
    return {OpKind::kExpression, {slot, Code(OpKind::kExpression, name), p1, p2, 0, 0}, {}};
}
Op Export(int which, int code, int index, int length)
{
    return {OpKind::kExport, {which, code, index, length}, {}};
}

std::vector<Op> Tour()
{
    std::vector<Op> ops;
    const int keys[8] = {38, 40, 37, 39, 90, 88, 32, 13};
    for (int c = 0; c < 8; ++c) {
        ops.push_back(Controls(0, c, keys[c]));
    }
    ops.insert(ops.end(), {Joystick(0, 0x045E, 0x028E),
                           Registry(0x045E, 0x028E, "Tour Pad"),
                           Create(0),
                           Action(0, "SetPlayerAndPadID", 0, 0),
                           Expression(0, "getDeviceName", 0),
                           Joystick(0, 0x045E, 0x028E, 1),
                           Frame(),
                           Frame(4),
                           Joystick(0, 0x045E, 0x028E, 0),
                           Frame(),
                           Joystick(0, 0x045E, 0x028E, 0, 0),
                           Frame(),
                           Condition(0, "PressedButton", 4),
                           Action(0, "SetVantor", 4, 0x58),
                           Action(0, "EnableControl", 5, 0),
                           Joystick(0, 0x045E, 0x028E, 2),
                           Frame(),
                           Action(0, "SaveSetting"),
                           Action(0, "SetVantor", 4, 0x5A),
                           Action(0, "LoadSetting"),
                           Expression(0, "getVantorSetting", 4),
                           Unplug(0),
                           Frame(),
                           Expression(0, "IsError"),
                           Joystick(0, 0x045E, 0x028E),
                           Frame(),
                           Destroy(0)});
    return ops;
}

std::vector<Op> Settings()
{
    return {Controls(2, 0, 87),
            Joystick(0, 0x045E, 0x028E),
            Create(0),
            Action(0, "SetPlayerAndPadID", 2, 0),
            Action(0, "SetCFControlKey", 2, 0, 0x141),
            Action(0, "SetVirtualButton", 5, -1),
            Action(0, "POVZeroIN"),
            Action(0, "SaveSetting"),
            Create(1),
            Action(1, "SetPlayerAndPadID", 0, 1),
            Action(1, "LoadSetting"),
            Expression(1, "getCFControlKey", 2, 0),
            {OpKind::kFile, {kFixedName + 4}, {"", std::string(40, '\x07')}},
            {OpKind::kAction, {1, Code(OpKind::kAction, "LoadSetting"), 0, 0, 0, kFixedName + 4}, {""}},
            Frame(2)};
}

std::vector<Op> XInputPad()
{
    return {Device(0, 0),
            Device(0x045E, 0x028E),
            Joystick(0, 0x045E, 0x028E),
            XInput(0, true),
            Create(0),
            Action(0, "SetPlayerAndPadID", 0, 0),
            Frame(),
            Expression(0, "IsXInput"),
            Action(0, "XInputSetVibration", 100, 200),
            Action(0, "SetVantor", 10, 0x51),
            XInput(0, true, 31, 255),
            Frame(),
            XInput(0, false),
            Frame(),
            Expression(0, "getInputPadButtonNumber", 0),
            Expression(0, "getAnyPadID"),
            Action(0, "ReLoadDeviceList"),
            Frame()};
}

// Two identical XInput pads whose indexes run against their joystick ids, pressed one
// after the other, then pulled out and plugged back at other ids and at their own.
std::vector<Op> OwnPlaces()
{
    return {Device(0x045E, 0x028E),
            Device(0x045E, 0x028E),
            Joystick(0, 0x045E, 0x028E),
            Joystick(1, 0x045E, 0x028E),
            XInputOf(1, 0),
            XInputOf(0, 1),
            Create(0),
            Create(1),
            Action(0, "SetPlayerAndPadID", 0, 0),
            Action(1, "SetPlayerAndPadID", 1, 1),
            Action(0, "SetVantor", 10, 0x51),
            Frame(),
            Joystick(0, 0x045E, 0x028E, 1),
            Frame(2),
            Joystick(0, 0x045E, 0x028E, 0),
            Joystick(1, 0x045E, 0x028E, 2),
            Frame(2),
            XInputOf(1, 0, 255, 0),
            Action(1, "XInputSetVibration", 100, 200),
            Frame(),
            Expression(0, "getTrigger", 0),
            Unplug(0),
            Frame(),
            Replug(0, 2),
            Replug(1, 3),
            Frame(4),
            Expression(0, "getPadID"),
            Replug(2, 2),
            Frame(4),
            XInput(1, true),
            Frame()};
}

std::vector<Op> PulledOut()
{
    return {Joystick(1, 0x0810, 0x0001, 0x10),
            Create(0),
            Create(1),
            Action(0, "SetPlayerAndPadID", 0, 1),
            Frame(),
            Unplug(1),
            Frame(),
            Expression(0, "IsError"),
            {OpKind::kKey, {0x41, 1}, {}},
            Frame(),
            Condition(0, "PressedKey", 0x41),
            Joystick(1, 0x0810, 0x0001),
            Frame(2),
            Action(0, "ResetKey"),
            Destroy(1)};
}

// The held-key script: remapped, shared and switched-off buttons released while held,
// motors on two indexes, frames away from the game.
std::vector<Op> HeldKeys()
{
    const Op away{OpKind::kKeyboard, {2}, {}};
    const Op inFront{OpKind::kKeyboard, {0}, {}};
    return {Device(0x0002, 0x0002),
            Device(0x045E, 0x028E),
            Joystick(0, 0x045E, 0x028E, 0x1),
            XInputOf(1, 0),
            Create(0),
            Action(0, "SetPlayerAndPadID", 0, 0),
            Frame(),
            Action(0, "SetVantor", 4, 0x41),
            Action(0, "SetVirtualButton", 5, 4),
            Joystick(0, 0x045E, 0x028E, 0x2),
            Frame(),
            Action(0, "EnableControl", 5, 0),
            Action(0, "XInputSetVibration", 100, 200),
            Joystick(0, 0x045E, 0x028E, 0x7),
            Frame(),
            away,
            Frame(),
            inFront,
            Frame(),
            Action(0, "ReLoadDeviceList"),
            Frame(),
            Action(0, "XInputSetVibration", 300, 0),
            Action(0, "ResetKey"),
            Frame(),
            Destroy(0)};
}

std::vector<Op> Catalogue()
{
    std::vector<Op> ops;
    for (int which = 0; which < 24; ++which) {
        ops.push_back(Export(which, 3, 0, 256));
    }
    ops.push_back(Export(9, 2, 0, 1));
    ops.push_back(Export(13, 1, 2, 0));
    ops.push_back({OpKind::kEditor, {2, 0}, {}});
    ops.push_back(Export(0, 0, 0, 0));
    return ops;
}

// The expression script's device names: a short one, one cut to the string result.
std::vector<Op> DeviceNames()
{
    return {Joystick(3, 0x1234, 0xABCD),
            Registry(0x1234, 0xABCD, "Pad \"Pro\" \\ 2"),
            Create(0),
            Action(0, "SetPlayerAndPadID", 0, 3),
            Expression(0, "getDeviceName", 0),
            Expression(0, "getDeviceName", 3),
            Registry(0x1234, 0xABCD, "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij0123456789"),
            Expression(0, "getDeviceName", 1),
            Unplug(3),
            Frame(),
            Expression(0, "getDeviceName", 0)};
}

// The layouts script: a DualShock 4 through its built-in row and a pad through a row
// loaded from a file, with comments, a CR LF end, an axis item and a line too long.
std::vector<Op> Layouts()
{
    const std::string rows =
        "# pads\r\n030000004c050000c405000000000000,Swapped,a:b0,x:b1,\n"
        "03000000d620000011a7000000000000,Pad,a:b2,lefttrigger:a4,dpup:b12,platform:Windows,\r\n";
    const std::string longLine = std::string(200, 'x');
    return {Joystick(0, 0x054C, 0x05C4, 0x1002),
            Joystick(1, 0x20D6, 0xA711, 0x1004),
            Create(0),
            Create(1),
            Action(0, "SetPlayerAndPadID", 0, 0),
            Action(1, "SetPlayerAndPadID", 1, 1),
            Action(0, "UseStandardLayout", 1),
            Action(1, "UseStandardLayout", 1),
            Frame(),
            Expression(0, "getButtonName", 4),
            {OpKind::kFile, {kFixedName + 8, 0}, {"", rows}},
            {OpKind::kAction, {0, Code(OpKind::kAction, "LoadPadLayouts"), 0, 0, 0, kFixedName + 8}, {""}},
            Frame(),
            Expression(1, "getPadType"),
            Expression(1, "getButtonName", 10),
            {OpKind::kFile, {kFixedName + 12, 6}, {"", longLine}},
            {OpKind::kAction, {1, Code(OpKind::kAction, "LoadPadLayouts"), 0, 0, 0, kFixedName + 12}, {""}},
            Expression(1, "getInputPadButtonNumber", 1),
            Frame(2)};
}

// Every routine of the tables once, on a bound object, as the event scripts do.
std::vector<Op> EveryEvent()
{
    std::vector<Op> ops = {Joystick(0, 0x045E, 0x028E), Create(0), Action(0, "SetPlayerAndPadID", 0, 0)};
    for (int code = 0; code < kActionCount; ++code) {
        ops.push_back({OpKind::kAction, {0, code, 1, 2, 3, kFixedName}, {}});
        ops.push_back(Frame());
    }
    for (int code = 0; code < kConditionCount; ++code) {
        ops.push_back({OpKind::kCondition, {0, code, 1}, {}});
    }
    for (int code = 0; code < kExpressionCount; ++code) {
        ops.push_back({OpKind::kExpression, {0, code, 1, 2, 3, 0}, {}});
    }
    return ops;
}

}  // namespace

}  // namespace zandrel::fuzz

int main(int argc, char** argv)
{
    using namespace zandrel::fuzz;
    if (argc == 3 && std::string(argv[1]) == "--print") {
        std::ifstream in(argv[2], std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        for (const Op& op : DecodeProgram(bytes.data(), bytes.size())) {
            std::printf("%s\n", DescribeOp(op).c_str());
        }
        return in.bad() ? 1 : 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: zandrel_extension_seeds DIR | --print FILE\n");
        return 2;
    }
    const struct {
        const char* name;
        std::vector<Op> ops;
    } seeds[] = {{"tour", Tour()},
                 {"settings", Settings()},
                 {"xinput", XInputPad()},
                 {"pulled_out", PulledOut()},
                 {"catalogue", Catalogue()},
                 {"device_names", DeviceNames()},
                 {"layouts", Layouts()},
                 {"every_event", EveryEvent()},
                 {"own_places", OwnPlaces()},
                 {"held_keys", HeldKeys()}};
    for (const auto& seed : seeds) {
        const std::vector<std::uint8_t> bytes = EncodeProgram(seed.ops);
        const std::string path = std::string(argv[1]) + "/seed-" + seed.name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
            std::fclose(file) != 0) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
