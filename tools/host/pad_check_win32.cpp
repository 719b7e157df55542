#include "tools/host/pad_check_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/run_object.h"
#include "tools/host/host.h"
#include "tools/host/world_hooks_win32.h"

namespace zandrel::host {

namespace {

constexpr unsigned kAllButStrokes = kRealPads | kRealInventory | kRealKeyboardState;
constexpr UINT kJoystickIds = 16;
constexpr LONGLONG kFramesPerSecond = 60;

// The default key of each button slot, as the extension maps them: slots 0..7 take
// player 0's control keys when the object is created, 8..15 are set afterwards.
struct SlotKey {
    std::uint8_t code;
    const char* name;
};
constexpr SlotKey kSlotKeys[kPadBits] = {
    {VK_UP, "Up"}, {VK_DOWN, "Down"}, {VK_LEFT, "Left"}, {VK_RIGHT, "Right"}, {'Z', "Z"}, {'X', "X"},
    {'C', "C"},    {'V', "V"},        {'A', "A"},        {'S', "S"},          {'D', "D"}, {'Q', "Q"},
    {'W', "W"},    {'E', "E"},        {'R', "R"},        {'F', "F"},
};
constexpr int kControlSlots = 8;

volatile LONG stopRequested = 0;

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        InterlockedExchange(&stopRequested, 1);
        return TRUE;
    }
    return FALSE;
}

bool PadAnswers(UINT id)
{
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNALL;
    return joyGetPosEx(id, &info) == JOYERR_NOERROR;
}

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// A fresh host over the real world but for keybd_event; false after saying why.
bool StartHost(Extension* extension, const std::string& library, std::unique_ptr<Host>* host, std::ostream& out)
{
    extension->realWorld = kAllButStrokes;
    std::string error;
    if (!BindExtension(library, extension, &error)) {
        out << "zandrel-host: " << error << "\n";
        return false;
    }
    *host = std::make_unique<Host>(*extension);
    if (!(*host)->Start(&error)) {
        out << "zandrel-host: " << error << "\n";
        return false;
    }
    return true;
}

// Runs script lines against the host; the output of all of them in `output`.
bool Run(Host& host, const std::string& text, std::vector<std::string>* output, std::ostream& out)
{
    Script script;
    ParseError error;
    if (!ParseScript(text, host.directory(), &script, &error)) {
        out << "zandrel-host: " << error.message << "\n";
        return false;
    }
    for (const Command& command : script.commands) {
        host.Execute(command, output);
    }
    return true;
}

// The answers ("= ...") among a command's output, without the key lines.
std::vector<std::string> AnswerLines(const std::vector<std::string>& output)
{
    std::vector<std::string> answers;
    for (const std::string& line : output) {
        if (line.rfind("= ", 0) == 0) {
            answers.push_back(line.substr(2));
        }
    }
    return answers;
}

// A key line of the output with the key's name, e.g. "key down 0x5A (Z)".
std::string Named(const std::string& line)
{
    const std::size_t hex = line.find("0x");
    if (line.rfind("key ", 0) != 0 || hex == std::string::npos) {
        return line;
    }
    const unsigned long code = std::strtoul(line.c_str() + hex, nullptr, 16);
    for (const SlotKey& key : kSlotKeys) {
        if (key.code == code) {
            return line + " (" + key.name + ")";
        }
    }
    return line;
}

std::string Bits(unsigned state)
{
    std::string bits;
    for (int bit = kPadBits - 1; bit >= 0; --bit) {
        bits += (state & (1u << bit)) != 0 ? '1' : '0';
    }
    return bits;
}

}  // namespace

int ListPads(const std::string& library, std::ostream& out)
{
    std::vector<UINT> answering;
    for (UINT id = 0; id < kJoystickIds; ++id) {
        if (PadAnswers(id)) {
            answering.push_back(id);
        }
    }
    if (answering.empty()) {
        out << "no pad answers (joystick ids 0.." << kJoystickIds - 1 << ")\n";
        return 0;
    }
    Extension extension;
    std::unique_ptr<Host> host;
    int status = 0;
    if (!StartHost(&extension, library, &host, out)) {
        status = 1;
    }
    for (std::size_t i = 0; status == 0 && i < answering.size(); ++i) {
        // Bound and read once by the extension itself: ids, XInput lookup and name.
        // One script, since a script names only the objects it creates; the host
        // destroys them when it ends.
        const std::string id = std::to_string(answering[i]);
        const std::string object = "pad" + id;
        std::vector<std::string> output;
        const std::string script = "create " + object + "\naction " + object + " SetPlayerAndPadID 0 " + id +
                                   "\nframe\nexpression " + object + " getDeviceName 0\n";
        const RunObject* record = nullptr;
        if (!Run(*host, script, &output, out) || (record = host->Record(object)) == nullptr) {
            status = 1;
            break;
        }
        const std::vector<std::string> name = AnswerLines(output);
        out << "joystick " << id << ": vid " << Hex(record->vid, 4) << " pid " << Hex(record->pid, 4) << ", name "
            << (name.empty() ? "?" : name[0]) << ", "
            << (record->xinputIndex >= 0 ? "XInput pad " + std::to_string(record->xinputIndex) : "not an XInput pad")
            << "\n";
    }
    host.reset();
    UnbindExtension(&extension);
    return status;
}

int WatchPad(const std::string& library, int pad, int frames, std::ostream& out)
{
    if (!PadAnswers(static_cast<UINT>(pad))) {
        out << "no pad answers at joystick id " << pad << "\n";
        return 0;
    }
    Extension extension;
    std::unique_ptr<Host> host;
    if (!StartHost(&extension, library, &host, out)) {
        UnbindExtension(&extension);
        return 1;
    }
    std::string setup = "controls 0";
    for (int slot = 0; slot < kControlSlots; ++slot) {
        setup += " " + std::to_string(kSlotKeys[slot].code);
    }
    setup += "\ncreate pad\naction pad SetPlayerAndPadID 0 " + std::to_string(pad) + "\n";
    for (int slot = kControlSlots; slot < kPadBits; ++slot) {
        setup += "action pad SetVantor " + std::to_string(slot) + " " + std::to_string(kSlotKeys[slot].code) + "\n";
    }
    std::vector<std::string> output;
    Script frame;
    ParseError error;
    if (!Run(*host, setup, &output, out) || !ParseScript("frame\n", host->directory(), &frame, &error)) {
        host.reset();
        UnbindExtension(&extension);
        return 1;
    }
    out << "joystick " << pad << " is player 0; button slots 0..15 send";
    for (const SlotKey& key : kSlotKeys) {
        out << " " << key.name;
    }
    out << "\nbits 15..0 of the pad, then the keys sent (only printed); Ctrl+C ends\n";
    out.flush();

    InterlockedExchange(&stopRequested, 0);
    SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
    timeBeginPeriod(1);
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const RunObject* record = host->Record("pad");
    unsigned shownBits = 0;
    std::int32_t shownError = 0;
    int frameNumber = 0;
    for (; (frames < 0 || frameNumber < frames) && stopRequested == 0; ++frameNumber) {
        output.clear();
        host->Execute(frame.commands[0], &output);
        if (record->prevPadState != shownBits || record->padError != shownError || !output.empty()) {
            shownBits = record->prevPadState;
            shownError = record->padError;
            out << "frame " << frameNumber << ": " << (shownError != 0 ? "the pad does not answer" : Bits(shownBits));
            for (std::size_t i = 0; i < output.size(); ++i) {
                out << (i == 0 ? "  " : ", ") << Named(output[i]);
            }
            out << "\n";
            out.flush();
        }
        // The next frame's time, a sixtieth of a second after this one's.
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const LONGLONG due = start.QuadPart + (frameNumber + 1) * frequency.QuadPart / kFramesPerSecond;
        if (due > now.QuadPart) {
            Sleep(static_cast<DWORD>((due - now.QuadPart) * 1000 / frequency.QuadPart));
        }
    }
    timeEndPeriod(1);
    SetConsoleCtrlHandler(&OnConsoleEvent, FALSE);
    out << frameNumber << " frames\n";
    host.reset();
    UnbindExtension(&extension);
    return 0;
}

}  // namespace zandrel::host
