#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "tools/host/driver.h"

namespace zandrel::host {
namespace {

class Driver : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(BindExtension("", &extension, &error)) << error;
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = ::testing::TempDir() + "zandrel_host_" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    int Check(const std::vector<std::string>& paths)
    {
        out.str("");
        return CheckScripts(extension, paths, out);
    }

    Extension extension;
    Output out;
};

const char kRunInfo[] = "= conditions 8 actions 16 expressions 17 editdata 20 code QXRV";

TEST_F(Driver, PassingScriptCountsAsPassed)
{
    const std::string path = Write("pass.zs", std::string("runinfo\n=> ") + kRunInfo + "\nframe 3\n");
    EXPECT_EQ(Check({path}), 0);
    EXPECT_EQ(out.str(), "1 passed, 0 failed\n");
}

TEST_F(Driver, WrongExpectationNamesFileLineExpectedAndActual)
{
    const std::string path = Write("wrong.zs", "frame\n# the count is wrong on purpose\nruninfo\n=> = conditions 6\n");
    EXPECT_EQ(Check({path}), 1);
    EXPECT_EQ(out.str(), path + ":4: expected \"= conditions 6\" got \"" + kRunInfo + "\"\n0 passed, 1 failed\n");
}

TEST_F(Driver, MissingAndUnexpectedOutput)
{
    const std::string missing = Write("missing.zs", "joystick 0\n=> key down 0x41\n");
    const std::string unexpected = Write("unexpected.zs", "create pad\nruninfo\n");
    EXPECT_EQ(Check({missing, unexpected}), 1);
    EXPECT_EQ(out.str(), missing + ":2: expected \"key down 0x41\" missing\n" + unexpected + ":2: got \"" + kRunInfo +
                             "\" unexpected\n0 passed, 2 failed\n");
}

TEST_F(Driver, ParseErrorAndUnreadableFileFailTheirFileOnly)
{
    const std::string good = Write("good.zs", "frame\n");
    const std::string bad = Write("bad.zs", "frame\njoystick 99\n");
    const std::string absent = ::testing::TempDir() + "zandrel_host_absent.zs";
    EXPECT_EQ(Check({good, bad, absent, good}), 1);
    EXPECT_EQ(out.str(), bad + ":2: joystick id must be 0..15, got 99\n" + absent +
                             ": cannot read the file\n2 passed, 2 failed\n");
}

TEST_F(Driver, EachFileStartsWithAFreshHostAndWorld)
{
    // The first file leaves a key down, a failing keyboard and an editor without
    // the version query behind; the second sees none of it.
    const std::string first = Write("first.zs", "key down 0x41\nkeyboard fail\neditor none\ncreate pad\n");
    const std::string second = Write("second.zs",
                                     "create pad\n"
                                     "expression pad getInputKeyCode\n=> = -1\n"
                                     "key down 0x42\n"
                                     "expression pad getInputKeyCode\n=> = 66\n"
                                     "string conditions 4\n=> = \"%o: LoadFailed\"\n");
    EXPECT_EQ(Check({first, second}), 0);
    EXPECT_EQ(out.str(), "2 passed, 0 failed\n");
}

TEST_F(Driver, RunEchoesCommandsAndRemarks)
{
    const std::string path = Write("run.zs", "# story\ncreate pad\n\nruninfo\n=> ignored by run\n");
    Output err;
    EXPECT_EQ(RunScript(extension, path, out, err), 0);
    EXPECT_EQ(out.str(), std::string("# story\n> create pad\n\n> runinfo\n") + kRunInfo + "\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(Driver, RunRefusesAScriptThatDoesNotParse)
{
    const std::string path = Write("broken.zs", "create pad\ncreate pad\n");
    Output err;
    EXPECT_EQ(RunScript(extension, path, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), path + ":2: object \"pad\" already exists\n");
}

TEST_F(Driver, CommandLineCheckExitsOneOnAFailingFile)
{
    const std::string good = Write("cli_good.zs", "frame\n");
    const std::string wrong = Write("cli_wrong.zs", "create pad\nexpression pad getPadID\n=> = 0\n");
    Output err;
    EXPECT_EQ(HostMain({"check", good, wrong}, out, err), 1);
    EXPECT_EQ(out.str(), wrong + ":3: expected \"= 0\" got \"= -1\"\n1 passed, 1 failed\n");
    EXPECT_EQ(err.str(), "");
    out.str("");
    EXPECT_EQ(HostMain({"check", good}, out, err), 0);
    EXPECT_EQ(out.str(), "1 passed, 0 failed\n");
}

TEST_F(Driver, CommandLinesJoinedByDashesRunInTurnAndTheWorstStatusCounts)
{
    const std::string good = Write("chain_good.zs", "frame\n");
    const std::string wrong = Write("chain_wrong.zs", "create pad\nexpression pad getPadID\n=> = 0\n");
    Output err;
    EXPECT_EQ(HostMain({"check", wrong, "--", "check", good}, out, err), 1);
    EXPECT_EQ(out.str(), wrong + ":3: expected \"= 0\" got \"= -1\"\n0 passed, 1 failed\n1 passed, 0 failed\n");
    out.str("");
    EXPECT_EQ(HostMain({"check", good, "--", "pads", "--", "check", good}, out, err), 2);
    EXPECT_EQ(out.str(), "1 passed, 0 failed\n1 passed, 0 failed\n");
}

struct Usage {
    std::vector<std::string> arguments;
    const char* problem;
};

class UsageErrors : public ::testing::TestWithParam<Usage> {};

TEST_P(UsageErrors, ExitTwoWithAMessage)
{
    Output out;
    Output err;
    EXPECT_EQ(HostMain(GetParam().arguments, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind(std::string("zandrel-host: ") + GetParam().problem + "\nusage:", 0), 0u) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Driver, UsageErrors,
    ::testing::Values(
        Usage{{}, "missing mode"}, Usage{{"walk", "a.zs"}, "unknown mode \"walk\""},
        Usage{{"run"}, "run takes one FILE"}, Usage{{"run", "a.zs", "b.zs"}, "run takes one FILE"},
        Usage{{"check"}, "check takes at least one FILE"},
        Usage{{"--mfx", "x.mfx", "check", "a.zs"}, "--mfx is for the Windows build; this host links the extension"},
        Usage{{"--real-pads", "check", "a.zs"}, "--real-pads is for the Windows build; this host links the extension"},
        Usage{{"--fast", "check", "a.zs"}, "unknown option \"--fast\""},
        Usage{{"live", "--pad", "1"}, "live is the pad checker's: zandrel-pads.exe live"},
        Usage{{"--"}, "missing mode"}));

}  // namespace
}  // namespace zandrel::host
