#include "input/pad_layouts.h"

#include <cstring>

namespace zandrel {

namespace {

constexpr std::size_t kGuidDigits = 32;
constexpr std::size_t kVendorDigit = 8;    // byte 4
constexpr std::size_t kProductDigit = 16;  // byte 8
constexpr std::uint8_t kHighestButtonValue = 31;

// Zero until first used, so it takes no room in the library's file.
PadLayoutTable g_padLayouts;

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Two little-endian bytes from four hex digits known to be valid.
std::uint16_t LittleEndianId(const char* digits)
{
    const int low = HexValue(digits[0]) << 4 | HexValue(digits[1]);
    const int high = HexValue(digits[2]) << 4 | HexValue(digits[3]);
    return static_cast<std::uint16_t>(high << 8 | low);
}

// One piece of a line, not terminated.
struct Text {
    const char* data;
    std::size_t length;

    bool Is(const char* word) const { return std::strlen(word) == length && std::memcmp(word, data, length) == 0; }
};

// The text up to the next `separator` (or the end); `rest` moves past the separator.
Text Split(Text& rest, char separator)
{
    const void* at = std::memchr(rest.data, separator, rest.length);
    const std::size_t length =
        at != nullptr ? static_cast<std::size_t>(static_cast<const char*>(at) - rest.data) : rest.length;
    const Text piece{rest.data, length};
    const std::size_t skipped = at != nullptr ? length + 1 : length;
    rest = Text{rest.data + skipped, rest.length - skipped};
    return piece;
}

// "bN" with N 0..31 gives button N + 1; anything else 0.
std::uint8_t ButtonValue(Text value)
{
    if (value.length < 2 || value.length > 3 || value.data[0] != 'b') {
        return 0;
    }
    unsigned number = 0;
    for (std::size_t i = 1; i < value.length; ++i) {
        if (value.data[i] < '0' || value.data[i] > '9') {
            return 0;
        }
        number = number * 10 + static_cast<unsigned>(value.data[i] - '0');
    }
    return number <= kHighestButtonValue ? static_cast<std::uint8_t>(number + 1) : 0;
}

// False for a `platform:` item naming another platform than Windows. Bits of items
// given as anything but a button are added to `otherwise`.
bool TakeItem(Text item, PadLayout* row, PadState* otherwise)
{
    Text value = item;
    const Text name = Split(value, ':');
    if (name.length == item.length) {
        return true;  // no colon: not an item this reader knows
    }
    if (name.Is("platform")) {
        return value.Is("Windows");
    }
    const std::uint8_t button = ButtonValue(value);
    for (int bit = 0; bit < kPadBitCount; ++bit) {
        if (!name.Is(kPadLayoutItems[bit])) {
            continue;
        }
        if (button != 0) {
            row->buttons[bit] = button;
        } else {
            *otherwise = static_cast<PadState>(*otherwise | 1u << bit);
        }
    }
    return true;
}

// Collects one line at a time from the file's bytes; an overlong line is dropped whole.
struct LineCollector {
    PadLayoutTable& table;
    char line[kLongestPadLayoutLine + 1];  // room for the CR of a CR LF end
    std::size_t length = 0;
    bool overlong = false;

    void Take(char c)
    {
        if (c == '\n') {
            End();
            return;
        }
        if (length < sizeof line) {
            line[length++] = c;
        } else {
            overlong = true;
        }
    }

    void End()
    {
        std::size_t content = length;
        if (!overlong && content > 0 && line[content - 1] == '\r') {
            --content;
        }
        PadLayout row{};
        PadState otherwise = 0;
        if (!overlong && content <= kLongestPadLayoutLine && ParsePadLayoutRow(line, content, &row, &otherwise)) {
            AddPadLayout(table, row, otherwise);
        }
        length = 0;
        overlong = false;
    }
};

}  // namespace

PadLayoutTable& ThePadLayoutTable()
{
    if (g_padLayouts.count == 0) {
        ResetPadLayouts(g_padLayouts);
    }
    return g_padLayouts;
}

void ResetPadLayouts(PadLayoutTable& table)
{
    for (int i = 0; i < kBuiltInPadLayouts; ++i) {
        table.rows[i] = kBuiltInPadLayoutRows[i];
    }
    table.count = kBuiltInPadLayouts;
    table.added = 0;
    ++table.generation;
}

std::int32_t FindPadLayout(const PadLayoutTable& table, std::uint16_t vendor, std::uint16_t product)
{
    for (std::int32_t i = 0; i < table.count; ++i) {
        if (table.rows[i].vendor == vendor && table.rows[i].product == product) {
            return i;
        }
    }
    return -1;
}

bool ParsePadLayoutRow(const char* line, std::size_t length, PadLayout* row, PadState* otherwise)
{
    Text rest{line, length};
    const Text guid = Split(rest, ',');
    if (guid.length != kGuidDigits || guid.length == length) {
        return false;
    }
    for (std::size_t i = 0; i < kGuidDigits; ++i) {
        if (HexValue(guid.data[i]) < 0) {
            return false;
        }
    }
    *row = PadLayout{LittleEndianId(guid.data + kVendorDigit), LittleEndianId(guid.data + kProductDigit), {}, {}};
    if (row->vendor == 0 && row->product == 0) {
        return false;
    }
    Split(rest, ',');  // the name
    PadState given = 0;
    while (rest.length > 0) {
        if (!TakeItem(Split(rest, ','), row, &given)) {
            return false;
        }
    }
    if (otherwise != nullptr) {
        // An item given as a button after all (twice, the last a button) counts as a button.
        for (int bit = 0; bit < kPadBitCount; ++bit) {
            if (row->buttons[bit] != 0) {
                given = static_cast<PadState>(given & ~(1u << bit));
            }
        }
        *otherwise = given;
    }
    *row = WithBitsOfButtons(*row);
    return true;
}

bool AddPadLayout(PadLayoutTable& table, const PadLayout& row, PadState otherwise)
{
    const std::int32_t at = FindPadLayout(table, row.vendor, row.product);
    if (at >= 0) {
        PadLayout merged = row;
        for (int bit = 0; bit < kPadBitCount; ++bit) {
            if ((otherwise >> bit) & 1u) {
                merged.buttons[bit] = table.rows[at].buttons[bit];
            }
        }
        table.rows[at] = WithBitsOfButtons(merged);
        return true;
    }
    if (table.added >= kMostAddedPadLayouts) {
        return false;
    }
    table.rows[table.count] = row;
    ++table.count;
    ++table.added;
    return true;
}

void ReadPadLayouts(std::FILE* file, PadLayoutTable& table)
{
    LineCollector collector{table, {}};
    char chunk[512];
    bool first = true;
    std::size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        std::size_t from = 0;
        // A byte-order mark before the first row is not part of it.
        if (first && read >= 3 && std::memcmp(chunk, "\xEF\xBB\xBF", 3) == 0) {
            from = 3;
        }
        first = false;
        for (std::size_t i = from; i < read; ++i) {
            collector.Take(chunk[i]);
        }
    }
    if (collector.length > 0 || collector.overlong) {
        collector.End();  // a last line without its LF
    }
    ++table.generation;
}

}  // namespace zandrel
