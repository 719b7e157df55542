#include "tools/host/script.h"

#include <algorithm>
#include <cstring>

#include "tools/host/text.h"

namespace zandrel::host {

const EventEntry* EventDirectory::Find(EventKind kind, const std::string& name) const
{
    for (const EventEntry& entry : events[static_cast<int>(kind)]) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

namespace {

constexpr std::int64_t kInt32Min = -2147483648LL;
constexpr std::int64_t kUint32Max = 4294967295LL;
constexpr std::int64_t kMaxFrames = 1000000;

const char* const kKindWords[3] = {"conditions", "actions", "expressions"};
const char* const kKindNames[3] = {"condition", "action", "expression"};

struct FieldRule {
    const char* name;
    Field field;
    std::int64_t low;
    std::int64_t high;
};

constexpr FieldRule kJoystickFields[] = {
    {"vid", kVid, 0, 65535}, {"pid", kPid, 0, 65535},
    {"x", kX, 0, 65535},     {"y", kY, 0, 65535},
    {"z", kZ, 0, 65535},     {"r", kR, 0, 65535},
    {"u", kU, 0, 65535},     {"v", kV, 0, 65535},
    {"pov", kPov, 0, 65535}, {"buttons", kButtons, kInt32Min, kUint32Max},
};
constexpr FieldRule kXInputFields[] = {{"lt", kLeftTrigger, 0, 255}, {"rt", kRightTrigger, 0, 255}};

struct Word {
    std::string text;
    bool quoted = false;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& s)
{
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(s[end - 1])) {
        --end;
    }
    return s.substr(begin, end - begin);
}

bool ValidObjectName(const std::string& name)
{
    if (name.empty()) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

// Decimal with an optional '-', or 0x hexadecimal; false unless it fits 32 bits
// (signed or unsigned).
bool ParseNumberText(const std::string& s, std::int64_t* value, std::string* problem)
{
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const bool negative = !hex && !s.empty() && s[0] == '-';
    const std::size_t start = hex ? 2 : (negative ? 1 : 0);
    if (start >= s.size()) {
        *problem = "not a number: \"" + s + "\"";
        return false;
    }
    std::int64_t v = 0;
    for (std::size_t i = start; i < s.size(); ++i) {
        const char c = s[i];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            *problem = "not a number: \"" + s + "\"";
            return false;
        }
        v = v * (hex ? 16 : 10) + digit;
        if (v > kUint32Max + 1) {
            v = kUint32Max + 1;  // saturate; reported below
        }
    }
    if (negative) {
        v = -v;
    }
    if (v < kInt32Min || v > kUint32Max) {
        *problem = "number does not fit 32 bits: " + s;
        return false;
    }
    *value = v;
    return true;
}

class Parser {
public:
    Parser(const EventDirectory& directory, Script* script, ParseError* error)
        : directory_(directory), script_(script), error_(error)
    {
    }

    bool Line(int number, std::string raw)
    {
        line_ = number;
        if (!raw.empty() && raw.back() == '\r') {
            raw.pop_back();
        }
        if (raw.find('\0') != std::string::npos) {
            return Fail("NUL character in line");
        }
        const std::string trimmed = Trim(raw);
        if (trimmed.empty() || trimmed[0] == '#') {
            script_->remarks.push_back(Remark{script_->commands.size(), trimmed});
            return true;
        }
        if (trimmed.compare(0, 2, "=>") == 0) {
            return Expected(raw.substr(raw.find("=>") + 2));
        }
        if (!Tokenize(trimmed)) {
            return false;
        }
        Command command{};
        command.line = number;
        command.source = trimmed;
        if (!ParseCommand(&command)) {
            return false;
        }
        script_->commands.push_back(std::move(command));
        return true;
    }

private:
    bool Fail(const std::string& message)
    {
        error_->line = line_;
        error_->message = message;
        return false;
    }

    bool Expected(const std::string& rest)
    {
        if (script_->commands.empty()) {
            return Fail("\"=>\" line before any command");
        }
        std::string text;
        if (!rest.empty()) {
            if (rest[0] != ' ') {
                return Fail("\"=>\" must be followed by a blank");
            }
            text = rest.substr(1);
        }
        script_->commands.back().expected.push_back(Expectation{line_, text});
        return true;
    }

    bool Tokenize(const std::string& line)
    {
        words_.clear();
        std::size_t i = 0;
        const std::size_t n = line.size();
        while (i < n) {
            if (IsBlank(line[i])) {
                ++i;
                continue;
            }
            Word word;
            if (line[i] == '"') {
                word.quoted = true;
                ++i;
                for (;;) {
                    if (i >= n) {
                        return Fail("unterminated quoted word");
                    }
                    const char c = line[i];
                    if (c == '\\' && i + 1 < n && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                        word.text.push_back(line[i + 1]);
                        i += 2;
                    } else if (c == '"') {
                        ++i;
                        break;
                    } else {
                        word.text.push_back(c);
                        ++i;
                    }
                }
                if (i < n && !IsBlank(line[i])) {
                    return Fail("a quoted word must end at a blank");
                }
            } else {
                while (i < n && !IsBlank(line[i])) {
                    if (line[i] == '"') {
                        return Fail("stray '\"' inside a word");
                    }
                    word.text.push_back(line[i]);
                    ++i;
                }
            }
            words_.push_back(std::move(word));
        }
        next_ = 1;
        return true;
    }

    bool Take(const char* what, const Word** word)
    {
        if (next_ >= words_.size()) {
            return Fail(std::string("missing ") + what);
        }
        *word = &words_[next_++];
        return true;
    }

    bool End()
    {
        if (next_ < words_.size()) {
            return Fail("unexpected argument \"" + words_[next_].text + "\"");
        }
        return true;
    }

    bool More() const { return next_ < words_.size(); }

    bool NumberOf(const Word& word, const char* what, std::int64_t low, std::int64_t high, std::int64_t* value)
    {
        if (word.quoted) {
            return Fail(std::string(what) + " must be a number, not a quoted word");
        }
        std::string problem;
        if (!ParseNumberText(word.text, value, &problem)) {
            return Fail(problem);
        }
        if (*value < low || *value > high) {
            return Fail(std::string(what) + " must be " + std::to_string(low) + ".." + std::to_string(high) + ", got " +
                        word.text);
        }
        return true;
    }

    // Appends a number in low..high to command->numbers (32-bit values wrap to unsigned).
    bool Number(Command* command, const char* what, std::int64_t low, std::int64_t high)
    {
        const Word* word = nullptr;
        std::int64_t value = 0;
        if (!Take(what, &word) || !NumberOf(*word, what, low, high, &value)) {
            return false;
        }
        command->numbers.push_back(static_cast<std::uint32_t>(value));
        return true;
    }

    // A 32-bit value cut to its low 16 bits, as the host's interface carries it.
    bool Number16(Command* command, const char* what)
    {
        if (!Number(command, what, kInt32Min, kUint32Max)) {
            return false;
        }
        command->numbers.back() &= 0xFFFFu;
        return true;
    }

    bool Text(Command* command, const char* what)
    {
        const Word* word = nullptr;
        if (!Take(what, &word)) {
            return false;
        }
        if (!word->quoted) {
            return Fail(std::string(what) + " must be a quoted word");
        }
        if (!Utf8ToUtf16(word->text, &command->text)) {
            return Fail(std::string(what) + " is not valid UTF-8");
        }
        return true;
    }

    bool Keyword(const char* what, const std::vector<const char*>& choices, std::size_t* chosen)
    {
        const Word* word = nullptr;
        if (!Take(what, &word)) {
            return false;
        }
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (!word->quoted && word->text == choices[i]) {
                *chosen = i;
                return true;
            }
        }
        std::string list;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            list += (i == 0 ? "" : (i + 1 == choices.size() ? " or " : ", "));
            list += choices[i];
        }
        return Fail(std::string(what) + " must be " + list + ", got \"" + word->text + "\"");
    }

    bool Kind(Command* command)
    {
        std::size_t kind = 0;
        if (!Keyword("event kind", {kKindWords[0], kKindWords[1], kKindWords[2]}, &kind)) {
            return false;
        }
        command->kind = static_cast<EventKind>(kind);
        return true;
    }

    template <std::size_t N>
    bool Fields(Command* command, const FieldRule (&rules)[N])
    {
        while (More()) {
            const Word& word = words_[next_++];
            const std::size_t equals = word.text.find('=');
            if (word.quoted || equals == std::string::npos) {
                return Fail("expected name=value, got \"" + word.text + "\"");
            }
            const std::string name = word.text.substr(0, equals);
            const FieldRule* rule = nullptr;
            for (const FieldRule& candidate : rules) {
                if (name == candidate.name) {
                    rule = &candidate;
                }
            }
            if (rule == nullptr) {
                std::string list;
                for (std::size_t i = 0; i < N; ++i) {
                    list += (i == 0 ? "" : ", ") + std::string(rules[i].name);
                }
                return Fail("unknown field \"" + name + "\" (fields: " + list + ")");
            }
            if ((command->fieldMask & (1u << rule->field)) != 0) {
                return Fail("field \"" + name + "\" given twice");
            }
            std::int64_t value = 0;
            if (!NumberOf(Word{word.text.substr(equals + 1), false}, rule->name, rule->low, rule->high, &value)) {
                return false;
            }
            command->fieldMask |= 1u << rule->field;
            command->fields[rule->field] = static_cast<std::uint32_t>(value);
        }
        return true;
    }

    bool ObjectName(Command* command, bool mustBeLive)
    {
        const Word* word = nullptr;
        if (!Take("object name", &word)) {
            return false;
        }
        if (word->quoted || !ValidObjectName(word->text)) {
            return Fail("object names are letters, digits and '_', got \"" + word->text + "\"");
        }
        const bool live = std::find(live_.begin(), live_.end(), word->text) != live_.end();
        if (mustBeLive && !live) {
            return Fail("unknown object \"" + word->text + "\"");
        }
        if (!mustBeLive && live) {
            return Fail("object \"" + word->text + "\" already exists");
        }
        command->object = word->text;
        return true;
    }

    // OBJ NAME ARGS...: the arguments the event's catalogue entry declares, in order.
    bool Event(Command* command, EventKind kind)
    {
        command->kind = kind;
        if (!ObjectName(command, true)) {
            return false;
        }
        const Word* word = nullptr;
        const char* kindName = kKindNames[static_cast<int>(kind)];
        if (!Take((std::string(kindName) + " name").c_str(), &word)) {
            return false;
        }
        const EventEntry* entry = word->quoted ? nullptr : directory_.Find(kind, word->text);
        if (entry == nullptr) {
            return Fail("unknown " + std::string(kindName) + " \"" + word->text + "\"");
        }
        command->code = entry->code;
        command->eventName = entry->name;
        for (std::size_t i = 0; i < entry->types.size(); ++i) {
            const std::string what = entry->name + " parameter " + std::to_string(i + 1);
            if (!Take(what.c_str(), &word)) {
                return false;
            }
            Argument argument;
            if (entry->types[i] == kFileNameParameter) {
                if (!word->quoted) {
                    return Fail(what + " is a file name: write it in double quotes");
                }
                if (!Utf8ToUtf16(word->text, &argument.text)) {
                    return Fail(what + " is not valid UTF-8");
                }
                argument.isText = true;
            } else {
                std::int64_t value = 0;
                if (!NumberOf(*word, what.c_str(), kInt32Min, kUint32Max, &value)) {
                    return false;
                }
                argument.value = static_cast<std::uint32_t>(value);
            }
            command->arguments.push_back(std::move(argument));
        }
        if (command->op == Op::On && More() && !words_[next_].quoted && words_[next_].text == "do") {
            ++next_;
            return Reaction(command);
        }
        return End();
    }

    // The rest of an `on ... do` line: an action, condition or expression line, parsed
    // as a line of its own.
    bool Reaction(Command* command)
    {
        if (!More() || words_[next_].quoted ||
            (words_[next_].text != "action" && words_[next_].text != "condition" &&
             words_[next_].text != "expression")) {
            return Fail("\"do\" must be followed by an action, condition or expression line");
        }
        std::vector<Word> whole = words_;
        words_.erase(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(next_));
        next_ = 1;
        Command reaction;
        reaction.line = command->line;
        const bool parsed = ParseCommand(&reaction);
        words_ = std::move(whole);
        next_ = words_.size();
        if (parsed) {
            command->reaction.push_back(std::move(reaction));
        }
        return parsed;
    }

    // `pad P VERB ...`: a line for the pad stage's virtual pads (P 0..3), checked here
    // so that a run never sends the channel a malformed one.
    bool ParsePad(Command* command)
    {
        command->op = Op::Pad;
        std::size_t verb = 0;
        if (!Number(command, "virtual pad", 0, 3) ||
            !Keyword("pad command", {"plug", "unplug", "reset", "rumble", "button", "axis", "hat"}, &verb)) {
            return false;
        }
        static const char* const kVerbs[] = {"plug", "unplug", "reset", "rumble", "button", "axis", "hat"};
        command->channelLine = std::string(kVerbs[verb]) + " " + std::to_string(command->numbers[0]);
        if (verb <= 3) {
            command->op = verb == 3 ? Op::PadRumble : Op::Pad;
            return End();
        }
        const std::int64_t kLow[] = {0, -32768};
        const std::int64_t kHigh[] = {1, 32767};
        if (!Number(command, verb == 6 ? "hat" : (verb == 5 ? "axis" : "button"), 0, 31)) {
            return false;
        }
        command->channelLine += " " + std::to_string(command->numbers[1]);
        if (verb == 6) {
            std::size_t direction = 0;
            static const char* const kDirections[] = {"c", "n", "ne", "e", "se", "s", "sw", "w", "nw"};
            if (!Keyword("hat direction", {"c", "n", "ne", "e", "se", "s", "sw", "w", "nw"}, &direction)) {
                return false;
            }
            command->channelLine += std::string(" ") + kDirections[direction];
            return End();
        }
        const Word* word = nullptr;
        std::int64_t value = 0;
        const std::size_t range = verb == 5 ? 1 : 0;
        if (!Take("value", &word) || !NumberOf(*word, "value", kLow[range], kHigh[range], &value)) {
            return false;
        }
        command->channelLine += " " + std::to_string(value);
        return End();
    }

    bool ParseCommand(Command* command)
    {
        const Word& head = words_[0];
        const std::string& name = head.text;
        if (head.quoted) {
            return Fail("a command cannot be a quoted word");
        }
        std::size_t choice = 0;
        if (name == "controls") {
            command->op = Op::Controls;
            if (!Number(command, "player", 0, 3)) {
                return false;
            }
            for (int k = 0; k < 8; ++k) {
                if (!Number(command, "control key", 0, 65535)) {
                    return false;
                }
            }
            return End();
        }
        if (name == "joystick") {
            command->op = Op::Joystick;
            return Number(command, "joystick id", 0, 15) && Fields(command, kJoystickFields);
        }
        if (name == "unplug") {
            command->op = Op::Unplug;
            return Number(command, "joystick id", 0, 15) && End();
        }
        if (name == "xinput") {
            command->op = Op::XInput;
            if (!Number(command, "XInput index", 0, 3)) {
                return false;
            }
            if (More() && !words_[next_].quoted && words_[next_].text == "fail") {
                command->op = Op::XInputFail;
                ++next_;
                return End();
            }
            if (More() && !words_[next_].quoted && words_[next_].text == "of") {
                command->op = Op::XInputOf;
                ++next_;
                if (!Number(command, "joystick id", 0, 15)) {
                    return false;
                }
            }
            return Fields(command, kXInputFields);
        }
        if (name == "device") {
            command->op = Op::Device;
            return Text(command, "device id") && End();
        }
        if (name == "devices") {
            if (!Keyword("devices argument", {"clear", "fail", "ok"}, &choice)) {
                return false;
            }
            command->op = choice == 0 ? Op::DevicesClear : (choice == 1 ? Op::DevicesFail : Op::DevicesOk);
            return End();
        }
        if (name == "registry") {
            command->op = Op::Registry;
            return Number(command, "vendor id", 0, 65535) && Number(command, "product id", 0, 65535) &&
                   Text(command, "joystick name") && End();
        }
        if (name == "truncate") {
            command->op = Op::Truncate;
            return Text(command, "file name") && Number(command, "length", 0, 65535) && End();
        }
        if (name == "poke") {
            command->op = Op::Poke;
            if (!Text(command, "file name") || !Number(command, "offset", 0, 65535) ||
                !Number(command, "byte", 0, 255)) {
                return false;
            }
            while (More()) {
                if (!Number(command, "byte", 0, 255)) {
                    return false;
                }
            }
            return true;
        }
        if (name == "file") {
            command->op = Op::File;
            if (!Text(command, "file name")) {
                return false;
            }
            while (More()) {
                const Word& line = words_[next_++];
                std::u16string checked;
                if (!line.quoted) {
                    return Fail("a line of the file must be a quoted word");
                }
                if (!Utf8ToUtf16(line.text, &checked)) {
                    return Fail("a line of the file is not valid UTF-8");
                }
                command->lines.push_back(line.text);
            }
            return true;
        }
        if (name == "key") {
            if (!Keyword("key direction", {"down", "up"}, &choice)) {
                return false;
            }
            command->op = choice == 0 ? Op::KeyDown : Op::KeyUp;
            return Number(command, "key code", 0, 255) && End();
        }
        if (name == "focus") {
            if (!Keyword("focus argument", {"game", "away"}, &choice)) {
                return false;
            }
            command->op = choice == 0 ? Op::FocusGame : Op::FocusAway;
            return End();
        }
        if (name == "keyboard") {
            if (!Keyword("keyboard argument", {"fail", "ok"}, &choice)) {
                return false;
            }
            command->op = choice == 0 ? Op::KeyboardFail : Op::KeyboardOk;
            return End();
        }
        if (name == "editor") {
            if (More() && !words_[next_].quoted && words_[next_].text == "none") {
                command->op = Op::EditorNone;
                ++next_;
                return End();
            }
            command->op = Op::Editor;
            return Number(command, "editor version", kInt32Min, kUint32Max) && End();
        }
        if (name == "create") {
            command->op = Op::Create;
            if (!ObjectName(command, false) || !End()) {
                return false;
            }
            live_.push_back(command->object);
            return true;
        }
        if (name == "destroy") {
            command->op = Op::Destroy;
            if (!ObjectName(command, true) || !End()) {
                return false;
            }
            live_.erase(std::find(live_.begin(), live_.end(), command->object));
            return true;
        }
        if (name == "pad") {
            return ParsePad(command);
        }
        if (name == "pace") {
            command->op = Op::Pace;
            return Number(command, "frames a second", 0, 1000) && End();
        }
        if (name == "frametimes") {
            command->op = Op::FrameTimes;
            return End();
        }
        if (name == "frame") {
            command->op = Op::Frame;
            if (!More()) {
                command->numbers.push_back(1);
                return true;
            }
            return Number(command, "frame count", 0, kMaxFrames) && End();
        }
        if (name == "action") {
            command->op = Op::Action;
            return Event(command, EventKind::Action);
        }
        if (name == "condition") {
            command->op = Op::Condition;
            return Event(command, EventKind::Condition);
        }
        if (name == "expression") {
            command->op = Op::Expression;
            return Event(command, EventKind::Expression);
        }
        if (name == "on") {
            command->op = Op::On;
            return Event(command, EventKind::Condition);
        }
        if (name == "infos") {
            command->op = Op::Infos;
            return Number(command, "query", kInt32Min, kUint32Max) && End();
        }
        if (name == "runinfo") {
            command->op = Op::RunInfo;
            return End();
        }
        if (name == "objinfos") {
            command->op = Op::ObjInfos;
            return End();
        }
        if (name == "menu") {
            command->op = Op::Menu;
            return Kind(command) && End();
        }
        if (name == "code") {
            command->op = Op::Code;
            return Kind(command) && Number16(command, "menu id") && End();
        }
        if (name == "info" || name == "string") {
            command->op = name == "info" ? Op::Info : Op::String;
            return Kind(command) && Number16(command, "event code") && End();
        }
        if (name == "title") {
            command->op = Op::Title;
            if (!Kind(command) || !Number16(command, "event code")) {
                return false;
            }
            if (!More()) {
                command->numbers.push_back(0);
                return true;
            }
            if (command->kind == EventKind::Expression) {
                return Fail("an expression title takes no parameter index");
            }
            return Number16(command, "parameter index") && End();
        }
        if (name == "param") {
            command->op = Op::Param;
            return Number16(command, "event code") && Number16(command, "parameter index") && End();
        }
        return Fail("unknown command \"" + name + "\"");
    }

    const EventDirectory& directory_;
    Script* script_;
    ParseError* error_;
    int line_ = 0;
    std::vector<Word> words_;
    std::size_t next_ = 1;
    std::vector<std::string> live_;
};

}  // namespace

bool ParseScript(const std::string& text, const EventDirectory& directory, Script* script, ParseError* error)
{
    *script = Script{};
    Parser parser(directory, script, error);
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        ++number;
        if (!parser.Line(number, text.substr(start, end - start))) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace zandrel::host
