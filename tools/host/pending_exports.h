// Stand-ins for the catalogue and information exports until they are built; the
// declarations match what the library will export.
#pragma once

#include <cstdint>

#include "events/routines.h"
#include "host/host_interface.h"

namespace zandrel {
using MenuHandle = void*;

struct RunInfo {
    ConditionRoutine const* conditions;
    ActionRoutine const* actions;
    ExpressionRoutine const* expressions;
    std::int16_t conditionCount;
    std::int16_t actionCount;
    std::int16_t expressionCount;
    std::int16_t editDataSize;
    std::int32_t hostValue20;
    std::uint8_t hostValue24;
    std::uint8_t unwritten25;
    std::int16_t hostValue26;
    char identifier[4];
    std::int16_t hostValue32;
};
}  // namespace zandrel

#define ZANDREL_EXPORT extern "C"
ZANDREL_EXPORT std::uint32_t ZANDREL_CALL GetInfos(std::int32_t query);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetRunObjectInfos(void* hostServices, zandrel::RunInfo* info);
ZANDREL_EXPORT void ZANDREL_CALL GetObjInfos(zandrel::EditorServices* editor, void* editData, char16_t* name,
                                             char16_t* author, char16_t* legal, char16_t* comment, char16_t* web);
ZANDREL_EXPORT zandrel::MenuHandle ZANDREL_CALL GetConditionMenu(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT zandrel::MenuHandle ZANDREL_CALL GetActionMenu(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT zandrel::MenuHandle ZANDREL_CALL GetExpressionMenu(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetConditionCodeFromMenu(zandrel::EditorServices* editor,
                                                                  std::uint16_t menuId);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetActionCodeFromMenu(zandrel::EditorServices* editor, std::uint16_t menuId);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetExpressionCodeFromMenu(zandrel::EditorServices* editor,
                                                                   std::uint16_t menuId);
ZANDREL_EXPORT const std::int16_t* ZANDREL_CALL GetConditionInfos(zandrel::EditorServices* editor, std::int16_t code);
ZANDREL_EXPORT const std::int16_t* ZANDREL_CALL GetActionInfos(zandrel::EditorServices* editor, std::int16_t code);
ZANDREL_EXPORT const std::int16_t* ZANDREL_CALL GetExpressionInfos(zandrel::EditorServices* editor, std::int16_t code);
ZANDREL_EXPORT void ZANDREL_CALL GetConditionString(zandrel::EditorServices* editor, std::int16_t code,
                                                    char16_t* buffer, std::uint16_t length);
ZANDREL_EXPORT void ZANDREL_CALL GetActionString(zandrel::EditorServices* editor, std::int16_t code, char16_t* buffer,
                                                 std::uint16_t length);
ZANDREL_EXPORT void ZANDREL_CALL GetExpressionString(zandrel::EditorServices* editor, std::int16_t code,
                                                     char16_t* buffer, std::uint16_t length);
ZANDREL_EXPORT void ZANDREL_CALL GetConditionTitle(zandrel::EditorServices* editor, std::int16_t code,
                                                   std::int16_t index, char16_t* buffer, std::uint16_t length);
ZANDREL_EXPORT void ZANDREL_CALL GetActionTitle(zandrel::EditorServices* editor, std::int16_t code, std::int16_t index,
                                                char16_t* buffer, std::uint16_t length);
ZANDREL_EXPORT void ZANDREL_CALL GetExpressionTitle(zandrel::EditorServices* editor, std::int16_t code,
                                                    char16_t* buffer, std::uint16_t length);
ZANDREL_EXPORT void ZANDREL_CALL GetExpressionParam(zandrel::EditorServices* editor, std::int16_t code,
                                                    std::int16_t index, char16_t* buffer, std::uint16_t length);
