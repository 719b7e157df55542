#include "tests/fuzz/extension_program.h"

#include <cstdio>

#include "exports/catalogue.h"
#include "platform/resource_access.h"
#include "platform/utf8.h"

namespace zandrel::fuzz {

namespace {

// 'b' byte, 'c' signed byte (an event code), 'i' integer, 't' text; the labels name the fields in a printed op.
struct Field {
    char type;
    const char* label;
};

struct Schema {
    const char* name;
    Field fields[kMaxValues + kMaxTexts];  // ends at the first null label
};

const Schema kSchemas[static_cast<int>(OpKind::kCount)] = {
    {"create", {{'b', "slot"}, {'b', "flags"}}},
    {"destroy", {{'b', "slot"}}},
    {"frame", {{'b', "count"}}},
    {"condition", {{'b', "slot"}, {'c', "code"}, {'i', "param"}}},
    {"action", {{'b', "slot"}, {'c', "code"}, {'i', "p1"}, {'i', "p2"}, {'i', "p3"}, {'b', "name"}, {'t', "nametext"}}},
    {"expression", {{'b', "slot"}, {'c', "code"}, {'i', "p1"}, {'i', "p2"}, {'i', "p3"}, {'b', "flags"}}},
    {"file", {{'b', "name"}, {'t', "nametext"}, {'t', "contents"}, {'b', "repeats"}}},
    {"joystick",
     {{'b', "id"}, {'b', "flags"}, {'i', "vid"}, {'i', "pid"}, {'i', "x"}, {'i', "y"}, {'i', "pov"}, {'i', "buttons"}}},
    {"unplug", {{'b', "id"}}},
    {"xinput", {{'b', "index"}, {'b', "answers"}, {'b', "lt"}, {'b', "rt"}}},
    {"key", {{'b', "key"}, {'b', "down"}}},
    {"keyboard", {{'b', "flags"}}},
    {"device", {{'b', "form"}, {'i', "vid"}, {'i', "pid"}, {'t', "text"}}},
    {"devices", {{'b', "mode"}}},
    {"registry", {{'i', "vid"}, {'i', "pid"}, {'i', "type"}, {'t', "bytes"}}},
    {"controls", {{'b', "player"}, {'b', "control"}, {'i', "key"}}},
    {"editor", {{'b', "mode"}, {'i', "version"}}},
    {"export", {{'b', "which"}, {'i', "code"}, {'i', "index"}, {'i', "length"}}},
    {"xinputof", {{'b', "index"}, {'b', "joystick"}, {'b', "lt"}, {'b', "rt"}}},
    {"replug", {{'b', "from"}, {'b', "to"}}},
};

// Small integers are their own byte (0..127), or that byte less 0xC0 (-64..-1), so
// the fuzzer's comparison hints land on them; 0xC0 and up lead a full value.
constexpr std::uint8_t kNegative = 0x80;
constexpr std::uint8_t kWideInteger = 0xC0;

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Byte(std::uint8_t* out)
    {
        if (at_ >= size_) {
            return false;
        }
        *out = data_[at_++];
        return true;
    }
    bool Integer(std::int32_t* out)
    {
        std::uint8_t tag = 0;
        if (!Byte(&tag)) {
            return false;
        }
        if (tag < kWideInteger) {
            *out = tag < kNegative ? tag : tag - kWideInteger;
            return true;
        }
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b = 0;
            if (!Byte(&b)) {
                return false;
            }
            bits |= static_cast<std::uint32_t>(b) << (8 * i);
        }
        *out = static_cast<std::int32_t>(bits);
        return true;
    }
    bool Text(std::string* out)
    {
        std::uint8_t length = 0;
        if (!Byte(&length) || size_ - at_ < length) {
            return false;
        }
        out->assign(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool ReadOp(Reader& reader, Op* op)
{
    std::uint8_t kind = 0;
    if (!reader.Byte(&kind)) {
        return false;
    }
    *op = Op{static_cast<OpKind>(kind % static_cast<int>(OpKind::kCount)), {}, {}};
    int value = 0;
    int text = 0;
    for (const Field& field : kSchemas[static_cast<int>(op->kind)].fields) {
        std::uint8_t byte = 0;
        bool read = true;
        if (field.label == nullptr) {
            break;
        } else if (field.type == 'b' || field.type == 'c') {
            read = reader.Byte(&byte);
            op->values[value++] = field.type == 'b' ? byte : static_cast<std::int8_t>(byte);
        } else if (field.type == 'i') {
            read = reader.Integer(&op->values[value++]);
        } else {
            read = reader.Text(&op->texts[text++]);
        }
        if (!read) {
            return false;
        }
    }
    return true;
}

std::string Quoted(const std::string& bytes)
{
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\') {
            out.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", u);
            out += escaped;
        }
    }
    return out + "\"";
}

// The menu text of event `code`, or empty for a code the catalogue does not hold.
std::string EventName(EventKind kind, std::int32_t code)
{
    const EventTable& table = CatalogueTable(kind);
    const std::int16_t* record = FindEventInfo(table, static_cast<std::int16_t>(code));
    if (record == nullptr) {
        return {};
    }
    const resources::LoadedMenu menu(table.menuResource);
    char16_t text[kMenuTextRoom] = {};
    resources::MenuText(menu.get(), static_cast<std::uint16_t>(record[kInfoMenuId]), text, kMenuTextRoom,
                        resources::kByCommand);
    std::string name;
    Utf16ToUtf8(text, &name);
    return name;
}

EventKind KindOf(OpKind op)
{
    return static_cast<EventKind>(static_cast<int>(op) - static_cast<int>(OpKind::kCondition));
}

bool IsEvent(OpKind kind)
{
    return kind == OpKind::kCondition || kind == OpKind::kAction || kind == OpKind::kExpression;
}

// Values at the edges of the extension's ranges: the small ones of players, slots,
// button slots and indexes, where an off-by-one lives, and the wide ones of key,
// axis and 16- and 32-bit limits.
constexpr std::int32_t kSmallEdges[] = {-1, 0, 1, 2, 3, 4, 7, 8, 15, 16, 17};
constexpr std::int32_t kWideEdges[] = {
    31, 127, 128, 255, 256, 4500, 32000, 32767, 32768, 65535, 65536, -32768, -2147483647 - 1, 2147483647,
};

template <std::size_t N>
std::int32_t PickOf(const std::int32_t (&values)[N], std::minstd_rand& random)
{
    return values[random() % N];
}

std::int32_t PickValue(std::int32_t old, std::minstd_rand& random)
{
    switch (random() % 8) {
        case 0:
        case 1:
        case 2:
            return PickOf(kSmallEdges, random);
        case 3:
            return PickOf(kWideEdges, random);
        case 4:
        case 5:
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(old) + random() % 5 - 2);
        case 6:
            return static_cast<std::int32_t>(random() % 256);
        default:
            return static_cast<std::int32_t>(random() ^ (random() << 16));
    }
}

std::string PickText(std::string text, std::minstd_rand& random)
{
    const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
    switch (random() % 4) {
        case 0:
            text.insert(at, random() % 64, static_cast<char>(random()));
            break;
        case 1:
            text.resize(at);
            break;
        case 2:
            text.insert(at, 1, static_cast<char>(random()));
            break;
        default:
            text.insert(at, std::string(2, '\0'));
            break;
    }
    return text.size() > 255 ? text.substr(0, 255) : text;
}

// One field of `op` changed; half the time one of its integers (the parameters and
// the world's readings).
void MutateField(Op& op, std::minstd_rand& random)
{
    int values = 0;
    std::vector<int> integers;
    std::vector<bool> isText;
    for (const Field& field : kSchemas[static_cast<int>(op.kind)].fields) {
        if (field.label == nullptr) {
            break;
        }
        if (field.type == 'i') {
            integers.push_back(values);
        }
        values += field.type == 't' ? 0 : 1;
        isText.push_back(field.type == 't');
    }
    const int texts = static_cast<int>(isText.size()) - values;
    int field = static_cast<int>(random() % isText.size());
    if (!integers.empty() && random() % 2 == 0) {
        field = integers[random() % integers.size()];
    }
    if (field < values) {
        op.values[field] = PickValue(op.values[field], random);
    } else if (texts > 0) {
        std::string& text = op.texts[field - values];
        text = PickText(text, random);
    }
}

}  // namespace

void MutateProgram(std::vector<Op>* ops, std::minstd_rand* random)
{
    std::minstd_rand& r = *random;
    const std::size_t size = ops->size();
    const auto at = [&](std::size_t n) { return ops->begin() + static_cast<std::ptrdiff_t>(r() % n); };
    const unsigned choice = size == 0 ? 0 : r() % 10;
    if (choice == 0 && size < kMaxOps) {
        Op op{static_cast<OpKind>(r() % static_cast<unsigned>(OpKind::kCount)), {}, {}};
        for (int& value : op.values) {
            value = PickValue(0, r);
        }
        ops->insert(at(size + 1), op);
    } else if (choice == 1) {
        ops->erase(at(size));
    } else if (choice == 2 && size < kMaxOps) {
        const Op copy = *at(size);
        ops->insert(at(size + 1), copy);
    } else if (choice == 3) {
        std::iter_swap(at(size), at(size));
    } else if (size != 0) {
        // Half the time an event: its parameters reach the extension unfiltered.
        std::vector<Op*> events;
        for (Op& op : *ops) {
            if (IsEvent(op.kind)) {
                events.push_back(&op);
            }
        }
        Op* op = !events.empty() && r() % 2 == 0 ? events[r() % events.size()] : &*at(size);
        MutateField(*op, r);
    }
}

std::int32_t EventCode(OpKind kind, const std::string& name)
{
    for (std::int32_t code = 0; IsEvent(kind) && code < CatalogueTable(KindOf(kind)).count; ++code) {
        if (EventName(KindOf(kind), code) == name) {
            return code;
        }
    }
    return -1;
}

std::vector<Op> DecodeProgram(const std::uint8_t* data, std::size_t size)
{
    Reader reader(data, size);
    std::vector<Op> ops;
    Op op{};
    while (ops.size() < kMaxOps && ReadOp(reader, &op)) {
        ops.push_back(op);
    }
    return ops;
}

std::vector<std::uint8_t> EncodeProgram(const std::vector<Op>& ops)
{
    std::vector<std::uint8_t> out;
    for (const Op& op : ops) {
        out.push_back(static_cast<std::uint8_t>(op.kind));
        int value = 0;
        int text = 0;
        for (const Field& field : kSchemas[static_cast<int>(op.kind)].fields) {
            if (field.label == nullptr) {
                break;
            }
            if (field.type == 't') {
                const std::string& bytes = op.texts[text++];
                out.push_back(static_cast<std::uint8_t>(bytes.size()));
                out.insert(out.end(), bytes.begin(), bytes.begin() + (bytes.size() & 0xFF));
                continue;
            }
            const std::int32_t v = op.values[value++];
            if (field.type == 'b' || field.type == 'c') {
                out.push_back(static_cast<std::uint8_t>(v));
            } else if (v >= kNegative - kWideInteger && v < kNegative) {
                out.push_back(static_cast<std::uint8_t>(v < 0 ? v + kWideInteger : v));
            } else {
                out.push_back(kWideInteger);
                for (int i = 0; i < 4; ++i) {
                    out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
                }
            }
        }
    }
    return out;
}

std::string DescribeOp(const Op& op)
{
    const Schema& schema = kSchemas[static_cast<int>(op.kind)];
    std::string line = schema.name;
    int value = 0;
    int text = 0;
    for (const Field& field : schema.fields) {
        if (field.label == nullptr) {
            break;
        }
        line += std::string(" ") + field.label + "=";
        if (field.type == 't') {
            line += Quoted(op.texts[text++]);
        } else {
            line += std::to_string(op.values[value++]);
        }
    }
    if (IsEvent(op.kind)) {
        const std::string name = EventName(KindOf(op.kind), op.values[1]);
        line += name.empty() ? " (outside the catalogue)" : " (" + name + ")";
    }
    return line;
}

}  // namespace zandrel::fuzz
