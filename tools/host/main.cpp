#include <cstdio>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include "tools/host/key_window_win32.h"
#include "tools/host/text.h"
#endif

#include "tools/host/driver.h"

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
#if defined(_WIN32)
    // The wide command line, so that paths keep every character.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        arguments.clear();
        for (int i = 1; i < count; ++i) {
            const std::wstring argument(wide[i]);
            arguments.push_back(zandrel::host::Utf16ToUtf8(std::u16string(argument.begin(), argument.end())));
        }
        LocalFree(wide);
    }
    // The same bytes as the native build: "\n" line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (arguments.size() == 2 && arguments[0] == zandrel::host::kOtherWindowMode) {
        return zandrel::host::RunOtherWindow(arguments[1]);
    }
#endif
    zandrel::host::Output out(stdout);
    zandrel::host::Output err(stderr);
    return zandrel::host::HostMain(arguments, out, err);
}
