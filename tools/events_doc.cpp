// Writes the author's event reference (docs/events.md) from the event catalogue,
// its texts and menus, the event descriptions and the recipes of the guide beside it.
//
//   make_events_doc FILE           write the reference to FILE
//   make_events_doc --check FILE   exit 1 when FILE differs from what would be written
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "exports/catalogue.h"
#include "platform/resource_access.h"
#include "tools/generated_file.h"
#include "zandrel_version.h"

namespace {

using zandrel::EventKind;

// The catalogue's texts are ASCII; anything else would show as '?'.
std::string Narrow(const char16_t* text)
{
    std::string out;
    for (; *text != 0; ++text) {
        out += *text < 0x80 ? static_cast<char>(*text) : '?';
    }
    return out;
}

std::string LoadedText(std::uint32_t id)
{
    char16_t buffer[256] = {};
    zandrel::resources::LoadText(id, buffer, static_cast<int>(std::size(buffer)));
    return Narrow(buffer);
}

std::string MenuTextOf(std::uint32_t menuResource, std::uint32_t menuId)
{
    char16_t buffer[zandrel::kMenuTextRoom] = {};
    const zandrel::resources::LoadedMenu menu(menuResource);
    zandrel::resources::MenuText(menu.get(), menuId, buffer, zandrel::kMenuTextRoom, zandrel::resources::kByCommand);
    return Narrow(buffer);
}

struct Section {
    EventKind kind;
    const char* title;
    const char* anchor;
    const char* routineForm;
};

constexpr Section kSections[] = {
    {EventKind::kCondition, "Conditions", "conditions",
     "A condition is true or false. In the event editor it reads `pad: Name(value)`, where `pad` is the "
     "object's name in the frame."},
    {EventKind::kAction, "Actions", "actions",
     "An action changes the object (or the game's control keys, or the pad's motors) and answers nothing."},
    {EventKind::kExpression, "Expressions", "expressions",
     "An expression answers a number, or a text where its name ends in `$`; write it with its object, "
     "`getAxis( pad, 0 )`, wherever the event editor takes a value."},
};

constexpr const char* kTablesTitle = "Menu ids, flags and types";

// The id a page heading gets (as the archive's page maker makes it).
std::string Slug(const std::string& heading)
{
    std::string slug;
    for (const char c : heading) {
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9') || lower == '_' || lower == '-') {
            slug += lower;
        } else if (lower == ' ') {
            slug += '-';
        }
    }
    return slug;
}

// A recipe of the guide: its heading and the events its example script uses.
struct Recipe {
    std::string heading;
    std::vector<std::string> events;
};

// The event names a host script uses: the word after the object of an `action`,
// `condition`, `expression` or `on` command, also after `do`.
std::vector<std::string> ScriptEvents(const std::string& script)
{
    std::vector<std::string> names;
    std::istringstream lines(script);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::vector<std::string> word;
        for (std::string w; words >> w;) {
            word.push_back(w);
        }
        for (std::size_t i = 0; i + 2 < word.size(); ++i) {
            const std::string& command = word[i];
            const bool starts = i == 0 || word[i - 1] == "do";
            if (starts &&
                (command == "action" || command == "condition" || command == "expression" || command == "on")) {
                names.push_back(word[i + 2]);
            }
        }
    }
    return names;
}

// The guide's recipes: each section that quotes an example script.
std::vector<Recipe> GuideRecipes(const std::string& docs)
{
    std::vector<Recipe> recipes;
    std::istringstream guide(zandrel::tools::ReadWholeFile(docs + "/guide.md"));
    std::string heading;
    const std::string marker = "<!-- example: ../examples/";
    for (std::string line; std::getline(guide, line);) {
        if (line.rfind("## ", 0) == 0) {
            heading = line.substr(3);
        } else if (line.rfind(marker, 0) == 0) {
            const std::string name = line.substr(marker.size(), line.find(' ', marker.size()) - marker.size());
            recipes.push_back({heading, ScriptEvents(zandrel::tools::ReadWholeFile(docs + "/../examples/" + name))});
        }
    }
    return recipes;
}

// The example line as the event editor shows the event: its display string with the
// example's arguments (conditions and actions), or the expression with its object.
std::string ExampleLine(EventKind kind, const std::string& display, const zandrel::EventHelp& help, int count)
{
    if (kind == EventKind::kExpression) {
        std::string line = display + " pad";  // "getAxis(" becomes "getAxis( pad, 0 )"
        for (int i = 0; i < count; ++i) {
            line += std::string(", ") + help.example[i];
        }
        return line + " )";
    }
    std::string line = kind == EventKind::kAction ? "pad: " + display : display;
    for (std::size_t at = line.find('%'); at != std::string::npos; at = line.find('%', at)) {
        const char which = line[at + 1];
        const std::string value =
            which == 'o' ? "pad" : (which >= '0' && which <= '2' ? help.example[which - '0'] : "%");
        line.replace(at, 2, value);
        at += value.size();
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return (kind == EventKind::kCondition ? "Condition  " : "Action     ") + line;
}

// The records of a table in code order.
std::vector<const std::int16_t*> Records(const zandrel::EventTable& table)
{
    std::vector<const std::int16_t*> records;
    for (int code = 0; code < table.count; ++code) {
        if (const std::int16_t* record = zandrel::FindEventInfo(table, static_cast<std::int16_t>(code))) {
            records.push_back(record);
        }
    }
    return records;
}

std::string EventName(const zandrel::EventTable& table, const std::int16_t* record)
{
    return MenuTextOf(table.menuResource, static_cast<std::uint16_t>(record[zandrel::kInfoMenuId]));
}

void WriteEvent(std::ostream& out, EventKind kind, const zandrel::EventTable& table, const std::int16_t* record,
                const std::vector<Recipe>& recipes)
{
    const int code = record[zandrel::kInfoCode];
    const std::string name = EventName(table, record);
    const zandrel::EventHelp* help = zandrel::FindEventHelp(kind, code);
    static const zandrel::EventHelp kNone = {"", {}, "", {}};
    const zandrel::EventHelp& text = help != nullptr ? *help : kNone;
    const int count = zandrel::ParamCount(record);
    const std::string display = LoadedText(static_cast<std::uint16_t>(record[zandrel::kInfoStringId]));
    out << "### " << name << "\n\n" << text.does << "\n\n";
    out << "**Example:** `" << ExampleLine(kind, display, text, count) << "`\n\n";
    for (int i = 0; i < count; ++i) {
        const std::int16_t titleId = zandrel::ParamTitleId(record, i);
        out << "- Parameter " << i + 1 << ", " << (text.parameters[i] != nullptr ? text.parameters[i] : "");
        if (titleId != 0) {
            out << " The editor's title: \"" << LoadedText(static_cast<std::uint16_t>(titleId)) << "\".";
        }
        out << "\n";
    }
    if (count == 0) {
        out << "- No parameters.\n";
    }
    out << "- Answers: " << text.answers << "\n";
    std::string used;
    for (const Recipe& recipe : recipes) {
        for (const std::string& event : recipe.events) {
            if (event == name) {
                used += std::string(used.empty() ? "" : ", ") + "[" + recipe.heading + "](guide.md#" +
                        Slug(recipe.heading) + ")";
                break;
            }
        }
    }
    out << "- Used in: " << (used.empty() ? "no recipe yet." : used) << "\n\n";
}

// Every record's numbers, for those who write a host or read the library's records.
void WriteTables(std::ostream& out)
{
    out << "## " << kTablesTitle << "\n\n"
        << "What the library declares to the host for each event. Menu ids are the commands of the editor's "
           "menus (resources 20001 conditions, 20000 actions, 20002 expressions); flags and parameter types are "
           "numbers the host defines: type 22 an integer, 45 a file name, 1 an expression's integer; flag 0x220 "
           "marks a condition the host tests of its own accord, flag 1 an expression that answers text.\n\n"
        << "| event | code | menu id | string id | flags | parameter types | title ids |\n"
        << "|---|---|---|---|---|---|---|\n";
    for (const Section& section : kSections) {
        const zandrel::EventTable& table = zandrel::CatalogueTable(section.kind);
        for (const std::int16_t* record : Records(table)) {
            std::string types;
            std::string titles;
            for (int i = 0; i < zandrel::ParamCount(record); ++i) {
                types += (i == 0 ? "" : ", ") + std::to_string(zandrel::ParamType(record, i));
                titles += (i == 0 ? "" : ", ") + std::to_string(zandrel::ParamTitleId(record, i));
            }
            out << "| " << EventName(table, record) << " | " << record[zandrel::kInfoCode] << " | "
                << record[zandrel::kInfoMenuId] << " | " << record[zandrel::kInfoStringId] << " | 0x" << std::hex
                << record[zandrel::kInfoFlags] << std::dec << " | " << (types.empty() ? "none" : types) << " | "
                << (titles.empty() ? "none" : titles) << " |\n";
        }
    }
}

std::string Reference(const std::string& docs)
{
    const std::vector<Recipe> recipes = GuideRecipes(docs);
    std::ostringstream out;
    out << "<!-- Generated by tools/events_doc.cpp from the event catalogue, its texts and menus, the event\n"
           "     descriptions and the guide's recipes. Do not edit: run `cmake --build build/native --target "
           "events_doc`. -->\n\n";
    out << "# zandrel " ZANDREL_VERSION " events\n\n";
    out << "Every condition, action and expression a zandrel object offers in the event editor: what it does, "
           "its parameters, what it answers, an example line as the event editor shows it (the object is called "
           "`pad` there), and the [guide's](guide.md) recipes that use it.\n\n";
    out << "## Contents\n\n";
    for (const Section& section : kSections) {
        const zandrel::EventTable& table = zandrel::CatalogueTable(section.kind);
        out << "- [" << section.title << "](#" << section.anchor << "):";
        const char* separator = " ";
        for (const std::int16_t* record : Records(table)) {
            const std::string name = EventName(table, record);
            out << separator << "[" << name << "](#" << Slug(name) << ")";
            separator = ", ";
        }
        out << "\n";
    }
    out << "- [" << kTablesTitle << "](#" << Slug(kTablesTitle) << ")\n\n";
    for (const Section& section : kSections) {
        const zandrel::EventTable& table = zandrel::CatalogueTable(section.kind);
        out << "## " << section.title << "\n\n" << section.routineForm << "\n\n";
        for (const std::int16_t* record : Records(table)) {
            WriteEvent(out, section.kind, table, record, recipes);
        }
    }
    WriteTables(out);
    return out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    zandrel::tools::GeneratedFile file;
    if (!zandrel::tools::ParseGeneratedFileArgs(argc, argv, "make_events_doc", &file)) {
        return 2;
    }
    // The guide and the examples sit beside the reference: docs/ and ../examples/.
    const std::size_t slash = file.path.find_last_of('/');
    const std::string docs = slash == std::string::npos ? "." : file.path.substr(0, slash);
    return zandrel::tools::WriteOrCheck(file, Reference(docs), "events_doc");
}
