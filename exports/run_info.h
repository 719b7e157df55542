// The record GetRunObjectInfos fills for the host: the three routine tables, their
// counts and the extension's identity.
//
// The host reads it with 4-byte pointers (Windows build: tables at 0, 4, 8, the
// rest from 12). The native build keeps its own pointer width, so every field
// after the tables moves by the extra pointer bytes; nothing outside this process
// reads the native layout.
#pragma once

#include <cstddef>
#include <cstdint>

#include "exports/routine_tables.h"

namespace zandrel {

constexpr std::int16_t kEditDataSize = 20;

struct RunInfo {
    ConditionRoutine const* conditions;  // code order, then a null entry
    ActionRoutine const* actions;
    ExpressionRoutine const* expressions;
    std::int16_t conditionCount;
    std::int16_t actionCount;
    std::int16_t expressionCount;
    std::int16_t editDataSize;
    // The host's own fields; their values are passed on as the host expects them.
    std::int32_t hostValue20;
    std::uint8_t hostValue24;
    std::uint8_t unwritten25;
    std::int16_t hostValue26;
    char identifier[4];  // "QXRV", in memory order
    std::int16_t hostValue32;
};

// Offset of a field in the host's (4-byte pointer) layout, moved by the native
// build's wider pointers.
constexpr std::size_t RunInfoOffset(std::size_t hostOffset)
{
    return hostOffset < 12 ? hostOffset / 4 * sizeof(void*) : hostOffset + 3 * (sizeof(void*) - 4);
}

static_assert(offsetof(RunInfo, conditions) == RunInfoOffset(0), "conditions");
static_assert(offsetof(RunInfo, actions) == RunInfoOffset(4), "actions");
static_assert(offsetof(RunInfo, expressions) == RunInfoOffset(8), "expressions");
static_assert(offsetof(RunInfo, conditionCount) == RunInfoOffset(12), "conditionCount");
static_assert(offsetof(RunInfo, actionCount) == RunInfoOffset(14), "actionCount");
static_assert(offsetof(RunInfo, expressionCount) == RunInfoOffset(16), "expressionCount");
static_assert(offsetof(RunInfo, editDataSize) == RunInfoOffset(18), "editDataSize");
static_assert(offsetof(RunInfo, hostValue20) == RunInfoOffset(20), "hostValue20");
static_assert(offsetof(RunInfo, hostValue24) == RunInfoOffset(24), "hostValue24");
static_assert(offsetof(RunInfo, hostValue26) == RunInfoOffset(26), "hostValue26");
static_assert(offsetof(RunInfo, identifier) == RunInfoOffset(28), "identifier");
static_assert(offsetof(RunInfo, hostValue32) == RunInfoOffset(32), "hostValue32");
#if defined(_WIN32)
static_assert(sizeof(void*) == 4, "the host is a 32-bit process");
static_assert(offsetof(RunInfo, expressions) == 8 && offsetof(RunInfo, identifier) == 28, "host layout");
static_assert(sizeof(RunInfo) == 36, "RunInfo size");
#endif

}  // namespace zandrel
