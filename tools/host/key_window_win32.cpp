#include "tools/host/key_window_win32.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace zandrel::host {

namespace {

const wchar_t kClassName[] = L"zandrel-host keys";
HWND keyWindow = nullptr;

// The process whose window `focus away` put in front, and the read end of its output.
PROCESS_INFORMATION otherProcess{};
HANDLE otherOutput = nullptr;
// A process start is slow under Wine, slower still under an emulator.
constexpr DWORD kOtherWindowWaitMs = 180000;
constexpr UINT kStopMessage = WM_APP;

// WM_KEYFIRST .. WM_KEYLAST, in order.
const char* const kKeyMessages[] = {"WM_KEYDOWN",    "WM_KEYUP",    "WM_CHAR",    "WM_DEADCHAR",
                                    "WM_SYSKEYDOWN", "WM_SYSKEYUP", "WM_SYSCHAR", "WM_SYSDEADCHAR"};

std::string Describe(const MSG& message)
{
    char name[16];
    const UINT index = message.message - WM_KEYFIRST;
    if (index < sizeof kKeyMessages / sizeof kKeyMessages[0]) {
        std::snprintf(name, sizeof name, "%s", kKeyMessages[index]);
    } else {
        std::snprintf(name, sizeof name, "0x%04X", message.message);
    }
    char line[80];
    std::snprintf(line, sizeof line, "window %s 0x%02X lParam=0x%08lX", name, static_cast<unsigned>(message.wParam),
                  static_cast<unsigned long>(message.lParam));
    return line;
}

bool IsKeyMessage(const MSG& message)
{
    return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
}

// A message-only window (it needs no display), put in front with the focus.
HWND NewFrontWindow()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when registered before
    HWND window =
        CreateWindowExW(0, kClassName, L"zandrel-host", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (window != nullptr) {
        SetForegroundWindow(window);
        SetFocus(window);
    }
    return window;
}

DWORD ForegroundProcess()
{
    DWORD process = 0;
    HWND window = GetForegroundWindow();
    if (window != nullptr) {
        GetWindowThreadProcessId(window, &process);
    }
    return process;
}

void CloseOther()
{
    CloseHandle(otherProcess.hProcess);
    CloseHandle(otherProcess.hThread);
    CloseHandle(otherOutput);
    otherProcess = PROCESS_INFORMATION{};
    otherOutput = nullptr;
}

// Another process of this program in kOtherWindowMode; true once its window is in front.
bool StartOther(std::vector<std::string>* output)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    // The process id widened from its digits: to_wstring would link the wide printf.
    const std::string process = std::to_string(GetCurrentProcessId());
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\" " +
                               std::wstring(kOtherWindowMode, kOtherWindowMode + sizeof kOtherWindowMode - 1) + L" " +
                               std::wstring(process.begin(), process.end());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE write = nullptr;
    if (!CreatePipe(&otherOutput, &write, &inherit, 0)) {
        output->push_back("! cannot make a pipe for the other window's process");
        return false;
    }
    SetHandleInformation(otherOutput, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    const BOOL started =
        CreateProcessW(path, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &otherProcess);
    CloseHandle(write);
    if (!started) {
        output->push_back("! cannot start the other window's process (error " + std::to_string(GetLastError()) + ")");
        CloseHandle(otherOutput);
        otherOutput = nullptr;
        return false;
    }
    const DWORD start = GetTickCount();
    while (ForegroundProcess() != otherProcess.dwProcessId) {
        if (GetTickCount() - start > kOtherWindowWaitMs ||
            WaitForSingleObject(otherProcess.hProcess, 10) == WAIT_OBJECT_0) {
            output->push_back("! no window of another process comes to the front");
            TerminateProcess(otherProcess.hProcess, 1);
            CloseOther();
            return false;
        }
    }
    return true;
}

// Stops the other process, then prints the keyboard messages its window received.
void StopOther(std::vector<std::string>* output)
{
    PostThreadMessageW(otherProcess.dwThreadId, kStopMessage, 0, 0);
    if (WaitForSingleObject(otherProcess.hProcess, kOtherWindowWaitMs) != WAIT_OBJECT_0) {
        output->push_back("! the other window's process does not stop");
        TerminateProcess(otherProcess.hProcess, 1);
    }
    std::string text;
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(otherOutput, buffer, sizeof buffer, &read, nullptr) && read != 0) {
        text.append(buffer, read);
    }
    CloseOther();
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        output->push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

bool OpenKeyWindow(std::string* error)
{
    if (keyWindow != nullptr) {
        return true;
    }
    keyWindow = NewFrontWindow();
    if (keyWindow == nullptr) {
        *error = "cannot create the key window (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    if (GetForegroundWindow() != keyWindow || GetFocus() != keyWindow) {
        *error = "the key window does not get the foreground and the focus";
        CloseKeyWindow();
        return false;
    }
    PumpKeyWindow(nullptr);
    return true;
}

void PumpKeyWindow(std::vector<std::string>* output)
{
    if (keyWindow == nullptr) {
        return;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (output != nullptr && message.hwnd == keyWindow && IsKeyMessage(message)) {
            output->push_back(Describe(message));
        }
        DispatchMessageW(&message);
    }
}

void CloseKeyWindow()
{
    SetRealFocus(true, nullptr);
    if (keyWindow != nullptr) {
        DestroyWindow(keyWindow);
        keyWindow = nullptr;
    }
}

void SetRealFocus(bool gameInFront, std::vector<std::string>* output)
{
    if (keyWindow == nullptr) {
        return;
    }
    std::vector<std::string> unheard;
    if (output == nullptr) {
        output = &unheard;
    }
    if (!gameInFront) {
        if (otherProcess.hProcess == nullptr) {
            StartOther(output);
        }
        return;
    }
    if (otherProcess.hProcess != nullptr) {
        StopOther(output);
    }
    SetForegroundWindow(keyWindow);
    SetFocus(keyWindow);
    if (GetForegroundWindow() != keyWindow) {
        output->push_back("! the host's window does not get the foreground back");
    }
}

int RunOtherWindow(const std::string& hostProcess)
{
    HANDLE host = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::strtoul(hostProcess.c_str(), nullptr, 10)));
    HWND window = NewFrontWindow();
    if (host == nullptr || window == nullptr) {
        return 1;
    }
    // Until the host asks (or is gone): then every message still queued, input included.
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &host, FALSE, INFINITE, QS_ALLINPUT);
        MSG message;
        bool stop = woke == WAIT_OBJECT_0;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.hwnd == window && IsKeyMessage(message)) {
                std::printf("other %s\n", Describe(message).c_str());
            }
            stop = stop || (message.hwnd == nullptr && message.message == kStopMessage);
            DispatchMessageW(&message);
        }
        std::fflush(stdout);
        if (stop) {
            break;
        }
    }
    DestroyWindow(window);
    CloseHandle(host);
    return 0;
}

}  // namespace zandrel::host
