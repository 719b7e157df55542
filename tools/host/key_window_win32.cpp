#include "tools/host/key_window_win32.h"

#include <windows.h>

#include <cstdio>

namespace zandrel::host {

namespace {

const wchar_t kClassName[] = L"zandrel-host keys";
HWND keyWindow = nullptr;

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

}  // namespace

bool OpenKeyWindow(std::string* error)
{
    if (keyWindow != nullptr) {
        return true;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when registered before
    keyWindow =
        CreateWindowExW(0, kClassName, L"zandrel-host", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (keyWindow == nullptr) {
        *error = "cannot create the key window (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    SetForegroundWindow(keyWindow);
    SetFocus(keyWindow);
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
        if (output != nullptr && message.hwnd == keyWindow && message.message >= WM_KEYFIRST &&
            message.message <= WM_KEYLAST) {
            output->push_back(Describe(message));
        }
        DispatchMessageW(&message);
    }
}

void CloseKeyWindow()
{
    if (keyWindow != nullptr) {
        DestroyWindow(keyWindow);
        keyWindow = nullptr;
    }
}

}  // namespace zandrel::host
