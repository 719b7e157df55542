#include "tools/host/driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/host/host.h"
#include "tools/host/script.h"
#include "tools/host/text.h"
#if defined(_WIN32)
#include "tools/host/world_hooks_win32.h"
#endif

namespace zandrel::host {

namespace {

constexpr int kUsageError = 2;

bool ReadFile(const std::string& path, std::string* text)
{
#if defined(_WIN32)
    std::u16string wide;
    if (!Utf8ToUtf16(path, &wide)) {
        return false;
    }
    std::FILE* file = _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"rb");
#else
    std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
    if (file == nullptr) {
        return false;
    }
    text->clear();
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text->append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

// Reads, starts a fresh host and parses; false with a one-line reason.
bool Prepare(Host& host, const std::string& path, Script* script, std::string* problem)
{
    std::string text;
    if (!ReadFile(path, &text)) {
        *problem = path + ": cannot read the file";
        return false;
    }
    std::string error;
    if (!host.Start(&error)) {
        *problem = path + ": " + error;
        return false;
    }
    ParseError parseError;
    if (!ParseScript(text, host.directory(), script, &parseError)) {
        *problem = path + ":" + std::to_string(parseError.line) + ": " + parseError.message;
        return false;
    }
    return true;
}

// The first difference between a command's output and its "=>" lines, or "".
std::string Compare(const std::string& path, const Command& command, const std::vector<std::string>& output)
{
    const std::size_t lines = std::max(output.size(), command.expected.size());
    for (std::size_t i = 0; i < lines; ++i) {
        if (i >= output.size()) {
            const Expectation& expected = command.expected[i];
            return path + ":" + std::to_string(expected.line) + ": expected \"" + expected.text + "\" missing";
        }
        if (i >= command.expected.size()) {
            return path + ":" + std::to_string(command.line) + ": got \"" + output[i] + "\" unexpected";
        }
        const Expectation& expected = command.expected[i];
        if (expected.text != output[i]) {
            return path + ":" + std::to_string(expected.line) + ": expected \"" + expected.text + "\" got \"" +
                   output[i] + "\"";
        }
    }
    return "";
}

std::string CheckOne(Extension& extension, const std::string& path)
{
    Host host(extension);
    Script script;
    std::string problem;
    if (!Prepare(host, path, &script, &problem)) {
        return problem;
    }
    std::vector<std::string> output;
    for (const Command& command : script.commands) {
        output.clear();
        host.Execute(command, &output);
        const std::string difference = Compare(path, command, output);
        if (!difference.empty()) {
            return difference;
        }
    }
    return "";
}

int Usage(Output& err, const std::string& problem)
{
    err << "zandrel-host: " << problem << "\n"
        << "usage: zandrel-host [--mfx PATH] [--real-pads] [--real-inventory] [--real-keyboard] run FILE\n"
        << "       zandrel-host [--mfx PATH] [--real-pads] [--real-inventory] [--real-keyboard] check FILE...\n"
        << "       [--pad-channel PORT]: the pad stage's virtual pads, for its pad commands\n"
        << "       (the options are the Windows build's; command lines joined by -- run one\n"
        << "       after another in one process)\n";
    return kUsageError;
}

// One command line of a chain.
int RunCommandLine(const std::vector<std::string>& arguments, Output& out, Output& err)
{
    std::size_t next = 0;
    std::string library;
    unsigned realWorld = 0;
    while (next < arguments.size() && arguments[next].rfind("--", 0) == 0) {
        const std::string& option = arguments[next++];
#if defined(_WIN32)
        if (option == "--mfx") {
            if (next >= arguments.size()) {
                return Usage(err, "--mfx needs a path");
            }
            library = arguments[next++];
            continue;
        }
        if (option == "--pad-channel") {
            const long port = next < arguments.size() ? std::strtol(arguments[next].c_str(), nullptr, 10) : 0;
            if (port <= 0 || port > 65535) {
                return Usage(err, "--pad-channel needs a port 1..65535");
            }
            SetPadChannel(static_cast<unsigned>(port));
            ++next;
            continue;
        }
        if (option == "--real-pads" || option == "--real-inventory" || option == "--real-keyboard") {
            realWorld |= option == "--real-pads"        ? kRealPads
                         : option == "--real-inventory" ? kRealInventory
                                                        : kRealKeyStrokes | kRealKeyboardState;
            continue;
        }
#else
        if (option == "--mfx" || option == "--real-pads" || option == "--real-inventory" ||
            option == "--real-keyboard" || option == "--pad-channel") {
            return Usage(err, option + " is for the Windows build; this host links the extension");
        }
#endif
        return Usage(err, "unknown option \"" + option + "\"");
    }
    if (next >= arguments.size()) {
        return Usage(err, "missing mode");
    }
    const std::string mode = arguments[next++];
    const std::vector<std::string> files(arguments.begin() + static_cast<std::ptrdiff_t>(next), arguments.end());
    if (mode == "pads" || mode == "live") {
        return Usage(err, mode + " is the pad checker's: zandrel-pads.exe " + mode);
    }
    if (mode != "run" && mode != "check") {
        return Usage(err, "unknown mode \"" + mode + "\"");
    }
    if (files.empty() || (mode == "run" && files.size() != 1)) {
        return Usage(err, mode == "run" ? "run takes one FILE" : "check takes at least one FILE");
    }
    Extension extension;
    extension.realWorld = realWorld;
    std::string error;
    if (!BindExtension(library, &extension, &error)) {
        err << "zandrel-host: " << error << "\n";
        return 1;
    }
    const int status = mode == "run" ? RunScript(extension, files[0], out, err) : CheckScripts(extension, files, out);
    UnbindExtension(&extension);
    return status;
}

}  // namespace

int RunScript(Extension& extension, const std::string& path, Output& out, Output& err)
{
    Host host(extension);
    Script script;
    std::string problem;
    if (!Prepare(host, path, &script, &problem)) {
        err << problem << "\n";
        return 1;
    }
    std::size_t remark = 0;
    auto remarksBefore = [&](std::size_t index) {
        while (remark < script.remarks.size() && script.remarks[remark].before <= index) {
            out << script.remarks[remark++].text << "\n";
        }
    };
    std::vector<std::string> output;
    for (std::size_t i = 0; i < script.commands.size(); ++i) {
        remarksBefore(i);
        const Command& command = script.commands[i];
        out << "> " << command.source << "\n";
        output.clear();
        host.Execute(command, &output);
        for (const std::string& line : output) {
            out << line << "\n";
        }
    }
    remarksBefore(script.commands.size());
    out.flush();
    return 0;
}

int CheckScripts(Extension& extension, const std::vector<std::string>& paths, Output& out)
{
    int passed = 0;
    int failed = 0;
    for (const std::string& path : paths) {
        const std::string failure = CheckOne(extension, path);
        if (failure.empty()) {
            ++passed;
        } else {
            ++failed;
            out << failure << "\n";
        }
    }
    out << passed << " passed, " << failed << " failed\n";
    out.flush();
    return failed == 0 ? 0 : 1;
}

// Command lines joined by "--" share one process: under Wine a process is slow
// to start. The status is the highest of theirs.
int HostMain(const std::vector<std::string>& arguments, Output& out, Output& err)
{
    int status = 0;
    std::vector<std::string> line;
    for (std::size_t i = 0; i <= arguments.size(); ++i) {
        if (i < arguments.size() && arguments[i] != "--") {
            line.push_back(arguments[i]);
            continue;
        }
        status = std::max(status, RunCommandLine(line, out, err));
        out.flush();
        line.clear();
    }
    return status;
}

}  // namespace zandrel::host
