// Where the host's text goes: a stream of the C library (stdout, stderr), or a
// string the unit tests read. Not an iostream: the shipped Windows host links
// the C++ library statically, and iostreams with their locales would be most
// of its size.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace zandrel::host {

class Output {
public:
    // Into the string, which str() reads.
    Output() = default;
    explicit Output(std::FILE* file) : file_(file) {}

    Output& operator<<(std::string_view text)
    {
        if (file_ != nullptr) {
            std::fwrite(text.data(), 1, text.size(), file_);
        } else {
            text_.append(text);
        }
        return *this;
    }
    Output& operator<<(int number) { return *this << std::string_view(std::to_string(number)); }

    void flush()
    {
        if (file_ != nullptr) {
            std::fflush(file_);
        }
    }

    const std::string& str() const { return text_; }
    void str(std::string text) { text_ = std::move(text); }

private:
    std::FILE* file_ = nullptr;
    std::string text_;
};

}  // namespace zandrel::host
