// Keeps the example scripts the author's guide quotes equal to the files CTest runs.
// A line `<!-- example: PATH -->` (PATH relative to the guide) must be followed by a
// fenced block; the block's content is the file's content.
//
//   make_guide_quotes FILE           rewrite the quoted blocks of FILE from the files
//   make_guide_quotes --check FILE   exit 1 when a quoted block differs from its file
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/generated_file.h"

namespace {

constexpr char kMarkerOpen[] = "<!-- example: ";
constexpr char kMarkerClose[] = " -->";
constexpr char kFence[] = "```";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The guide with every quoted block replaced by its file; false (with a message) when
// a marker is malformed, its block is not fenced or its file cannot be quoted.
bool Requote(const std::string& guidePath, const std::string& guide, std::string* out)
{
    const std::string folder = guidePath.substr(0, guidePath.find_last_of('/') + 1);
    std::istringstream in(guide);
    std::ostringstream result;
    std::string line;
    int number = 0;
    int quotes = 0;
    while (std::getline(in, line)) {
        ++number;
        result << line << '\n';
        if (!StartsWith(line, kMarkerOpen)) {
            continue;
        }
        ++quotes;
        if (!EndsWith(line, kMarkerClose)) {
            std::fprintf(stderr, "%s:%d: the example marker does not end with \"%s\"\n", guidePath.c_str(), number,
                         kMarkerClose);
            return false;
        }
        const std::string name =
            line.substr(sizeof kMarkerOpen - 1, line.size() - (sizeof kMarkerOpen - 1) - (sizeof kMarkerClose - 1));
        std::ifstream file(folder + name, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s:%d: cannot read %s\n", guidePath.c_str(), number, name.c_str());
            return false;
        }
        std::stringstream quoted;
        quoted << file.rdbuf();
        const std::string text = quoted.str();
        if (text.find(kFence) != std::string::npos || (!text.empty() && text.back() != '\n')) {
            std::fprintf(stderr, "%s: a quoted example must end with a newline and hold no %s\n", name.c_str(), kFence);
            return false;
        }
        if (!std::getline(in, line) || !StartsWith(line, kFence)) {
            std::fprintf(stderr, "%s:%d: a fenced block must follow the example marker\n", guidePath.c_str(),
                         number + 1);
            return false;
        }
        ++number;
        result << line << '\n' << text;
        bool closed = false;
        while (!closed && std::getline(in, line)) {
            ++number;
            closed = line == kFence;
        }
        if (!closed) {
            std::fprintf(stderr, "%s:%d: the quoted block is not closed\n", guidePath.c_str(), number);
            return false;
        }
        result << kFence << '\n';
    }
    if (quotes == 0) {
        std::fprintf(stderr, "%s quotes no example\n", guidePath.c_str());
        return false;
    }
    *out = result.str();
    if (!guide.empty() && guide.back() != '\n') {
        out->pop_back();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    zandrel::tools::GeneratedFile file;
    if (!zandrel::tools::ParseGeneratedFileArgs(argc, argv, "make_guide_quotes", &file)) {
        return 2;
    }
    std::string requoted;
    if (!Requote(file.path, zandrel::tools::ReadWholeFile(file.path), &requoted)) {
        return 1;
    }
    return zandrel::tools::WriteOrCheck(file, requoted, "guide_quotes");
}
