// The event catalogue: three constant tables of EventInfo records, one per kind of
// event, and the operations the editor exports build on.
//
// An EventInfo record is a run of 16-bit words: menu id, string id, code, flags,
// parameter count n, n parameter types, n parameter title ids (0 = no title).
// Records follow one another in code order without gaps; the host keeps addresses
// into them, so the tables never move.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/exports.h"

namespace zandrel {

enum class EventKind { kCondition, kAction, kExpression };

// Word positions inside a record.
constexpr int kInfoMenuId = 0;
constexpr int kInfoStringId = 1;
constexpr int kInfoCode = 2;
constexpr int kInfoFlags = 3;
constexpr int kInfoParamCount = 4;
constexpr int kInfoTypes = 5;

constexpr int kMaxEventParams = 3;

constexpr std::uint32_t kActionMenuResource = 20000;
constexpr std::uint32_t kConditionMenuResource = 20001;
constexpr std::uint32_t kExpressionMenuResource = 20002;

// Longest menu text CopyMenuItems carries over, terminator included.
constexpr int kMenuTextRoom = 80;

struct EventTable {
    const std::int16_t* words;
    std::size_t wordCount;
    int count;  // records
    std::uint32_t menuResource;
};

const EventTable& CatalogueTable(EventKind kind);

// The record of `code`, or null for a code the table does not hold.
const std::int16_t* FindEventInfo(const EventTable& table, std::int16_t code);

inline int ParamCount(const std::int16_t* record)
{
    return record[kInfoParamCount];
}
inline std::int16_t ParamType(const std::int16_t* record, int index)
{
    return record[kInfoTypes + index];
}
inline std::int16_t ParamTitleId(const std::int16_t* record, int index)
{
    return record[kInfoTypes + ParamCount(record) + index];
}

// A new popup holding the items of the menu resource's first popup, or null.
MenuHandle LoadEventMenu(std::uint32_t menuResource);
// Appends copies of the source's items (separators, nested popups, states).
void CopyMenuItems(MenuHandle destination, MenuHandle source);

// True when the buffer has room for text; a one-character buffer gets only the
// terminator, a null or empty one nothing.
inline bool HasTextRoom(char16_t* buffer, std::uint16_t length)
{
    if (buffer == nullptr || length == 0) {
        return false;
    }
    if (length == 1) {
        buffer[0] = 0;
        return false;
    }
    return true;
}

// What a parameter index outside the record's parameters gives.
enum class MissingTitle { kEmpty, kMenuText };
// The title of parameter `index` of event `code`; title id 0 gives the event's menu text.
void LoadParameterTitle(const EventTable& table, std::int16_t code, std::int16_t index, char16_t* buffer,
                        std::uint16_t length, MissingTitle missing);

// An event in the author's words (for the generated reference): what it does, each
// parameter's meaning and range, what it answers, and an example's arguments.
struct EventHelp {
    const char* does;
    const char* parameters[3];
    const char* answers;
    const char* example[3];
};
// The event's help, or null for a code outside the catalogue.
const EventHelp* FindEventHelp(EventKind kind, int code);

}  // namespace zandrel
