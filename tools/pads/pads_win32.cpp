// zandrel-pads.exe, the pad checker for game authors and players: which joysticks
// answer, and what the zandrel.mfx beside it makes of one of them, frame by frame,
// optionally recorded as a host script. Everything is the system's own except
// keybd_event, so keys are printed, never typed; the library's other calls of the
// outside world pass through hooks that tell the session what was read and done.
#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>
#include <wbemidl.h>
#include <xinput.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/host/effect_text.h"
#include "tools/host/import_table_win32.h"
#include "tools/pads/pad_session.h"
#include "tools/pads/pad_window.h"
#include "zandrel_version.h"

// winmm exports it; the mingw headers leave it out.
extern "C" MMRESULT WINAPI joyConfigChanged(DWORD flags);

namespace {

using zandrel::pads::PadSession;
namespace platform = zandrel::platform;
namespace sim = zandrel::sim;

constexpr int kUsageError = 2;
constexpr LONGLONG kFramesPerSecond = 60;
constexpr int kMostFrames = 1000000;

volatile LONG stopRequested = 0;

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        InterlockedExchange(&stopRequested, 1);
        return TRUE;
    }
    return FALSE;
}

void Report(const sim::Effect& effect)
{
    if (PadSession* session = PadSession::Current()) {
        session->OnEffect(effect);
    }
}

// ---- the library's imports: the system's answer, told to the session ----

MMRESULT WINAPI HookJoyGetPosEx(UINT id, LPJOYINFOEX info)
{
    const MMRESULT result = joyGetPosEx(id, info);
    if (PadSession* session = PadSession::Current()) {
        platform::JoyReading reading{};
        if (result == JOYERR_NOERROR && info != nullptr) {
            reading = platform::JoyReading{info->dwXpos, info->dwYpos, info->dwButtons, info->dwPOV,
                                           info->dwZpos, info->dwRpos, info->dwUpos,    info->dwVpos};
        }
        session->OnJoystickRead(id, result, reading);
    }
    return result;
}

MMRESULT WINAPI HookJoyGetDevCapsW(UINT_PTR id, LPJOYCAPSW caps, UINT size)
{
    const MMRESULT result = joyGetDevCapsW(id, caps, size);
    if (PadSession* session = PadSession::Current()) {
        platform::JoyIds ids{};
        if (result == JOYERR_NOERROR && caps != nullptr) {
            ids = platform::JoyIds{caps->wMid, caps->wPid};
        }
        session->OnJoystickIds(static_cast<std::uint32_t>(id), result, ids);
    }
    return result;
}

MMRESULT WINAPI HookJoyConfigChanged(DWORD flags)
{
    Report({sim::EffectKind::JoyConfigChanged, 0, 0, 0});
    return joyConfigChanged(flags);
}

DWORD WINAPI HookXInputGetState(DWORD index, XINPUT_STATE* state)
{
    const DWORD result = XInputGetState(index, state);
    if (PadSession* session = PadSession::Current()) {
        platform::XInputTriggers triggers{};
        if (result == ERROR_SUCCESS && state != nullptr) {
            triggers = platform::XInputTriggers{state->Gamepad.bLeftTrigger, state->Gamepad.bRightTrigger,
                                                state->Gamepad.wButtons};
        }
        session->OnXInputRead(index, result, triggers);
    }
    return result;
}

DWORD WINAPI HookXInputSetState(DWORD index, XINPUT_VIBRATION* vibration)
{
    if (vibration != nullptr) {
        Report({sim::EffectKind::Vibration, index, vibration->wLeftMotorSpeed, vibration->wRightMotorSpeed});
    }
    return XInputSetState(index, vibration);
}

void WINAPI HookKeybdEvent(BYTE key, BYTE, DWORD flags, ULONG_PTR)
{
    Report({sim::EffectKind::KeyStroke, key, flags, 0});
}

// The request for the inventory locator starts a scan.
HRESULT WINAPI HookCoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* out)
{
    if (IsEqualGUID(clsid, CLSID_WbemLocator)) {
        Report({sim::EffectKind::RescanStarted, 0, 0, 0});
    }
    return CoCreateInstance(clsid, outer, context, iid, out);
}

// ---- the library ----

struct Library {
    HMODULE module = nullptr;
    zandrel::pads::ExtensionCalls calls{};
};

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function)
{
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (*function == nullptr) {
        std::printf("zandrel-pads: zandrel.mfx does not export %s\n", name);
        return false;
    }
    return true;
}

// The zandrel.mfx of the program's own folder, its outside world hooked.
bool Load(Library* library)
{
    wchar_t path[MAX_PATH + 16] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD folder = length;
    while (folder > 0 && path[folder - 1] != L'\\' && path[folder - 1] != L'/') {
        --folder;
    }
    std::wcscpy(path + folder, L"zandrel.mfx");
    library->module = LoadLibraryW(path);
    if (library->module == nullptr) {
        std::printf("zandrel-pads: cannot load %ls (error %lu): it belongs beside zandrel-pads.exe\n", path,
                    GetLastError());
        return false;
    }
    zandrel::host::ImportPatch patches[] = {
        {"joyGetPosEx", reinterpret_cast<void*>(&HookJoyGetPosEx), false},
        {"joyGetDevCapsW", reinterpret_cast<void*>(&HookJoyGetDevCapsW), false},
        {"joyConfigChanged", reinterpret_cast<void*>(&HookJoyConfigChanged), false},
        {"XInputGetState", reinterpret_cast<void*>(&HookXInputGetState), false},
        {"XInputSetState", reinterpret_cast<void*>(&HookXInputSetState), false},
        {"keybd_event", reinterpret_cast<void*>(&HookKeybdEvent), false},
        {"CoCreateInstance", reinterpret_cast<void*>(&HookCoCreateInstance), false},
    };
    // Every import must be heard; keybd_event above all, or keys would be typed.
    const char* failed = nullptr;
    const zandrel::host::PatchResult result =
        zandrel::host::PatchImports(library->module, patches, sizeof patches / sizeof patches[0], &failed);
    if (result == zandrel::host::PatchResult::kNotImported) {
        std::printf("zandrel-pads: zandrel.mfx does not import %s\n", failed);
        return false;
    }
    if (result != zandrel::host::PatchResult::kPatched) {
        std::printf("zandrel-pads: cannot hook %s of zandrel.mfx\n", failed == nullptr ? "the imports" : failed);
        return false;
    }
    zandrel::pads::ExtensionCalls& calls = library->calls;
    return Find(library->module, "GetRunObjectInfos", &calls.GetRunObjectInfos) &&
           Find(library->module, "GetRunObjectDataSize", &calls.GetRunObjectDataSize) &&
           Find(library->module, "CreateRunObject", &calls.CreateRunObject) &&
           Find(library->module, "DestroyRunObject", &calls.DestroyRunObject) &&
           Find(library->module, "HandleRunObject", &calls.HandleRunObject);
}

void Unload(Library* library)
{
    if (library->module != nullptr) {
        FreeLibrary(library->module);
        library->module = nullptr;
    }
}

}  // namespace

bool zandrel::pads::LoadExtension(void** module, ExtensionCalls* calls)
{
    Library library;
    const bool loaded = Load(&library);
    *module = library.module;
    *calls = library.calls;
    return loaded;
}

void zandrel::pads::UnloadExtension(void* module)
{
    Library library;
    library.module = static_cast<HMODULE>(module);
    Unload(&library);
}

namespace {

bool PadAnswers(UINT id)
{
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNALL;
    return joyGetPosEx(id, &info) == JOYERR_NOERROR;
}

// A text in double quotes, UTF-8, with \" and \\ as a host script writes them.
void PrintQuoted(const char16_t* text)
{
    char utf8[4 * zandrel::kStringResultRoom] = {};
    WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t*>(text), -1, utf8, sizeof utf8 - 1, nullptr,
                        nullptr);
    std::putchar('"');
    for (const char* c = utf8; *c != 0; ++c) {
        if (*c == '"' || *c == '\\') {
            std::putchar('\\');
        }
        std::putchar(*c);
    }
    std::putchar('"');
}

// ---- the modes ----

int ListPads()
{
    UINT answering[zandrel::pads::kJoystickIds];
    int count = 0;
    for (UINT id = 0; id < zandrel::pads::kJoystickIds; ++id) {
        if (PadAnswers(id)) {
            answering[count++] = id;
        }
    }
    if (count == 0) {
        std::printf("no pad answers (joystick ids 0..%d)\n", zandrel::pads::kJoystickIds - 1);
        return 0;
    }
    Library library;
    if (!Load(&library)) {
        Unload(&library);
        return 1;
    }
    int status = 0;
    for (int i = 0; i < count && status == 0; ++i) {
        // Bound and read once by the extension itself: ids, XInput lookup and name.
        PadSession session(library.calls, nullptr);
        if (!session.Open(static_cast<std::int32_t>(answering[i]))) {
            std::printf("zandrel-pads: the extension's object does not fit\n");
            status = 1;
            break;
        }
        session.Frame();
        const zandrel::RunObject& object = session.object();
        std::printf("joystick %u: vid 0x%04X pid 0x%04X, name ", answering[i], object.vid, object.pid);
        PrintQuoted(session.DeviceName());
        if (object.xinputIndex >= 0) {
            std::printf(", XInput pad %d\n", static_cast<int>(object.xinputIndex));
        } else {
            std::printf(", not an XInput pad\n");
        }
    }
    Unload(&library);
    return status;
}

void PrintBits(unsigned state)
{
    for (int bit = zandrel::kPadBits - 1; bit >= 0; --bit) {
        std::putchar((state & (1u << bit)) != 0 ? '1' : '0');
    }
}

// A key line with the key's name, e.g. "key down 0x5A (Z)".
void PrintEffect(const sim::Effect& effect)
{
    char text[zandrel::host::kEffectTextRoom];
    zandrel::host::EffectText(effect, text);
    std::fputs(text, stdout);
    if (effect.kind != sim::EffectKind::KeyStroke) {
        return;
    }
    for (const zandrel::pads::SlotKey& key : zandrel::pads::kSlotKeys) {
        if (key.code == effect.a) {
            std::printf(" (%s)", key.name);
            return;
        }
    }
}

// What live was asked for: the pad, how long, and the recording with the game's setup.
struct LiveOptions {
    int pad = 0;
    int frames = -1;  // until Ctrl+C
    const wchar_t* recordPath = nullptr;
    const wchar_t* settingsPath = nullptr;
    zandrel::pads::GameSetup setup;
};

constexpr int kNoPadFrames = 60;  // a recording without a pad: a second of frames
constexpr std::size_t kSettingsRoom = 128;

// The settings file's name without its folders, as the recording names it.
bool SettingsName(const wchar_t* path, char* name, std::size_t room)
{
    const wchar_t* base = path;
    for (const wchar_t* at = path; *at != 0; ++at) {
        if (*at == L'\\' || *at == L'/' || *at == L':') {
            base = at + 1;
        }
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, base, -1, name, static_cast<int>(room), nullptr, nullptr);
    return length > 1 && std::strpbrk(name, "\"\\") == nullptr;
}

int WatchPad(LiveOptions& options)
{
    const int pad = options.pad;
    const bool answers = PadAnswers(static_cast<UINT>(pad));
    if (!answers) {
        std::printf("no pad answers at joystick id %d\n", pad);
        if (options.recordPath == nullptr) {
            return 0;
        }
    }
    int frames = answers || options.frames >= 0 ? options.frames : kNoPadFrames;
    const wchar_t* recordPath = options.recordPath;
    std::FILE* record = nullptr;
    if (recordPath != nullptr && (record = _wfopen(recordPath, L"wb")) == nullptr) {
        std::printf("zandrel-pads: cannot write %ls\n", recordPath);
        return 1;
    }
    char settingsName[128];
    unsigned char settingsBytes[kSettingsRoom];
    if (options.settingsPath != nullptr) {
        std::FILE* settings = _wfopen(options.settingsPath, L"rb");
        if (!SettingsName(options.settingsPath, settingsName, sizeof settingsName)) {
            std::printf("zandrel-pads: cannot name %ls in a recording\n", options.settingsPath);
        } else {
            options.setup.settingsPath = reinterpret_cast<const char16_t*>(options.settingsPath);
            options.setup.settingsName = settingsName;
            // A file that does not open is left out, so the replay's LoadSetting fails too.
            options.setup.settingsBytes = settings != nullptr ? settingsBytes : nullptr;
            options.setup.settingsSize =
                settings != nullptr ? std::fread(settingsBytes, 1, sizeof settingsBytes, settings) : 0;
        }
        if (settings != nullptr) {
            std::fclose(settings);
        }
    }
    Library library;
    zandrel::pads::ScriptRecorder recorder;
    int status = Load(&library) ? 0 : 1;
    int frameNumber = 0;
    if (status == 0) {
        PadSession session(library.calls, record != nullptr ? &recorder : nullptr);
        if (!session.Open(pad)) {
            std::printf("zandrel-pads: the extension's object does not fit\n");
            status = 1;
        } else {
            session.Setup(options.setup);
            if (answers) {
                std::printf("joystick %d is player 0; button slots 0..15 send", pad);
                for (const zandrel::pads::SlotKey& key : zandrel::pads::kSlotKeys) {
                    std::printf(" %s", key.name);
                }
                std::printf("\nbits 15..0 of the pad, then the keys sent (only printed); Ctrl+C ends\n");
                std::fflush(stdout);
            }
            InterlockedExchange(&stopRequested, 0);
            SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
            timeBeginPeriod(1);
            LARGE_INTEGER frequency;
            LARGE_INTEGER start;
            QueryPerformanceFrequency(&frequency);
            QueryPerformanceCounter(&start);
            unsigned shownBits = 0;
            std::int32_t shownError = 0;
            for (; (frames < 0 || frameNumber < frames) && stopRequested == 0; ++frameNumber) {
                session.Frame();
                const zandrel::RunObject& object = session.object();
                const bool changed =
                    object.prevPadState != shownBits || object.padError != shownError || session.effectCount() != 0;
                if (answers && changed) {
                    shownBits = object.prevPadState;
                    shownError = object.padError;
                    std::printf("frame %d: ", frameNumber);
                    if (shownError != 0) {
                        std::printf("the pad does not answer");
                    } else {
                        PrintBits(shownBits);
                    }
                    for (std::size_t i = 0; i < session.effectCount(); ++i) {
                        std::fputs(i == 0 ? "  " : ", ", stdout);
                        PrintEffect(session.effects()[i]);
                    }
                    std::putchar('\n');
                    std::fflush(stdout);
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
            if (answers) {
                std::printf("%d frames\n", frameNumber);
            }
        }
    }
    Unload(&library);
    if (record != nullptr) {
        char setup[96] = "";
        if (options.setup.standardLayout) {
            std::snprintf(setup, sizeof setup, " Standard layout on.");
        }
        if (options.setup.deadZone >= 0) {
            const std::size_t used = std::strlen(setup);
            std::snprintf(setup + used, sizeof setup - used, " Dead zone %d%%.",
                          static_cast<int>(options.setup.deadZone));
        }
        if (options.setup.settingsName != nullptr) {
            const std::size_t used = std::strlen(setup);
            std::snprintf(setup + used, sizeof setup - used,
                          options.setup.settingsBytes != nullptr ? " Settings loaded from their file."
                                                                 : " The settings file did not open.");
        }
        char header[768];
        std::snprintf(header, sizeof header,
                      "# Recorded by zandrel-pads %s live --record: joystick %d, frame by frame, and what\n"
                      "# zandrel.mfx answered.%s Replay it with: zandrel-host check FILE\n%s",
                      ZANDREL_VERSION, pad, setup,
                      answers ? ""
                              : "# No pad answered at this joystick id: the object was bound to it all the same,\n"
                                "# and what it did without a pad follows.\n");
        const bool written = status == 0 && recorder.Write(header, record);
        if (std::fclose(record) != 0 || !written) {
            // A part of a session would replay as something else: no file rather than that.
            _wremove(recordPath);
            std::printf("zandrel-pads: the recording was not written whole\n");
            status = 1;
        } else {
            std::printf("recorded: %ls\n", recordPath);
        }
    }
    return status;
}

void PrintUsage(std::FILE* out)
{
    std::fputs(
        "usage: zandrel-pads               a window: the pad lighting up, its names and keys\n"
        "       zandrel-pads pads\n"
        "       zandrel-pads live [--pad N] [--frames N] [--record FILE.zs] [--standard]\n"
        "                         [--dead-zone N] [--load-setting FILE]\n"
        "       (zandrel.mfx is loaded from the program's folder; command lines joined\n"
        "       by -- run one after another)\n",
        out);
}

int Usage(const char* problem)
{
    std::fprintf(stderr, "zandrel-pads: %s\n", problem);
    PrintUsage(stderr);
    return kUsageError;
}

// A decimal count 0..`highest`.
bool ParseCount(const wchar_t* text, int highest, int* value)
{
    if (*text == 0 || std::wcslen(text) > 7 || std::wcsspn(text, L"0123456789") != std::wcslen(text)) {
        return false;
    }
    *value = static_cast<int>(std::wcstol(text, nullptr, 10));
    return *value <= highest;
}

int RunCommandLine(wchar_t** arguments, int count)
{
    if (count == 0) {
        return Usage("missing mode");
    }
    if (std::wcscmp(arguments[0], L"--help") == 0 || std::wcscmp(arguments[0], L"-h") == 0 ||
        std::wcscmp(arguments[0], L"/?") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    const bool live = std::wcscmp(arguments[0], L"live") == 0;
    if (!live && std::wcscmp(arguments[0], L"pads") != 0) {
        return Usage("the mode is pads or live");
    }
    LiveOptions options;
    for (int i = 1; i < count; i += 2) {
        const wchar_t* option = arguments[i];
        if (live && std::wcscmp(option, L"--standard") == 0) {
            options.setup.standardLayout = true;
            --i;  // takes no value
            continue;
        }
        const bool known = live && (std::wcscmp(option, L"--pad") == 0 || std::wcscmp(option, L"--frames") == 0 ||
                                    std::wcscmp(option, L"--record") == 0 || std::wcscmp(option, L"--dead-zone") == 0 ||
                                    std::wcscmp(option, L"--load-setting") == 0);
        if (!known) {
            return Usage(live ? "live takes --pad N, --frames N, --record FILE, --standard, --dead-zone N and "
                                "--load-setting FILE"
                              : "pads takes nothing");
        }
        if (i + 1 >= count) {
            return Usage("an option needs its value");
        }
        const wchar_t* value = arguments[i + 1];
        if (std::wcscmp(option, L"--record") == 0) {
            options.recordPath = value;
        } else if (std::wcscmp(option, L"--load-setting") == 0) {
            options.settingsPath = value;
        } else if (std::wcscmp(option, L"--pad") == 0) {
            if (!ParseCount(value, zandrel::pads::kJoystickIds - 1, &options.pad)) {
                return Usage("--pad needs a joystick id 0..15");
            }
        } else if (std::wcscmp(option, L"--dead-zone") == 0) {
            int percent = 0;
            if (!ParseCount(value, 99, &percent) || percent < 1) {
                return Usage("--dead-zone needs a percent 1..99");
            }
            options.setup.deadZone = percent;
        } else if (!ParseCount(value, kMostFrames, &options.frames)) {
            return Usage("--frames needs a count");
        }
    }
    return live ? WatchPad(options) : ListPads();
}

}  // namespace

int main()
{
    // The same bytes as a script expects: "\n" line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return Usage("cannot read the command line");
    }
    if (count <= 1) {
        LocalFree(arguments);
        return zandrel::pads::RunWindow();
    }
    // Command lines joined by "--" share one process; the status is the highest.
    int status = 0;
    int first = 1;
    for (int i = 1; i <= count; ++i) {
        if (i < count && std::wcscmp(arguments[i], L"--") != 0) {
            continue;
        }
        const int line = RunCommandLine(arguments + first, i - first);
        status = line > status ? line : status;
        std::fflush(stdout);
        first = i + 1;
    }
    LocalFree(arguments);
    return status;
}
