// Text conversions of the reference host: scripts are UTF-8, the extension speaks UTF-16.
#pragma once

#include <string>

namespace zandrel::host {

// False on malformed UTF-8 (bad sequences, surrogates, overlong forms, NUL).
bool Utf8ToUtf16(const std::string& in, std::u16string* out);
// Unpaired surrogates become U+FFFD; the text ends at its first NUL.
std::string Utf16ToUtf8(const std::u16string& in);
// "TEXT" with `"` written \" and `\` written \\.
std::string Quoted(const std::string& text);

}  // namespace zandrel::host
