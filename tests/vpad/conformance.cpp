// The pad stage's conformance program: the platform layer's Win32 side, pad decoding,
// the XInput device list and its scan and the device-name lookup, built for 64-bit
// Windows and run under wine64 against the virtual pads of tests/vpad/shim. It moves
// the pads through their command channel and checks, step by step, what our functions
// return from Wine's own joystick, XInput, device and registry services.
//
//   vpad_conformance.exe PORT
//
// Pads: 0 the XInput-class pad (045E:028E), 1 the DualShock 4 (054C:05C4), 2 a second
// XInput-class pad, unplugged at first. Each check prints one line: "ok" or "FAIL", its
// name, the value seen (expected and got on a failure) and, for a change, the reads and
// milliseconds from the channel's answer to the first read that showed it. Lines
// starting "report" are findings, not checks.
#include <winsock2.h>
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "input/device_name.h"
#include "input/pad_layouts.h"
#include "input/pad_state.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"

namespace {

using zandrel::PadState;
using zandrel::platform::JoyIds;
using zandrel::platform::JoyReading;
using zandrel::platform::XInputTriggers;

constexpr DWORD kChannelTimeoutMs = 5000;
constexpr double kChangeLimitMs = 1000;       // a change not shown by then is a failure
constexpr double kPlugLimitMs = 15000;        // Wine's device services take longer for a new pad
constexpr double kQuietMs = 150;              // how long a read must stay unchanged for "nothing"
constexpr double kFrameCycleReplugMs = 4000;  // a replugged pad is to read again within 4 s
constexpr int kStepFailureLimit = 10;
constexpr std::uint32_t kJoystickIds = 16;
constexpr std::uint32_t kNoJoystick = 165;  // JOYERR_PARMS: Wine forgets a pad that went away
constexpr std::uint32_t kPovCentred = 65535;
constexpr std::uint32_t kAxisRest = 32768;  // a centred axis once the pad has sent a report
const zandrel::PadTuning kTuning{0, 0, zandrel::kDeadZone, zandrel::kTriggerThreshold, false};

int checks = 0;
int failures = 0;

struct Latency {
    int reads;
    double ms;
};
std::vector<Latency> latencies;

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string Format(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
std::string Format(const char* format, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

void Pass(const std::string& name, const std::string& seen)
{
    ++checks;
    std::printf("ok    %s: %s\n", name.c_str(), seen.c_str());
}

void Fail(const std::string& name, const std::string& expected, const std::string& got)
{
    ++checks;
    ++failures;
    std::printf("FAIL  %s: expected %s, got %s\n", name.c_str(), expected.c_str(), got.c_str());
}

void Verdict(bool ok, const std::string& name, const std::string& expected, const std::string& got)
{
    if (ok) {
        Pass(name, got);
    } else {
        Fail(name, expected, got);
    }
}

void Report(const std::string& text)
{
    std::printf("report %s\n", text.c_str());
}

// ---- the pads' command channel: TCP on 127.0.0.1, a line out, "ok" back

class PadChannel {
public:
    ~PadChannel()
    {
        if (socket_ != INVALID_SOCKET) {
            closesocket(socket_);
        }
        WSACleanup();
    }
    bool Open(unsigned short port)
    {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
            return false;
        }
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (socket_ == INVALID_SOCKET) {
            return false;
        }
        // Every send and every wait for the answer is bounded.
        const DWORD timeout = kChannelTimeoutMs;
        setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
        setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    // The pads' answer to one command, or why there is none.
    std::string Send(const std::string& command)
    {
        const std::string line = command + "\n";
        if (send(socket_, line.data(), static_cast<int>(line.size()), 0) != static_cast<int>(line.size())) {
            return "no channel (send failed or timed out)";
        }
        std::string answer;
        char c = 0;
        while (recv(socket_, &c, 1, 0) == 1) {
            if (c == '\n') {
                return answer;
            }
            answer += c;
        }
        return "no answer within " + std::to_string(kChannelTimeoutMs) + " ms";
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
};

PadChannel channel;

// Sends a command; a refused one fails the check it belongs to.
bool Command(const std::string& check, const std::string& command)
{
    const std::string answer = channel.Send(command);
    if (answer != "ok") {
        Fail(check, "\"ok\" for \"" + command + "\"", "\"" + answer + "\"");
        return false;
    }
    return true;
}

// ---- what our functions return for one joystick

struct Observation {
    std::uint32_t result = 0;  // ReadJoystick
    JoyReading reading{};
    PadState bits = 0;  // decoded as a frame decodes, 0 when the read failed
    std::int32_t xinputIndex = -1;
    std::int16_t left = -1;  // the triggers at that index, -1 when not read
    std::int16_t right = -1;
};

// The axes a step moves, by their role.
enum Axis : std::uint8_t { kLX, kLY, kRX, kRY, kLT, kRT, kAxes };

// One pad under test: its channel index, ids, where each axis is among the pad's own,
// joystick id and XInput index (looked up once, as an object does when it binds the pad).
struct Pad {
    const char* name;
    int channel;
    std::uint16_t vendor;
    std::uint16_t product;
    int axes[kAxes];
    std::uint32_t joystick;
    std::int32_t xinputIndex;
    const zandrel::PadLayout* layout;  // decoded through this row as a plain pad, when set
};

// What one frame of a bound object reads and decodes.
Observation Observe(const Pad& pad)
{
    Observation seen;
    seen.result = zandrel::platform::ReadJoystick(pad.joystick, &seen.reading);
    if (seen.result != 0) {
        return seen;
    }
    zandrel::SeenTriggers triggers{-1, -1};
    zandrel::PadFetch fetch{};
    fetch.reading = seen.reading;
    fetch.xinputIndex = pad.xinputIndex;
    fetch.layout = pad.layout;
    if (pad.xinputIndex >= 0) {
        fetch.xinputAnswered =
            zandrel::platform::ReadXInputTriggers(static_cast<std::uint32_t>(pad.xinputIndex), &fetch.xinput) == 0;
    }
    seen.bits = zandrel::ComposeRead(fetch, kTuning, &triggers);
    seen.xinputIndex = pad.xinputIndex;
    seen.left = triggers.left;
    seen.right = triggers.right;
    return seen;
}

std::string Show(const Observation& seen)
{
    if (seen.result != 0) {
        return Format("read fails with %u", seen.result);
    }
    const JoyReading& r = seen.reading;
    std::string text = Format("X=%u Y=%u Z=%u R=%u U=%u V=%u buttons=0x%X POV=%u bits=0x%04X", r.xpos, r.ypos, r.zpos,
                              r.rpos, r.upos, r.vpos, r.buttons, r.pov, seen.bits);
    if (seen.left >= 0) {
        text += Format(" triggers=%d/%d", seen.left, seen.right);
    }
    return text;
}

// Reads until `shows` holds, at most `limitMs`; the reads it took, 0 when it never did.
template <typename Shows>
Latency PollUntil(const Pad& pad, Shows shows, double limitMs, Observation* last)
{
    const double start = NowMs();
    for (int reads = 1;; ++reads) {
        *last = Observe(pad);
        const double elapsed = NowMs() - start;
        if (shows(*last)) {
            return Latency{reads, elapsed};
        }
        if (elapsed > limitMs) {
            return Latency{0, elapsed};
        }
        Sleep(1);
    }
}

std::string Took(const Latency& latency)
{
    return Format("%d read%s, %.1f ms", latency.reads, latency.reads == 1 ? "" : "s", latency.ms);
}

// ---- the steps: a command, and what the joystick read and the pad bits must show

enum class Field : std::uint8_t { kNone, kX, kY, kZ, kV, kButtons, kPov, kLeftTrigger, kRightTrigger };

struct Step {
    const char* name;
    const char* command;  // "%d" is the pad, then the axis for an axis command
    Axis axis;            // the axis moved, kAxes for none
    Field field;          // kNone: nothing may change
    std::uint32_t value;
    PadState bits;
};

// The joystick reading's field for `field`, with its value at rest; null for the
// triggers (XInput's) and for nothing.
std::uint32_t* JoyField(JoyReading& r, Field field, std::uint32_t* rest)
{
    std::uint32_t* const fields[] = {nullptr, &r.xpos, &r.ypos, &r.zpos, &r.vpos, &r.buttons, &r.pov, nullptr, nullptr};
    const std::uint32_t rests[] = {0, kAxisRest, kAxisRest, kAxisRest, kAxisRest, 0, kPovCentred, 0, 0};
    *rest = rests[static_cast<int>(field)];
    return fields[static_cast<int>(field)];
}

std::uint32_t FieldOf(const Observation& seen, Field field)
{
    JoyReading r = seen.reading;
    std::uint32_t rest = 0;
    if (const std::uint32_t* value = JoyField(r, field, &rest)) {
        return *value;
    }
    const std::int16_t trigger = field == Field::kLeftTrigger ? seen.left : seen.right;
    return field == Field::kNone ? 0 : static_cast<std::uint32_t>(trigger);
}

const char* NameOf(Field field)
{
    static const char* const kNames[] = {"nothing",      "X", "Y", "Z", "V", "buttons", "POV", "left trigger",
                                         "right trigger"};
    return kNames[static_cast<int>(field)];
}

// The pad at rest as Wine reports it once the pad has sent a report: sticks centred,
// R and U (which Wine gives these pads none of) 0, both triggers released.
bool AtRest(const Observation& seen)
{
    const JoyReading& r = seen.reading;
    return seen.result == 0 && r.xpos == kAxisRest && r.ypos == kAxisRest && r.zpos == kAxisRest && r.rpos == 0 &&
           r.upos == 0 && r.vpos == kAxisRest && r.buttons == 0 && r.pov == kPovCentred && seen.bits == 0 &&
           seen.left <= 0 && seen.right <= 0;
}

// `field` shows `value`, the bits are the step's, and everything else is at rest.
bool Shows(const Observation& seen, const Step& step)
{
    if (seen.result != 0 || seen.bits != step.bits || FieldOf(seen, step.field) != step.value) {
        return false;
    }
    Observation rest = seen;
    JoyReading& r = rest.reading;
    std::uint32_t restValue = 0;
    if (std::uint32_t* value = JoyField(r, step.field, &restValue)) {
        *value = restValue;
    }
    if (step.field == Field::kLeftTrigger || step.field == Field::kRightTrigger) {
        r.zpos = kAxisRest;  // both triggers share Z
        rest.left = rest.right = 0;
    }
    if (step.field == Field::kZ) {
        rest.left = rest.right = 0;
    }
    rest.bits = 0;
    return AtRest(rest);
}

void RunStep(const Pad& pad, const Step& step)
{
    // A broken read fails every step; a few say enough, and the rest would only wait.
    static int notRun = 0;
    if (failures >= kStepFailureLimit) {
        if (notRun++ == 0) {
            std::printf("FAIL  steps: %d failures, the steps after them are not run\n", failures);
        }
        return;
    }
    char command[64];
    std::snprintf(command, sizeof command, step.command, pad.channel, step.axis < kAxes ? pad.axes[step.axis] : 0);
    const std::string name = Format("%s %s", pad.name, step.name);
    if (!Command(name, command)) {
        return;
    }
    Observation seen;
    if (step.field == Field::kNone) {
        // Nothing may show: the read stays at rest for a while.
        const Latency moved = PollUntil(
            pad, [](const Observation& o) { return !AtRest(o); }, kQuietMs, &seen);
        Verdict(moved.reads == 0, name, "no change",
                moved.reads == 0 ? Format("no change in %.0f ms", moved.ms) : Show(seen));
    } else {
        const Latency latency = PollUntil(
            pad, [&step](const Observation& o) { return Shows(o, step); }, kChangeLimitMs, &seen);
        if (latency.reads > 0) {
            latencies.push_back(latency);
            Pass(name,
                 Format("%s=%u bits=0x%04X (%s)", NameOf(step.field), step.value, seen.bits, Took(latency).c_str()));
        } else {
            Fail(name, Format("%s=%u bits=0x%04X, the rest at rest", NameOf(step.field), step.value, step.bits),
                 Show(seen) + Format(" after %.0f ms", latency.ms));
        }
    }
    // Back to rest before the next step.
    const std::string back = name + ", back at rest";
    if (Command(back, Format("reset %d", pad.channel))) {
        const Latency latency = PollUntil(pad, AtRest, kChangeLimitMs, &seen);
        if (latency.reads == 0) {
            Fail(back, "the pad at rest", Show(seen));
        }
    }
}

constexpr PadState kUp = zandrel::kPadUp;
constexpr PadState kDown = zandrel::kPadDown;
constexpr PadState kLeft = zandrel::kPadLeft;
constexpr PadState kRight = zandrel::kPadRight;
constexpr PadState kLeftTriggerBit = zandrel::kXInputLeftTrigger;
constexpr PadState kRightTriggerBit = zandrel::kXInputRightTrigger;

// The sticks, the triggers and the hat, alike on both pads: Wine gives both an XInput
// device, reads the triggers into one Z axis (the left one up, the right one down),
// the right stick's X into V and its Y into nothing the joystick service reports.
const Step kSharedSteps[] = {
    {"left stick right", "axis %d %d 32767", kLX, Field::kX, 65535, kRight},
    {"left stick left", "axis %d %d -32768", kLX, Field::kX, 0, kLeft},
    {"left stick down", "axis %d %d 32767", kLY, Field::kY, 65535, kDown},
    {"left stick up", "axis %d %d -32768", kLY, Field::kY, 0, kUp},
    {"right stick right", "axis %d %d 32767", kRX, Field::kV, 65535, 0},
    {"right stick down", "axis %d %d 32767", kRY, Field::kNone, 0, 0},
    {"left trigger full", "axis %d %d 32767", kLT, Field::kZ, 65408, kLeftTriggerBit},
    {"left trigger full (XInput)", "axis %d %d 32767", kLT, Field::kLeftTrigger, 255, kLeftTriggerBit},
    {"left trigger past the threshold", "axis %d %d -16000", kLT, Field::kLeftTrigger, 65, kLeftTriggerBit},
    {"left trigger below the threshold", "axis %d %d -26000", kLT, Field::kLeftTrigger, 26, 0},
    {"right trigger full", "axis %d %d 32767", kRT, Field::kZ, 128, kRightTriggerBit},
    {"right trigger full (XInput)", "axis %d %d 32767", kRT, Field::kRightTrigger, 255, kRightTriggerBit},
    {"hat north", "hat %d 0 n", kAxes, Field::kPov, 0, kUp},
    {"hat east", "hat %d 0 e", kAxes, Field::kPov, 9000, kRight},
    {"hat south", "hat %d 0 s", kAxes, Field::kPov, 18000, kDown},
    {"hat west", "hat %d 0 w", kAxes, Field::kPov, 27000, kLeft},
    {"hat north-east", "hat %d 0 ne", kAxes, Field::kPov, 4500, kUp | kRight},
};

constexpr std::size_t kHatNorthStep = 12;

// The XInput-class pad's buttons in SDL's game-controller order. Wine's XInput device
// has ten (A B X Y LB RB Back Start LS RS); the guide button shows nowhere.
const Step kXInputButtonSteps[] = {
    {"button A", "button %d 0 1", kAxes, Field::kButtons, 0x001, 0x0010},
    {"button B", "button %d 1 1", kAxes, Field::kButtons, 0x002, 0x0020},
    {"button X", "button %d 2 1", kAxes, Field::kButtons, 0x004, 0x0040},
    {"button Y", "button %d 3 1", kAxes, Field::kButtons, 0x008, 0x0080},
    {"button Back", "button %d 4 1", kAxes, Field::kButtons, 0x040, 0x1000},
    {"button Guide", "button %d 5 1", kAxes, Field::kNone, 0, 0},
    {"button Start", "button %d 6 1", kAxes, Field::kButtons, 0x080, 0x2000},
    {"button LS", "button %d 7 1", kAxes, Field::kButtons, 0x100, 0x4000},
    {"button RS", "button %d 8 1", kAxes, Field::kButtons, 0x200, 0x8000},
    {"button LB", "button %d 9 1", kAxes, Field::kButtons, 0x010, 0x0100},
    {"button RB", "button %d 10 1", kAxes, Field::kButtons, 0x020, 0x0200},
};

// The DualShock 4's 14 buttons: Wine passes the first ten, in their own order, as its
// XInput device's ten buttons, so they decode by the XInput pad's table; L3, R3, PS and
// the touchpad show nowhere.
const Step kDs4ButtonSteps[] = {
    {"button 1 (Square)", "button %d 0 1", kAxes, Field::kButtons, 0x001, 0x0010},
    {"button 2 (Cross)", "button %d 1 1", kAxes, Field::kButtons, 0x002, 0x0020},
    {"button 3 (Circle)", "button %d 2 1", kAxes, Field::kButtons, 0x004, 0x0040},
    {"button 4 (Triangle)", "button %d 3 1", kAxes, Field::kButtons, 0x008, 0x0080},
    {"button 5 (L1)", "button %d 4 1", kAxes, Field::kButtons, 0x010, 0x0100},
    {"button 6 (R1)", "button %d 5 1", kAxes, Field::kButtons, 0x020, 0x0200},
    {"button 7 (L2)", "button %d 6 1", kAxes, Field::kButtons, 0x040, 0x1000},
    {"button 8 (R2)", "button %d 7 1", kAxes, Field::kButtons, 0x080, 0x2000},
    {"button 9 (Share)", "button %d 8 1", kAxes, Field::kButtons, 0x100, 0x4000},
    {"button 10 (Options)", "button %d 9 1", kAxes, Field::kButtons, 0x200, 0x8000},
    {"button 11 (L3)", "button %d 10 1", kAxes, Field::kNone, 0, 0},
    {"button 12 (R3)", "button %d 11 1", kAxes, Field::kNone, 0, 0},
    {"button 13 (PS)", "button %d 12 1", kAxes, Field::kNone, 0, 0},
    {"button 14 (Touchpad)", "button %d 13 1", kAxes, Field::kNone, 0, 0},
};

// The same buttons' bits through the built-in row of 054C:05C4 (Cross, Circle, Square,
// Triangle, L1, R1, L2, R2, Share, Options, L3, R3 on bits 4..15).
constexpr PadState kDs4LayoutBits[] = {0x0040, 0x0010, 0x0020, 0x0080, 0x0100, 0x0200, 0x0400,
                                       0x0800, 0x1000, 0x2000, 0,      0,      0,      0};
static_assert(sizeof kDs4LayoutBits / sizeof kDs4LayoutBits[0] == sizeof kDs4ButtonSteps / sizeof kDs4ButtonSteps[0],
              "a layout bit for every button step");

// ---- the checks

// The joystick ids answering with `vendor`:`product`.
std::vector<std::uint32_t> FindJoysticks(std::uint16_t vendor, std::uint16_t product)
{
    std::vector<std::uint32_t> found;
    for (std::uint32_t id = 0; id < kJoystickIds; ++id) {
        JoyIds ids{};
        if (zandrel::platform::ReadJoystickIds(id, &ids) == 0 && ids.vendor == vendor && ids.product == product) {
            found.push_back(id);
        }
    }
    return found;
}

std::string Join(const std::vector<std::uint32_t>& ids)
{
    std::string text;
    for (std::uint32_t id : ids) {
        text += (text.empty() ? "" : ", ") + std::to_string(id);
    }
    return text;
}

// Waits for `count` joysticks with the pad's ids; their ids in `found`.
bool WaitForJoysticks(const std::string& name, const Pad& pad, std::size_t count, std::vector<std::uint32_t>* found)
{
    const double start = NowMs();
    int reads = 0;
    do {
        ++reads;
        *found = FindJoysticks(pad.vendor, pad.product);
        if (found->size() >= count) {
            Pass(name, Format("%04X:%04X at joystick id %s (%s)", pad.vendor, pad.product, Join(*found).c_str(),
                              Took(Latency{reads, NowMs() - start}).c_str()));
            return true;
        }
        Sleep(10);
    } while (NowMs() - start < kPlugLimitMs);
    Fail(name, Format("%zu joystick(s) %04X:%04X", count, pad.vendor, pad.product), Format("%zu", found->size()));
    return false;
}

void CheckCapabilities(const Pad& pad)
{
    JOYCAPSW caps{};
    const MMRESULT result = joyGetDevCapsW(pad.joystick, &caps, sizeof caps);
    const std::string name = Format("%s capabilities", pad.name);
    if (result != JOYERR_NOERROR) {
        Fail(name, "joyGetDevCapsW 0", Format("%u", result));
        return;
    }
    // What Wine's joystick driver says of both pads alike.
    char product[64];
    std::snprintf(product, sizeof product, "%ls", caps.szPname);
    const bool ok = std::strcmp(product, "Wine joystick driver") == 0 && caps.wNumButtons == 10 && caps.wNumAxes == 5 &&
                    caps.wCaps == (JOYCAPS_HASZ | JOYCAPS_HASV | JOYCAPS_HASPOV | JOYCAPS_POV4DIR);
    Verdict(ok, name, "szPname \"Wine joystick driver\", 10 buttons, 5 axes, wCaps 0x0039",
            Format("szPname \"%s\", %u buttons, %u axes, wCaps 0x%04X", product, caps.wNumButtons, caps.wNumAxes,
                   caps.wCaps));
}

void CheckFirstRead(const Pad& pad)
{
    const Observation seen = Observe(pad);
    const JoyReading& r = seen.reading;
    // Before a pad's first report Wine answers 32767 for its centred axes, after it 32768.
    const auto centred = [](std::uint32_t v) { return v == 32767 || v == kAxisRest; };
    const bool ok = seen.result == 0 && centred(r.xpos) && centred(r.ypos) && centred(r.zpos) && centred(r.vpos) &&
                    r.rpos == 0 && r.upos == 0 && r.buttons == 0 && r.pov == kPovCentred && seen.bits == 0;
    Verdict(ok, Format("%s at rest", pad.name), "X Y Z V 32767 or 32768, R U 0, no button, POV 65535, bits 0",
            Show(seen));
}

std::string ListEntries()
{
    const zandrel::XInputDeviceList& list = zandrel::TheXInputDeviceList();
    std::string entries;
    for (int i = 0; i < list.count; ++i) {
        entries += Format("%s%04X:%04X", i == 0 ? "" : " ", list.ids[i] & 0xFFFF, list.ids[i] >> 16);
    }
    return Format("%d entries: %s", list.count, entries.c_str());
}

// The device inventory's XInput pads, and the device list the scan makes of them.
void CheckScan(const Pad& first, const Pad& second)
{
    std::vector<std::u16string> ids;
    zandrel::platform::EnumerateDeviceIds(
        [](void* context, const char16_t* id) {
            const std::u16string text(id);
            if (text.find(u"IG_") != std::u16string::npos) {
                static_cast<std::vector<std::u16string>*>(context)->push_back(text);
            }
        },
        &ids);
    std::string listed;
    for (const std::u16string& id : ids) {
        // Up to the instance part, which differs from run to run; the ids are ASCII.
        const std::u16string head = id.substr(0, id.rfind(u'\\'));
        listed += (listed.empty() ? "" : " ") + std::string(head.begin(), head.end());
    }
    Verdict(ids.size() == 4, "inventory IG_ ids", "4 (a HID and a WINEXINPUT id for each pad)",
            Format("%zu: %s", ids.size(), listed.c_str()));

    zandrel::RescanXInputDevices();
    const zandrel::XInputDeviceList& list = zandrel::TheXInputDeviceList();
    const bool ok = list.count == 4 && list.ids[0] == zandrel::MakeXInputDeviceId(first.vendor, first.product) &&
                    list.ids[1] == zandrel::MakeXInputDeviceId(second.vendor, second.product);
    Verdict(ok, "XInput device list", "4 entries, 045E:028E and 054C:05C4 first", ListEntries());
}

// Index `index`'s XInput read, asked until it answers (with `answering` false: until it
// fails) or the plug limit passes, since Wine's XInput side learns of a pad coming or
// going a moment after its joystick side.
std::uint32_t XInputReadUntil(std::uint32_t index, bool answering, XInputTriggers* triggers)
{
    std::uint32_t result = 0;
    for (const double began = NowMs(); NowMs() - began < kPlugLimitMs; Sleep(10)) {
        result = zandrel::platform::ReadXInputTriggers(index, triggers);
        if ((result == 0) == answering) {
            break;
        }
    }
    return result;
}

void CheckXInputIndex(Pad* pad, std::int32_t expected)
{
    const zandrel::XInputLookup lookup = zandrel::LookUpXInput(pad->joystick);
    pad->xinputIndex = lookup.position;
    XInputTriggers triggers{};
    const std::uint32_t result =
        lookup.position < 0 ? 1 : XInputReadUntil(static_cast<std::uint32_t>(lookup.position), true, &triggers);
    Verdict(lookup.position == expected && result == 0, Format("%s XInput index", pad->name),
            Format("index %d, whose XInput read answers", expected),
            Format("index %d, XInput read %u, triggers %u/%u", lookup.position, result, triggers.left, triggers.right));
}

// The standard layout's row for 054C:05C4 applied to what Wine reads from the pad, as
// it decodes a plain pad; then what an object with the layout on gets, which for a pad
// that Wine made an XInput pad is the XInput table.
void CheckStandardLayout(const Pad& ds4)
{
    const zandrel::PadLayoutTable& table = zandrel::ThePadLayoutTable();
    const std::int32_t row = zandrel::FindPadLayout(table, ds4.vendor, ds4.product);
    if (row < 0) {
        Fail("DualShock 4 standard layout", "a built-in row for 054C:05C4", "none");
        return;
    }
    Pad plain = ds4;
    plain.name = "DualShock 4 through its standard layout row";
    plain.xinputIndex = -1;
    plain.layout = &table.rows[row];
    for (std::size_t i = 0; i < sizeof kDs4ButtonSteps / sizeof kDs4ButtonSteps[0]; ++i) {
        Step step = kDs4ButtonSteps[i];
        step.bits = kDs4LayoutBits[i];
        RunStep(plain, step);
    }
    // The d-pad comes from the hat, as on a plain pad without a row.
    RunStep(plain, kSharedSteps[kHatNorthStep]);
    zandrel::PadTuning tuning = kTuning;
    tuning.standardLayout = true;
    PadState bits = 0;
    const std::string name = "DualShock 4 with the standard layout on, Cross held (an expression's fetch)";
    if (!Command(name, Format("button %d 1 1", ds4.channel))) {
        return;
    }
    Observation seen;
    PollUntil(
        ds4, [](const Observation& o) { return o.reading.buttons == 0x002; }, kChangeLimitMs, &seen);
    zandrel::PadFetch fetch{};
    const bool read = zandrel::FetchJoystick(ds4.joystick, &fetch);
    if (read) {
        zandrel::PlaceOtherPad(ds4.joystick, true, &fetch);
        bits = zandrel::ComposeRead(fetch, tuning, nullptr);
    }
    Verdict(read && bits == 0x0020, name, "bits 0x0020 (B: an XInput pad, which the layout leaves alone)",
            Format("bits 0x%04X", bits));
    Command(name, Format("reset %d", ds4.channel));
    PollUntil(ds4, AtRest, kChangeLimitMs, &seen);
}

void CheckName(const Pad& pad)
{
    char16_t value[zandrel::kDeviceNameRoom];
    const char16_t* before = zandrel::ReadDeviceName(pad.vendor, pad.product, value);
    Verdict(before == nullptr, "registry name before one is written", "none (Wine writes no OEMName)",
            before == nullptr ? "none" : "a name");

    wchar_t key[zandrel::kKeyPathRoom];
    zandrel::FormatJoystickKeyPath(pad.vendor, pad.product, reinterpret_cast<char16_t*>(key));
    const wchar_t written[] = L"Conformance pad \u00e9";
    const LONG stored = RegSetKeyValueW(HKEY_CURRENT_USER, key, L"OEMName", REG_SZ, written, sizeof written);
    const char16_t* after = zandrel::ReadDeviceName(pad.vendor, pad.product, value);
    const bool ok = stored == ERROR_SUCCESS && after != nullptr && std::memcmp(after, written, sizeof written) == 0;
    Verdict(ok, "registry name once written", "\"Conformance pad \\u00e9\"",
            after == nullptr ? Format("none (RegSetKeyValueW %ld)", stored) : "\"Conformance pad \\u00e9\"");
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
}

void CheckUnplugAndReplug(const Pad& pad)
{
    Observation seen;
    if (Command("unplug", Format("unplug %d", pad.channel))) {
        const Latency gone = PollUntil(
            pad, [](const Observation& o) { return o.result != 0; }, kPlugLimitMs, &seen);
        // The simulated world answers 167 (unplugged); the extension only asks for non-zero.
        Verdict(gone.reads > 0 && seen.result == kNoJoystick, "unplug: the read fails", Format("%u", kNoJoystick),
                Format("%u (%s)", seen.result, Took(gone).c_str()));
        XInputTriggers triggers{};
        const std::uint32_t xinput = XInputReadUntil(static_cast<std::uint32_t>(pad.xinputIndex), false, &triggers);
        Verdict(xinput == ERROR_DEVICE_NOT_CONNECTED, "unplug: the XInput read fails", "1167", Format("%u", xinput));
        // What the frame cycle does on a failed read.
        zandrel::platform::JoystickConfigChanged();
    }
    if (!Command("replug", Format("plug %d", pad.channel))) {
        return;
    }
    // First as the frame cycle gets a pad back, a frame each 1/60 s: while in error it
    // reads the pad's joystick id and takes it back when the ids there are the pad's,
    // and in the frame that failed and every 60 frames it also asks the other ids'
    // capabilities (asking an id with no pad is what makes Wine look for new pads) and
    // follows the pad to the lowest that answers with its ids and reads. Reported:
    // where the pad is read again, and whether its old id read as another pad meanwhile.
    double start = NowMs();
    int frames = 0;
    std::uint32_t at = pad.joystick;
    std::string how = "still fails";
    bool impostor = false;
    for (bool back = false; !back && NowMs() - start < kFrameCycleReplugMs; ++frames) {
        JoyReading reading{};
        JoyIds own{};
        if (zandrel::platform::ReadJoystick(at, &reading) == 0 && zandrel::platform::ReadJoystickIds(at, &own) == 0) {
            back = own.vendor == pad.vendor && own.product == pad.product;
            impostor = impostor || !back;
            if (back) {
                how = Format("reads again at its own joystick %u%s", at,
                             impostor ? ", after it read as another pad for a while" : "");
            }
        }
        if (!back && frames % 60 == 0) {
            for (std::uint32_t id = 0; id < kJoystickIds && !back; ++id) {
                JoyIds ids{};
                if (id != at && zandrel::platform::ReadJoystickIds(id, &ids) == 0 && ids.vendor == pad.vendor &&
                    ids.product == pad.product && zandrel::platform::ReadJoystick(id, &reading) == 0) {
                    how = Format("is followed to joystick %u", id);
                    back = true;
                }
            }
        }
        Sleep(16);
    }
    Report(Format("replug, as the frame cycle reads: joystick %u %s after %d frames (%.0f ms)%s", pad.joystick,
                  how.c_str(), frames, NowMs() - start,
                  how != "still fails" ? ": the pad in its own place again" : ""));
    // Then as a program that looks for it: the service told, every id's capabilities asked.
    zandrel::platform::JoystickConfigChanged();
    start = NowMs();
    int reads = 0;
    std::vector<std::uint32_t> answering;
    do {
        ++reads;
        for (std::uint32_t id : FindJoysticks(pad.vendor, pad.product)) {
            JoyReading reading{};
            if (zandrel::platform::ReadJoystick(id, &reading) == 0) {
                answering.push_back(id);
            }
        }
        Sleep(answering.empty() ? 10 : 0);
    } while (answering.empty() && NowMs() - start < kPlugLimitMs);
    Verdict(!answering.empty(), "replug: the pad answers again",
            Format("a joystick %04X:%04X that reads", pad.vendor, pad.product),
            answering.empty()
                ? "none"
                : Format("joystick %s (%s)", Join(answering).c_str(), Took(Latency{reads, NowMs() - start}).c_str()));
    std::string where;
    for (std::uint32_t id = 0; id < kJoystickIds; ++id) {
        JoyIds ids{};
        JoyReading reading{};
        if (zandrel::platform::ReadJoystickIds(id, &ids) == 0) {
            where += Format("%s%u %04X:%04X%s", where.empty() ? "" : ", ", id, ids.vendor, ids.product,
                            zandrel::platform::ReadJoystick(id, &reading) == 0 ? "" : " (read fails)");
        }
    }
    Report("replug: joystick ids now " + where);
}

// Pulls the left trigger of one of two identical pads (0 the first, 1 the second) and
// reports which joystick, which XInput index and which player's bits show it.
void ReportTrigger(const Pad (&players)[2], int pulled)
{
    const char* const kWhich[] = {"first", "second"};
    if (!Command("left trigger of one identical pad",
                 Format("axis %d %d 32767", players[pulled].channel, players[pulled].axes[kLT]))) {
        return;
    }
    Observation seen;
    PollUntil(
        players[pulled], [](const Observation& o) { return o.reading.zpos == 65408; }, kChangeLimitMs, &seen);
    std::string indexes;
    for (std::uint32_t index = 0; index < 4; ++index) {
        XInputTriggers triggers{};
        if (zandrel::platform::ReadXInputTriggers(index, &triggers) == 0 && triggers.left == 255) {
            indexes += (indexes.empty() ? "" : ", ") + std::to_string(index);
        }
    }
    std::string bits;
    for (int i = 0; i < 2; ++i) {
        const Observation player = Observe(players[i]);
        bits +=
            Format("; player %d (joystick %u, XInput index %d) bits 0x%04X, trigger bit %s", i + 1, players[i].joystick,
                   players[i].xinputIndex, player.bits, (player.bits & kLeftTriggerBit) != 0 ? "set" : "clear");
    }
    Report(Format("two identical pads: the %s pad's left trigger pulled (joystick %u Z=%u): XInput index %s shows it%s",
                  kWhich[pulled], players[pulled].joystick, seen.reading.zpos,
                  indexes.empty() ? "none" : indexes.c_str(), bits.c_str()));
    Command("identical pad back at rest", Format("reset %d", players[pulled].channel));
    PollUntil(players[pulled], AtRest, kChangeLimitMs, &seen);
}

// One press of A on each of two identical pads, as the frame cycle checks an XInput
// index: the index whose button word shows the joystick's buttons alone, and no other
// joystick holds, is confirmed for it; then each pad's index is guessed again.
void PlaceTwinPads(Pad (&players)[2])
{
    for (Pad& player : players) {
        if (!Command("A of one identical pad", Format("button %d 0 1", player.channel))) {
            return;
        }
        Observation seen;
        PollUntil(
            player, [](const Observation& o) { return (o.reading.buttons & 1u) != 0; }, kChangeLimitMs, &seen);
        zandrel::XInputReads reads;
        std::int32_t agreeing = -1;
        int agreements = 0;
        for (std::uint32_t index = 0; index < 4; ++index) {
            XInputTriggers state{};
            if (reads.Read(index, &state) &&
                zandrel::XInputFreeFor(index, static_cast<std::int32_t>(player.joystick)) &&
                (state.buttons & zandrel::kXInputFaceWord) == zandrel::XInputWordOfButtons(1)) {
                agreeing = static_cast<std::int32_t>(index);
                ++agreements;
            }
        }
        if (agreements == 1) {
            zandrel::ConfirmXInput(static_cast<std::uint32_t>(agreeing), static_cast<std::int32_t>(player.joystick));
        }
        Command("identical pad back at rest", Format("reset %d", player.channel));
        PollUntil(player, AtRest, kChangeLimitMs, &seen);
    }
    for (Pad& player : players) {
        zandrel::XInputReads reads;
        std::uint8_t answered = 0;
        const std::int32_t position = zandrel::LookUpXInput(player.joystick).position;
        player.xinputIndex = zandrel::GuessXInputIndex(static_cast<std::int32_t>(player.joystick),
                                                       position < 0 ? 0 : position, reads, &answered);
    }
    const bool own = players[0].xinputIndex != players[1].xinputIndex &&
                     zandrel::XInputConfirmedFor(static_cast<std::uint32_t>(players[0].xinputIndex)) ==
                         static_cast<std::int32_t>(players[0].joystick) &&
                     zandrel::XInputConfirmedFor(static_cast<std::uint32_t>(players[1].xinputIndex)) ==
                         static_cast<std::int32_t>(players[1].joystick);
    Report(
        Format("two identical pads: after one press on each, joystick %u -> XInput index %d, joystick %u -> "
               "XInput index %d: %s",
               players[0].joystick, players[0].xinputIndex, players[1].joystick, players[1].xinputIndex,
               own ? "each pad in its own place" : "not each in its own place"));
}

// Two identical XInput-class pads: which XInput index the lookup gives each, and
// whether the second one's trigger shows on the second player's bits. Reported, not
// checked: the lookup goes by vendor and product alone.
void ReportTwinPads(const Pad& first)
{
    Pad second = first;
    second.name = "second XInput-class pad";
    second.channel = 2;
    std::vector<std::uint32_t> twins;
    if (!Command("second XInput-class pad plugged", "plug 2") ||
        !WaitForJoysticks("second XInput-class pad plugged", second, 2, &twins)) {
        return;
    }
    std::vector<std::uint32_t> ds4 = FindJoysticks(0x054C, 0x05C4);
    Report(Format("two identical pads: joystick ids %s are 045E:028E, %s 054C:05C4", Join(twins).c_str(),
                  ds4.empty() ? "none" : Join(ds4).c_str()));
    zandrel::RescanXInputDevices();
    Report("two identical pads: the XInput device list holds " + ListEntries());
    Pad players[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        players[i].joystick = twins[static_cast<std::size_t>(i)];
        players[i].xinputIndex = zandrel::LookUpXInput(players[i].joystick).position;
        Report(
            Format("two identical pads: joystick %u -> XInput index %d", players[i].joystick, players[i].xinputIndex));
    }
    PlaceTwinPads(players);
    for (int pulled = 1; pulled >= 0; --pulled) {
        ReportTrigger(players, pulled);
    }
    Command("second pad back at rest", "reset 2");
    Command("second XInput-class pad unplugged", "unplug 2");
}

void ReportLatency()
{
    if (latencies.empty()) {
        return;
    }
    std::vector<Latency> sorted = latencies;
    std::sort(sorted.begin(), sorted.end(), [](const Latency& a, const Latency& b) { return a.ms < b.ms; });
    int mostReads = 0;
    int oneRead = 0;
    for (const Latency& l : latencies) {
        mostReads = std::max(mostReads, l.reads);
        oneRead += l.reads == 1 ? 1 : 0;
    }
    Report(
        Format("latency over %zu changes, from the channel's answer to the first read that shows it: %d in the "
               "first read, at most %d reads; %.1f ms median, %.1f ms min, %.1f ms max",
               sorted.size(), oneRead, mostReads, sorted[sorted.size() / 2].ms, sorted.front().ms, sorted.back().ms));
}

// The joystick id that shows pad `pad`'s first button held, or -1 when none does alone
// within the plug limit (Wine's service of a new process looks for pads at its first query).
int JoystickOfPad(int pad)
{
    if (channel.Send(Format("button %d 0 1", pad)) != "ok") {
        return -1;
    }
    int found = -1;
    const double start = NowMs();
    while (found < 0 && NowMs() - start < kPlugLimitMs) {
        int showing = 0;
        for (std::uint32_t id = 0; id < kJoystickIds; ++id) {
            JoyReading reading{};
            if (zandrel::platform::ReadJoystick(id, &reading) == 0 && (reading.buttons & 1u) != 0) {
                found = static_cast<int>(id);
                ++showing;
            }
        }
        found = showing == 1 ? found : -1;
        Sleep(10);
    }
    channel.Send(Format("reset %d", pad));
    Sleep(100);
    return found;
}

// `order COUNT`: whether Wine numbered the stage's first COUNT pads in the list's order.
int CheckOrder(int count)
{
    // A pad's state shows only with its next report after the service opened it: first
    // every pad found, then the presses.
    const double start = NowMs();
    int answering = 0;
    while (answering < count && NowMs() - start < kPlugLimitMs) {
        answering = 0;
        for (std::uint32_t id = 0; id < kJoystickIds; ++id) {
            JoyReading reading{};
            answering += zandrel::platform::ReadJoystick(id, &reading) == 0 ? 1 : 0;
        }
        Sleep(10);
    }
    bool inOrder = true;
    for (int pad = 0; pad < count; ++pad) {
        const int joystick = JoystickOfPad(pad);
        std::printf("pad %d: joystick %d\n", pad, joystick);
        inOrder = inOrder && joystick == pad;
    }
    return inOrder ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    const int port = argc >= 2 ? std::atoi(argv[1]) : 0;
    const bool order = argc == 4 && std::strcmp(argv[2], "order") == 0;
    if (port <= 0 || port > 65535 || (argc != 2 && !order)) {
        std::fprintf(stderr, "usage: vpad_conformance.exe PORT [order COUNT]\n");
        return 2;
    }
    if (!channel.Open(static_cast<unsigned short>(port))) {
        std::printf("FAIL  command channel: cannot connect to 127.0.0.1:%d\n", port);
        return 1;
    }
    if (order) {
        return CheckOrder(std::atoi(argv[3]));
    }
    timeBeginPeriod(1);
    // Axes by the pads' own order: SDL's game-controller order on the XInput-class pad,
    // the Linux driver's on the DualShock 4.
    Pad xinput{"XInput-class pad", 0, 0x045E, 0x028E, {0, 1, 2, 3, 4, 5}, 0, -1, nullptr};
    Pad ds4{"DualShock 4", 1, 0x054C, 0x05C4, {0, 1, 3, 4, 2, 5}, 0, -1, nullptr};
    std::vector<std::uint32_t> found[2];
    if (!WaitForJoysticks("ids of the XInput-class pad", xinput, 1, &found[0]) ||
        !WaitForJoysticks("ids of the DualShock 4", ds4, 1, &found[1])) {
        std::printf("%d checks, %d failed\n", checks, failures);
        return 1;
    }
    xinput.joystick = found[0][0];
    ds4.joystick = found[1][0];
    CheckCapabilities(xinput);
    CheckCapabilities(ds4);
    CheckFirstRead(xinput);
    CheckFirstRead(ds4);
    CheckScan(xinput, ds4);
    CheckXInputIndex(&xinput, 0);
    CheckXInputIndex(&ds4, 1);

    for (const Step& step : kSharedSteps) {
        RunStep(xinput, step);
    }
    for (const Step& step : kXInputButtonSteps) {
        RunStep(xinput, step);
    }
    for (const Step& step : kSharedSteps) {
        RunStep(ds4, step);
    }
    for (const Step& step : kDs4ButtonSteps) {
        RunStep(ds4, step);
    }
    CheckStandardLayout(ds4);
    CheckName(xinput);
    CheckUnplugAndReplug(xinput);
    ReportTwinPads(xinput);
    ReportLatency();
    timeEndPeriod(1);
    std::printf("%d checks, %d failed\n", checks, failures);
    return failures == 0 ? 0 : 1;
}
