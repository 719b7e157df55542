#include "tools/generated_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace zandrel::tools {

bool ParseGeneratedFileArgs(int argc, char** argv, const char* tool, GeneratedFile* file)
{
    file->check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !file->check) {
        std::fprintf(stderr, "usage: %s FILE | %s --check FILE\n", tool, tool);
        return false;
    }
    file->path = argv[argc - 1];
    return true;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

int WriteOrCheck(const GeneratedFile& file, const std::string& content, const char* target)
{
    if (file.check) {
        if (ReadWholeFile(file.path) != content) {
            std::fprintf(stderr, "%s is out of date: run cmake --build build/native --target %s\n", file.path.c_str(),
                         target);
            return 1;
        }
        return 0;
    }
    std::ofstream out(file.path, std::ios::binary);
    out << content;
    return out ? 0 : 1;
}

}  // namespace zandrel::tools
