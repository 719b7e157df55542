// The settings file through the real file functions (a non-ASCII name, the same
// bytes as the native build) and the device name read from Wine's registry.
#include <cstdio>

#include "events/routines.h"
#include "tests/settings_sample.h"
#include "tests/wine/wine_host.h"

namespace {

constexpr int kSaveSetting = 4;
constexpr int kLoadSetting = 5;
constexpr int kGetDeviceName = 0;
constexpr int kLoadFailed = 4;
constexpr wchar_t kSettingsName[] = L"r\u00e9glage-\u8a2d\u5b9a.cfg";
constexpr wchar_t kJoystickKey[] =
    L"System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\VID_045e&PID_028e";
constexpr wchar_t kPadName[] = L"Pad \u00fcber 360";

zandrel::RunInfo Routines(const wine_host::Mfx& mfx)
{
    zandrel::RunInfo info{};
    mfx.GetRunObjectInfos(nullptr, &info);
    return info;
}

std::vector<std::uint8_t> ReadAll(const wchar_t* name)
{
    std::vector<std::uint8_t> bytes;
    if (FILE* file = _wfopen(name, L"rb")) {
        int c = 0;
        while ((c = std::fgetc(file)) != EOF) {
            bytes.push_back(static_cast<std::uint8_t>(c));
        }
        std::fclose(file);
    }
    return bytes;
}

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

}  // namespace

WINE_CHECK_GROUP(SettingsFileWithNonAsciiName)
{
    const zandrel::RunInfo info = Routines(mfx);
    if (!EXPECT_TRUE(info.actions != nullptr && info.actions[kSaveSetting] != nullptr &&
                     info.actions[kLoadSetting] != nullptr)) {
        return;
    }
    wine_host::Runtime runtime;
    zandrel::RunObject* saver = runtime.NewObject();
    mfx.CreateRunObject(saver, nullptr, nullptr);
    zandrel::testing::FillSampleSettings(*saver, runtime.controlKeys);
    DeleteFileW(kSettingsName);

    runtime.actionParameters = {reinterpret_cast<zandrel::HostParam>(kSettingsName)};
    EXPECT_SAME(0, info.actions[kSaveSetting](saver, 0, 0));
    const std::vector<std::uint8_t> expected(std::begin(zandrel::testing::kSampleSettingsFile),
                                             std::end(zandrel::testing::kSampleSettingsFile));
    EXPECT_SAME(Hex(expected), Hex(ReadAll(kSettingsName)));

    // Loaded into a player-0 object: rebinds it to player 2 and rewrites row 2 only.
    for (auto& row : runtime.controlKeys) {
        for (auto& key : row) {
            key = 0;
        }
    }
    zandrel::RunObject* loader = runtime.NewObject();
    mfx.CreateRunObject(loader, nullptr, nullptr);
    loader->player = 0;
    runtime.actionParameters = {reinterpret_cast<zandrel::HostParam>(kSettingsName)};
    EXPECT_SAME(0, info.actions[kLoadSetting](loader, 0, 0));
    EXPECT_SAME(2, loader->player);
    EXPECT_SAME(3, loader->padId);
    EXPECT_SAME(zandrel::kXInputUnresolved, loader->xinputIndex);
    EXPECT_SAME(0x0101, runtime.controlKeys[2][0]);
    EXPECT_SAME(0xFFFF, runtime.controlKeys[2][7]);
    EXPECT_SAME(0, runtime.controlKeys[0][0]);
    EXPECT_SAME(0x50, loader->keyMap[15]);
    EXPECT_SAME(-1, loader->virtualMap[5]);
    EXPECT_SAME(767, loader->centerX);
    EXPECT_SAME(-1234, loader->centerY);
    EXPECT_SAME(0, loader->vid);  // joystick 3 is not there
    EXPECT_TRUE(runtime.raised.empty());

    EXPECT_TRUE(DeleteFileW(kSettingsName) != 0);
    runtime.actionParameters = {reinterpret_cast<zandrel::HostParam>(kSettingsName)};
    EXPECT_SAME(0, info.actions[kLoadSetting](loader, 0, 0));
    if (EXPECT_SAME(std::size_t{1}, runtime.raised.size())) {
        EXPECT_SAME(kLoadFailed, runtime.raised[0].code);
    }
}

WINE_CHECK_GROUP(DeviceNameFromWineRegistry)
{
    const zandrel::RunInfo info = Routines(mfx);
    if (!EXPECT_TRUE(info.expressions != nullptr && info.expressions[kGetDeviceName] != nullptr)) {
        return;
    }
    HKEY key = nullptr;
    if (!EXPECT_SAME(ERROR_SUCCESS, static_cast<long>(RegCreateKeyExW(HKEY_CURRENT_USER, kJoystickKey, 0, nullptr, 0,
                                                                      KEY_WRITE, nullptr, &key, nullptr)))) {
        return;
    }
    RegSetValueExW(key, L"OEMName", 0, REG_SZ, reinterpret_cast<const BYTE*>(kPadName), sizeof kPadName);
    RegCloseKey(key);

    wine_host::Runtime runtime;
    zandrel::RunObject* object = runtime.NewObject();
    mfx.CreateRunObject(object, nullptr, nullptr);
    object->vid = 0x045E;
    object->pid = 0x028E;
    const struct {
        std::int32_t parameter;
        const wchar_t* name;
    } cases[] = {{0, kPadName}, {2, kPadName}, {3, L""}, {-1, L""}};
    for (const auto& c : cases) {
        object->header.flags = 0;
        runtime.expressionParameters = {c.parameter};
        const auto result = reinterpret_cast<const wchar_t*>(info.expressions[kGetDeviceName](object, 0));
        EXPECT_SAME(wine_host::Show(c.name), wine_host::Show(result));
        EXPECT_SAME(zandrel::kStringResultFlag, object->header.flags);
    }
    object->pid = 0x028F;  // no such key: the empty string
    runtime.expressionParameters = {0};
    EXPECT_SAME(wine_host::Show(L""),
                wine_host::Show(reinterpret_cast<const wchar_t*>(info.expressions[kGetDeviceName](object, 0))));

    EXPECT_SAME(ERROR_SUCCESS, static_cast<long>(RegDeleteKeyW(HKEY_CURRENT_USER, kJoystickKey)));
}
