#include "tools/host/text.h"

#include <cstdint>

#include "platform/utf8.h"

namespace zandrel::host {

namespace {

void AppendUtf16(char32_t c, std::u16string* out)
{
    if (c < 0x10000) {
        out->push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out->push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out->push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

}  // namespace

bool Utf8ToUtf16(const std::string& in, std::u16string* out)
{
    out->clear();
    std::size_t i = 0;
    while (i < in.size()) {
        const auto lead = static_cast<std::uint8_t>(in[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (lead == 0) {
            return false;
        } else if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (in.size() - i <= static_cast<std::size_t>(extra)) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(in[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        AppendUtf16(c, out);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string Utf16ToUtf8(const std::u16string& in)
{
    std::u16string clean(in);
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const bool high = clean[i] >= 0xD800 && clean[i] <= 0xDBFF;
        const bool low = clean[i] >= 0xDC00 && clean[i] <= 0xDFFF;
        if (high && i + 1 < clean.size() && clean[i + 1] >= 0xDC00 && clean[i + 1] <= 0xDFFF) {
            ++i;
        } else if (high || low) {
            clean[i] = 0xFFFD;
        }
    }
    std::string out;
    zandrel::Utf16ToUtf8(clean.c_str(), &out);
    return out;
}

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

}  // namespace zandrel::host
