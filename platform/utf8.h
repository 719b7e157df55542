// UTF-16 names to UTF-8, for the native build's file functions.
#pragma once

#include <string>

namespace zandrel {

// False (and `out` emptied) for a null name or one holding an unpaired surrogate.
bool Utf16ToUtf8(const char16_t* text, std::string* out);

}  // namespace zandrel
