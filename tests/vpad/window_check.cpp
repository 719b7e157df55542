// Drives and reads the pad checker's window from outside, as a player's clicks would:
// a list of steps, run in order, one line of output each.
//   desktop NAME      the steps after it look on Wine's desktop NAME (up to 30 s for it)
//   wait SECONDS      until the window shows a pad ("window X Y": its client origin)
//   find SECONDS      until there is a window, whatever it shows
//   nopad SECONDS     until it says no pad answers (it may come first)
//   place BIT         "place BIT X Y": the screen point that shows whether BIT is lit
//   text              the pad's lines, then "bit N: NAME | KEY" for every bit
//   select TEXT       chooses the pad whose entry contains TEXT (e.g. 054C:05C4)
//   pads              "pads: ENTRY; ENTRY...", the pad choice's entries
//   standard on|off   the standard layout box
//   record            clicks the record button
//   sleep MS
//   close             closes the window, waiting until it is gone
// Exits 1 at the first step that fails, saying why.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "tools/pad_drawing.h"
#include "tools/pads/pad_window.h"

namespace {

using namespace zandrel::pads;

HWND window = nullptr;

bool Fail(const char* why)
{
    std::printf("FAIL %s\n", why);
    return false;
}

void Text(int id, wchar_t (&text)[512])
{
    text[0] = 0;
    SendMessageTimeoutW(GetDlgItem(window, id), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                        nullptr);
}

POINT Origin()
{
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

bool Wait(int seconds, const wchar_t* first)
{
    for (int tries = 0; tries < seconds * 10; ++tries, Sleep(100)) {
        window = FindWindowW(kWindowClass, nullptr);
        if (window == nullptr) {
            continue;
        }
        wchar_t line[512];
        Text(kInfoId, line);
        if (std::wcsncmp(line, first, std::wcslen(first)) == 0) {
            const POINT origin = Origin();
            std::printf("window %ld %ld\n", origin.x, origin.y);
            return true;
        }
    }
    if (window == nullptr) {
        return Fail("no window of the pad checker");
    }
    wchar_t line[512];
    Text(kInfoId, line);
    std::printf("FAIL in %d s the window never showed \"%ls...\"; it shows \"%ls\"\n", seconds, first, line);
    return false;
}

void Command(int id, int code, HWND control)
{
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

int PadCount()
{
    return static_cast<int>(SendMessageW(GetDlgItem(window, kPadChoiceId), CB_GETCOUNT, 0, 0));
}

void PadEntry(int i, wchar_t (&entry)[256])
{
    HWND choice = GetDlgItem(window, kPadChoiceId);
    entry[0] = 0;
    if (SendMessageW(choice, CB_GETLBTEXTLEN, i, 0) < 255) {
        SendMessageW(choice, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
    }
}

bool Select(const wchar_t* wanted)
{
    HWND choice = GetDlgItem(window, kPadChoiceId);
    const int count = PadCount();
    for (int i = 0; i < count; ++i) {
        wchar_t entry[256];
        PadEntry(i, entry);
        if (std::wcsstr(entry, wanted) != nullptr) {
            SendMessageW(choice, CB_SETCURSEL, i, 0);
            Command(kPadChoiceId, CBN_SELCHANGE, choice);
            std::printf("selected %ls\n", entry);
            return true;
        }
    }
    return Fail("no pad of the choice has that entry");
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    bool ok = true;
    for (int i = 1; ok && i < argc; ++i) {
        const wchar_t* step = argv[i];
        const wchar_t* value = i + 1 < argc ? argv[i + 1] : L"";
        if (std::wcscmp(step, L"desktop") == 0) {
            // Made by the program's start, which may still be under way.
            HDESK desktop = nullptr;
            for (int tries = 0; desktop == nullptr && tries < 300; ++tries) {
                desktop = OpenDesktopW(value, 0, FALSE, GENERIC_ALL);
                Sleep(desktop == nullptr ? 100 : 0);
            }
            ok = desktop != nullptr && SetThreadDesktop(desktop) ? true : Fail("no such desktop in 30 s");
            ++i;
        } else if (std::wcscmp(step, L"wait") == 0) {
            ok = Wait(std::wcstol(value, nullptr, 10), L"joystick ");
            ++i;
        } else if (std::wcscmp(step, L"find") == 0) {
            ok = Wait(std::wcstol(value, nullptr, 10), L"");
            ++i;
        } else if (std::wcscmp(step, L"nopad") == 0) {
            ok = Wait(std::wcstol(value, nullptr, 10), L"No pad answers");
            ++i;
        } else if (window == nullptr) {
            ok = Fail("wait comes first");
        } else if (std::wcscmp(step, L"place") == 0) {
            const int bit = static_cast<int>(std::wcstol(value, nullptr, 10)) & 15;
            const zandrel::drawing::Point point = zandrel::drawing::LitPoint(bit);
            const POINT origin = Origin();
            std::printf("place %d %ld %ld\n", bit, origin.x + point.x + kPictureLeft, origin.y + point.y + kPictureTop);
            ++i;
        } else if (std::wcscmp(step, L"text") == 0) {
            wchar_t name[512];
            wchar_t key[512];
            for (int line = 0; line < kInfoLines; ++line) {
                Text(kInfoId + line, name);
                std::printf("line %d: %ls\n", line, name);
            }
            for (int bit = 0; bit < 16; ++bit) {
                Text(kBitNameId + bit, name);
                Text(kBitKeyId + bit, key);
                std::printf("bit %d: %ls | %ls\n", bit, name, key);
            }
        } else if (std::wcscmp(step, L"pads") == 0) {
            std::printf("pads:");
            for (int entry = 0; entry < PadCount(); ++entry) {
                wchar_t text[256];
                PadEntry(entry, text);
                std::printf("%s %ls", entry == 0 ? "" : ";", text);
            }
            std::printf("\n");
        } else if (std::wcscmp(step, L"select") == 0) {
            ok = Select(value);
            ++i;
        } else if (std::wcscmp(step, L"standard") == 0) {
            HWND box = GetDlgItem(window, kStandardLayoutId);
            SendMessageW(box, BM_SETCHECK, std::wcscmp(value, L"on") == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
            Command(kStandardLayoutId, BN_CLICKED, box);
            std::printf("standard layout %ls\n", value);
            ++i;
        } else if (std::wcscmp(step, L"record") == 0) {
            Command(kRecordId, BN_CLICKED, GetDlgItem(window, kRecordId));
            std::printf("record clicked\n");
        } else if (std::wcscmp(step, L"sleep") == 0) {
            Sleep(static_cast<DWORD>(std::wcstol(value, nullptr, 10)));
            ++i;
        } else if (std::wcscmp(step, L"close") == 0) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            for (int tries = 0; IsWindow(window) && tries < 100; ++tries) {
                Sleep(100);
            }
            ok = IsWindow(window) ? Fail("the window is still open 10 s after it was closed") : true;
            std::printf("closed\n");
        } else {
            ok = Fail("unknown step");
        }
        std::fflush(stdout);
    }
    return ok ? 0 : 1;
}
