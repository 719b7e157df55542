// The Windows host's registry (joystick names are written where the extension
// reads them, and removed again), its clock, and the command channel of the pad
// stage's virtual pads.
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/host/host.h"

namespace zandrel::host {

namespace {

const wchar_t kOemKey[] = L"System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM";

std::vector<std::wstring> namedKeys;    // keys whose "OEMName" the host wrote
std::vector<std::wstring> createdKeys;  // keys the host created, in creation order

unsigned padChannelPort = 0;
constexpr DWORD kChannelTimeoutMs = 5000;  // every exchange is bounded

// One line out, one line back, on a connection of its own.
bool Exchange(SOCKET channel, const std::string& line, std::string* answer)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(padChannelPort));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const DWORD timeout = kChannelTimeoutMs;
    setsockopt(channel, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(channel, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    if (connect(channel, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        *answer = "cannot connect to the pads' channel";
        return false;
    }
    const std::string sent = line + "\n";
    if (send(channel, sent.data(), static_cast<int>(sent.size()), 0) != static_cast<int>(sent.size())) {
        *answer = "the channel took no command";
        return false;
    }
    answer->clear();
    char c = 0;
    while (recv(channel, &c, 1, 0) == 1 && c != '\n') {
        answer->push_back(c);
    }
    if (c != '\n') {
        *answer = "no answer in 5 s";
        return false;
    }
    return true;
}

}  // namespace

double NowMilliseconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void SleepMilliseconds(unsigned milliseconds)
{
    Sleep(milliseconds);
}

void SetPadChannel(unsigned port)
{
    static WSADATA winsock;
    if (padChannelPort == 0 && port != 0 && WSAStartup(MAKEWORD(2, 2), &winsock) != 0) {
        return;
    }
    padChannelPort = port;
}

bool SendPadCommand(const std::string& line, std::string* answer)
{
    if (padChannelPort == 0) {
        *answer = "no virtual pads (--pad-channel PORT names their channel)";
        return false;
    }
    const SOCKET channel = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (channel == INVALID_SOCKET) {
        *answer = "no socket";
        return false;
    }
    const bool exchanged = Exchange(channel, line, answer);
    closesocket(channel);
    if (exchanged && answer->compare(0, 2, "ok") != 0) {
        return false;
    }
    return exchanged;
}

void SetJoystickName(std::uint16_t vendor, std::uint16_t product, const std::u16string& name)
{
    wchar_t leaf[32];
    _snwprintf(leaf, sizeof leaf / sizeof leaf[0], L"VID_%04x&PID_%04x", vendor, product);
    const std::wstring path = std::wstring(kOemKey) + L"\\" + leaf;
    // Created one level at a time, so that exactly what is new can be removed.
    std::size_t start = 0;
    HKEY key = nullptr;
    while (start <= path.size()) {
        std::size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos) {
            end = path.size();
        }
        const std::wstring prefix = path.substr(0, end);
        DWORD disposition = 0;
        if (key != nullptr) {
            RegCloseKey(key);
            key = nullptr;
        }
        if (RegCreateKeyExW(HKEY_CURRENT_USER, prefix.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition) !=
            ERROR_SUCCESS) {
            return;
        }
        if (disposition == REG_CREATED_NEW_KEY) {
            createdKeys.push_back(prefix);
        }
        start = end + 1;
    }
    const auto bytes = static_cast<DWORD>((name.size() + 1) * sizeof(char16_t));
    RegSetValueExW(key, L"OEMName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()), bytes);
    RegCloseKey(key);
    namedKeys.push_back(path);
}

void ClearJoystickNames()
{
    for (const std::wstring& path : namedKeys) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, L"OEMName");
            RegCloseKey(key);
        }
    }
    namedKeys.clear();
    for (auto created = createdKeys.rbegin(); created != createdKeys.rend(); ++created) {
        RegDeleteKeyW(HKEY_CURRENT_USER, created->c_str());
    }
    createdKeys.clear();
}

}  // namespace zandrel::host
