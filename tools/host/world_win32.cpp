// The Windows host's registry: joystick names are written where the extension
// reads them, and removed again.
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

}  // namespace

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
