// The command line the generators of docs/ share:
//
//   TOOL FILE           write the generated text to FILE
//   TOOL --check FILE   exit 1 when FILE differs from what would be written
#pragma once

#include <string>

namespace zandrel::tools {

struct GeneratedFile {
    bool check;
    std::string path;
};

// False (after printing the usage) when the arguments are neither form.
bool ParseGeneratedFileArgs(int argc, char** argv, const char* tool, GeneratedFile* file);

// The whole content of `path`; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Writes `content`, or compares it with the file; the exit status. A stale file is
// reported with the build target that rewrites it.
int WriteOrCheck(const GeneratedFile& file, const std::string& content, const char* target);

}  // namespace zandrel::tools
