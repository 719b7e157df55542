#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "platform/utf8.h"
#include "settings/settings_file.h"
#include "settings_guard.h"
#include "settings_sample.h"
#include "test_host.h"

namespace zandrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::Utf16Of;

constexpr int kSave = 4;
constexpr int kLoad = 5;
constexpr std::int32_t kLoadFailedCode = 4;
constexpr std::int32_t kSaveFailedCode = 7;

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

class SettingsFile : public ::testing::Test {
protected:
    SettingsFile()
    {
        dir = ::testing::TempDir() + "zandrel-settings-" + std::to_string(getpid()) + "/";
        mkdir(dir.c_str(), 0700);
        path = dir + "pad.cfg";
        std::remove(path.c_str());
        std::remove((path + ".zandrel-tmp").c_str());
        object = host.Create();
    }
    ~SettingsFile() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    void Save(RunObject* who, const std::string& file)
    {
        const std::u16string name = Utf16Of(file);
        host.Act(who, kSave, {reinterpret_cast<HostParam>(name.c_str())});
    }
    void Load(RunObject* who, const std::string& file)
    {
        const std::u16string name = Utf16Of(file);
        host.Act(who, kLoad, {reinterpret_cast<HostParam>(name.c_str())});
    }
    void WriteFile(const Bytes& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // An object of player 2 on pad 1 with a remapped slot, a switched-off bit and a centre.
    void SetUpPlayerTwo(RunObject* who)
    {
        who->player = 2;
        who->padId = 1;
        who->xinputIndex = -2;
        for (int c = 0; c < kControlsPerPlayer; ++c) {
            host.controlKeys[2][c] = static_cast<std::uint16_t>(0x0101 * (c + 1));
        }
        for (int i = 0; i < kPadBits; ++i) {
            who->keyMap[i] = static_cast<std::uint8_t>(0x41 + i);
        }
        who->virtualMap[3] = -1;
        who->virtualMap[4] = 9;
        who->centerX = 767;
        who->centerY = -70000;
    }

    testing::TestHost host;
    RunObject* object = nullptr;
    std::string dir;
    std::string path;
};

TEST_F(SettingsFile, SavedBytesAreTheLittleEndianRecord)
{
    SetUpPlayerTwo(object);
    Save(object, path);
    Bytes expected = {2, 0, 0, 0, 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
    for (int c = 0; c < kControlsPerPlayer; ++c) {
        expected.push_back(static_cast<std::uint8_t>(c + 1));
        expected.push_back(static_cast<std::uint8_t>(c + 1));
    }
    for (int i = 0; i < kPadBits; ++i) {
        expected.push_back(static_cast<std::uint8_t>(0x41 + i));
    }
    for (int i = 0; i < kPadBits; ++i) {
        expected.push_back(i == 3 ? 0xFF : i == 4 ? 9 : static_cast<std::uint8_t>(i));
    }
    const Bytes centres = {0xFF, 0x02, 0, 0, 0x90, 0xEE, 0xFE, 0xFF};  // 767, -70000
    expected.insert(expected.end(), centres.begin(), centres.end());
    const Bytes tuning = {'z', 'd', 'r', '1', 40, 0, 0, 0, 30, 0, 0, 0};  // the defaults
    expected.insert(expected.end(), tuning.begin(), tuning.end());
    EXPECT_EQ(ReadAll(path), expected);
    EXPECT_FALSE(Exists(path + ".zandrel-tmp"));
}

// The same bytes are expected of zandrel.mfx under Wine.
TEST_F(SettingsFile, SampleSavesAsTheSharedRecord)
{
    testing::FillSampleSettings(*object, host.controlKeys);
    Save(object, path);
    EXPECT_EQ(ReadAll(path), Bytes(std::begin(testing::kSampleSettingsFile), std::end(testing::kSampleSettingsFile)));
}

TEST_F(SettingsFile, RoundTripRestoresTheSettingsAndRereadsThePad)
{
    host.world().joysticks[1] = sim::Joystick{true, 0x045E, 0x028E, 32767, 32767, 65535, 0};
    SetUpPlayerTwo(object);
    object->controlEnabled[6] = 0;
    Save(object, path);

    RunObject* other = host.Create();
    other->controlEnabled[6] = 0;
    host.world().ClearLog();
    Load(other, path);
    EXPECT_EQ(host.actionParametersFetched, 1);
    EXPECT_EQ(other->player, 2);
    EXPECT_EQ(other->padId, 1);
    EXPECT_EQ(other->xinputIndex, -1);
    EXPECT_EQ(other->vid, 0x045E);
    EXPECT_EQ(other->pid, 0x028E);
    EXPECT_EQ(0, std::memcmp(other->keyMap, object->keyMap, kPadBits));
    EXPECT_EQ(0, std::memcmp(other->virtualMap, object->virtualMap, kPadBits));
    EXPECT_EQ(other->centerX, 767);
    EXPECT_EQ(other->centerY, -70000);
    EXPECT_EQ(other->controlEnabled[6], 0);
    EXPECT_EQ(host.world().TakeLog(), std::vector<sim::Effect>{testing::RescanStarted()});
    EXPECT_EQ(host.raisedCount(), 0u);
}

TEST_F(SettingsFile, PlayerTwoFileRebindsAPlayerZeroObjectAndWritesRowTwo)
{
    SetUpPlayerTwo(object);
    host.controlKeys[2][5] = 0x1234;  // above 255: the file keeps 16 bits
    Save(object, path);
    for (auto& row : host.controlKeys) {
        for (auto& key : row) {
            key = 0;
        }
    }
    RunObject* playerZero = host.Create();
    playerZero->player = 0;
    Load(playerZero, path);
    EXPECT_EQ(playerZero->player, 2);
    EXPECT_EQ(host.controlKeys[2][0], 0x0101);
    EXPECT_EQ(host.controlKeys[2][5], 0x1234);
    for (int c = 0; c < kControlsPerPlayer; ++c) {
        EXPECT_EQ(host.controlKeys[0][c], 0) << c;
    }
    // A pad that no longer answers: ids cleared, no rescan.
    EXPECT_EQ(playerZero->vid, 0);
    EXPECT_EQ(playerZero->pid, 0);
    EXPECT_EQ(host.world().TakeLog(), std::vector<sim::Effect>{});
}

TEST_F(SettingsFile, PlayerOutsideTheTableNeitherReadsNorWritesIt)
{
    host.controlKeys[0][0] = 0x55;
    object->player = -1;  // never bound
    Save(object, path);
    Bytes bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), kSettingsFileSize);
    EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 28), Bytes(16, 0));

    bytes[0] = 7;  // a stored player 7: its 16 control-key bytes are dropped
    bytes[1] = bytes[2] = bytes[3] = 0;
    for (int i = 12; i < 28; ++i) {
        bytes[i] = 0x99;
    }
    WriteFile(bytes);
    RunObject* loaded = host.Create();
    Load(loaded, path);
    EXPECT_EQ(loaded->player, 7);
    EXPECT_EQ(loaded->keyMap[0], bytes[28]);
    for (int p = 0; p < kPlayers; ++p) {
        for (int c = 0; c < kControlsPerPlayer; ++c) {
            EXPECT_EQ(host.controlKeys[p][c], p == 0 && c == 0 ? 0x55 : 0) << p << c;
        }
    }
    EXPECT_EQ(testing::LoadGuarded(host, bytes.data(), bytes.size(), path), "");
}

TEST_F(SettingsFile, FileOfAnUnboundObjectClearsTheIdsWithoutARescan)
{
    // Saved before any pad was bound: pad -1, whose capability query the system
    // answers without naming a device.
    Save(object, path);
    RunObject* loaded = host.Create();
    loaded->padId = 1;
    loaded->vid = 0x045E;
    loaded->pid = 0x028E;
    loaded->xinputIndex = 0;
    host.world().ClearLog();
    Load(loaded, path);
    EXPECT_EQ(loaded->padId, -1);
    EXPECT_EQ(loaded->vid, 0);
    EXPECT_EQ(loaded->pid, 0);
    EXPECT_EQ(loaded->xinputIndex, -1);
    EXPECT_EQ(host.world().TakeLog(), std::vector<sim::Effect>{});
}

TEST_F(SettingsFile, MissingFileRaisesLoadFailedAndChangesNothing)
{
    SetUpPlayerTwo(object);
    const RunObject before = *object;
    Load(object, dir + "missing.cfg");
    ASSERT_EQ(host.raisedCount(), 1u);
    EXPECT_EQ(host.raised()[0].object, object);
    EXPECT_EQ(host.raised()[0].code, kLoadFailedCode);
    EXPECT_EQ(0, std::memcmp(&before, object, sizeof before));
    EXPECT_EQ(host.Test(object, kLoadFailedCode), 1);
}

TEST_F(SettingsFile, NullOrUnconvertibleNamesFailSafely)
{
    host.Act(object, kLoad, {0});
    ASSERT_EQ(host.raisedCount(), 1u);
    EXPECT_EQ(host.raised()[0].code, kLoadFailedCode);
    host.Act(object, kSave, {0});
    const char16_t lone[] = {u'p', 0xD800, u'x', 0};
    host.Act(object, kSave, {reinterpret_cast<HostParam>(lone)});
    host.Act(object, kLoad, {reinterpret_cast<HostParam>(lone)});
    ASSERT_EQ(host.raisedCount(), 4u);
    EXPECT_EQ(host.raised()[1].code, kSaveFailedCode);
    EXPECT_EQ(host.raised()[2].code, kSaveFailedCode);
    // No services or control keys at all: nothing to fetch, nothing to raise.
    RunObject bare{};
    bare.player = 1;
    EXPECT_EQ(kActionRoutines[kSave](&bare, 0, 0), 0);
    EXPECT_EQ(kActionRoutines[kLoad](&bare, 0, 0), 0);
    EXPECT_EQ(kActionRoutines[kLoad](nullptr, 0, 0), 0);
}

TEST_F(SettingsFile, NonAsciiNameIsStoredAsUtf8)
{
    const std::u16string name = Utf16Of(dir) + u"r\u00e9glage-\U0001F3AE.cfg";
    object->player = 1;
    host.Act(object, kSave, {reinterpret_cast<HostParam>(name.c_str())});
    EXPECT_EQ(ReadAll(dir + "r\xC3\xA9glage-\xF0\x9F\x8E\xAE.cfg").size(), kSettingsFileSize);
    host.Act(object, kLoad, {reinterpret_cast<HostParam>(name.c_str())});
    EXPECT_EQ(host.raisedCount(), 0u);
}

TEST_F(SettingsFile, ShortFilesKeepEveryFieldTheyDoNotWhollyHold)
{
    Bytes full(80);
    for (std::size_t i = 0; i < full.size(); ++i) {
        full[i] = static_cast<std::uint8_t>(0x80 + i);
    }
    full[0] = 1;  // player 1
    full[1] = full[2] = full[3] = 0;
    for (std::size_t length = 0; length <= full.size(); ++length) {
        host.ClearRaised();
        RunObject* loaded = host.Create();
        loaded->centerX = 11;
        loaded->centerY = 12;
        loaded->keyMap[15] = 0x33;
        host.controlKeys[1][7] = 0x7777;
        WriteFile(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
        Load(loaded, path);
        EXPECT_EQ(loaded->player, length >= 4 ? 1 : -1) << length;
        EXPECT_EQ(host.controlKeys[1][7], length >= 28 ? 0x9B9A : 0x7777) << length;
        EXPECT_EQ(loaded->keyMap[15], length >= 44 ? 0xAB : 0x33) << length;
        EXPECT_EQ(loaded->virtualMap[0], length >= 60 ? std::int8_t(0xAC - 0x100) : 0) << length;
        EXPECT_EQ(loaded->centerX, length >= 64 ? std::int32_t(0xBFBEBDBC) : 11) << length;
        EXPECT_EQ(loaded->centerY, length >= 68 ? std::int32_t(0xC3C2C1C0) : 12) << length;
        EXPECT_EQ(host.raisedCount(), 0u);

        const std::string fault = testing::LoadGuarded(host, full.data(), length, path);
        EXPECT_EQ(fault, "") << length;
    }
}

TEST_F(SettingsFile, RandomFilesNeverWriteOutsideTheRecordOrTheTable)
{
    std::mt19937 random(20261208);
    host.world().joysticks[0] = sim::Joystick{true, 1, 2, 0, 65535, 9000, 0xFFFF};
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes(random() % 90);
        for (std::uint8_t& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        if (!bytes.empty() && round % 2 == 0) {
            bytes[0] = static_cast<std::uint8_t>(random() % 6) - 1;  // players -1..4
            for (std::size_t i = 1; i < 4 && i < bytes.size(); ++i) {
                bytes[i] = bytes[0] == 0xFF ? 0xFF : 0;
            }
        }
        if (bytes.size() > 4 && round % 3 == 0) {
            bytes[4] = 0;  // pad 0 answers, so frames decode through the loaded map
            for (std::size_t i = 5; i < 8 && i < bytes.size(); ++i) {
                bytes[i] = 0;
            }
        }
        const std::string fault = testing::LoadGuarded(host, bytes.data(), bytes.size(), path);
        ASSERT_EQ(fault, "") << "round " << round;
    }
}

TEST_F(SettingsFile, SaveThatCannotCreateItsTemporaryKeepsTheOldFile)
{
    object->player = 0;
    Save(object, path);
    const Bytes old = ReadAll(path);
    ASSERT_EQ(mkdir((path + ".zandrel-tmp").c_str(), 0700), 0);
    object->centerX = 1234;
    Save(object, path);
    EXPECT_EQ(ReadAll(path), old);
    rmdir((path + ".zandrel-tmp").c_str());
    ASSERT_EQ(host.raisedCount(), 1u);
    EXPECT_EQ(host.raised()[0].code, kSaveFailedCode);
}

TEST_F(SettingsFile, SaveWhoseWritesFailKeepsTheOldFile)
{
    object->player = 0;
    Save(object, path);
    const Bytes old = ReadAll(path);
    ASSERT_EQ(old.size(), kSettingsFileSize);

    // Files may not grow past 20 bytes: the record's write (or its flush) fails.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    object->centerX = 1234;
    Save(object, path);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(ReadAll(path), old);
    EXPECT_FALSE(Exists(path + ".zandrel-tmp"));
    ASSERT_EQ(host.raisedCount(), 1u);
    EXPECT_EQ(host.raised()[0].code, kSaveFailedCode);
}

TEST(Utf16ToUtf8, Table)
{
    const struct {
        std::u16string in;
        bool ok;
        std::string out;
    } cases[] = {
        {u"pad.cfg", true, "pad.cfg"},
        {u"\u00e9\u20ac", true, "\xC3\xA9\xE2\x82\xAC"},
        {u"\U0010FFFF", true, "\xF4\x8F\xBF\xBF"},
        {std::u16string(1, char16_t(0xD83C)), false, ""},         // high surrogate at the end
        {std::u16string(1, char16_t(0xDF2E)) + u"a", false, ""},  // low surrogate alone
        {std::u16string{char16_t(0xD83C), u'a'}, false, ""},
    };
    for (const auto& c : cases) {
        std::string out = "junk";
        EXPECT_EQ(Utf16ToUtf8(c.in.c_str(), &out), c.ok);
        EXPECT_EQ(out, c.out);
    }
    std::string out;
    EXPECT_FALSE(Utf16ToUtf8(nullptr, &out));
}

}  // namespace
}  // namespace zandrel
