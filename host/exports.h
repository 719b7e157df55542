// The functions the host finds by name. On Windows the .def file exports them
// undecorated; natively they are plain C functions the reference host links.
#pragma once

#include <cstdint>

#include "host/host_interface.h"

#define ZANDREL_EXPORT extern "C"

// Runtime lifecycle.
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetRunObjectDataSize(void* hostRecord, void* editData);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL CreateRunObject(zandrel::RunObject* object, void* editData, void* createInfo);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL DestroyRunObject(zandrel::RunObject* object, std::int32_t fast);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL HandleRunObject(zandrel::RunObject* object);

// Argument counts matter: every export is __stdcall on Windows, so a wrong count
// corrupts the host's stack. windows/zandrel.def names each with its byte count.
namespace zandrel {
struct RunInfo;
// A popup menu handle: an HMENU on Windows, a simulated menu natively.
using MenuHandle = void*;
// The rectangle GetObjectRect completes.
struct HostRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};
}  // namespace zandrel

// Information.
ZANDREL_EXPORT std::uint32_t ZANDREL_CALL GetInfos(std::int32_t query);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetRunObjectInfos(void* hostServices, zandrel::RunInfo* info);
ZANDREL_EXPORT void* ZANDREL_CALL GetDependencies();
ZANDREL_EXPORT const char16_t* ZANDREL_CALL GetHelpFileName();

// Runtime exports that have nothing to do.
ZANDREL_EXPORT std::int32_t ZANDREL_CALL DisplayRunObject(zandrel::RunObject* object);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL PauseRunObject(zandrel::RunObject* object);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL ContinueRunObject(zandrel::RunObject* object);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL SaveRunObject(zandrel::RunObject* object, void* stream);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL LoadRunObject(zandrel::RunObject* object, void* stream);
ZANDREL_EXPORT void ZANDREL_CALL StartApp(void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL EndApp(void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL StartFrame(void* a, void* b, std::int32_t c);
ZANDREL_EXPORT void ZANDREL_CALL EndFrame(void* a, void* b, std::int32_t c);
ZANDREL_EXPORT const std::uint16_t* ZANDREL_CALL GetDebugTree(zandrel::RunObject* object);
ZANDREL_EXPORT void ZANDREL_CALL GetDebugItem(char16_t* buffer, zandrel::RunObject* object, std::int32_t id);
ZANDREL_EXPORT void ZANDREL_CALL EditDebugItem(zandrel::RunObject* object, std::int32_t id);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL Initialize(void* a, std::int32_t b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL Free(void* a);

// Editor exports outside the event catalogue.
ZANDREL_EXPORT std::int32_t ZANDREL_CALL CreateObject(zandrel::EditorServices* editor, void* hostRecord,
                                                      void* editData);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL EditObject(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL LoadObject(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetFilters(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL UnloadObject(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL DuplicateObject(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL PrepareToWriteObject(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL CreateFromFile(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL InitParameter(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL EditParameter(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL SetTextAlignment(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL SetTextClr(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL ReleaseProperties(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT void ZANDREL_CALL PutObject(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL RemoveObject(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL UpdateFileNames(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL SetPropValue(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL SetPropCheck(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL ReleasePropCreateParam(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT void ZANDREL_CALL GetParameterString(zandrel::EditorServices* editor, void* a, void* b, void* c,
                                                    void* d);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL UsesFile(zandrel::EditorServices* editor, void* a);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL UpdateEditStructure(zandrel::EditorServices* editor, void* a);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetTextCaps(zandrel::EditorServices* editor, void* a);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetTextAlignment(zandrel::EditorServices* editor, void* a);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetTextClr(zandrel::EditorServices* editor, void* a);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetTextFont(zandrel::EditorServices* editor, void* a, void* b, void* c,
                                                     void* d);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL SetTextFont(zandrel::EditorServices* editor, void* a, void* b, void* c);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL IsTransparent(zandrel::EditorServices* editor, void* a, void* b,
                                                       std::int32_t x, std::int32_t y);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetPropValue(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetPropCheck(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetPropCreateParam(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL EditProp(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL IsPropEnabled(zandrel::EditorServices* editor, void* a, void* b);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetProperties(zandrel::EditorServices* editor, void* editData, void* a);
ZANDREL_EXPORT void ZANDREL_CALL GetObjectRect(zandrel::EditorServices* editor, zandrel::HostRect* rect, void* a,
                                               void* b);
ZANDREL_EXPORT void ZANDREL_CALL GetObjInfos(zandrel::EditorServices* editor, void* editData, char16_t* name,
                                             char16_t* author, char16_t* legal, char16_t* comment, char16_t* web);

// The event catalogue: menus, codes, records, display strings and parameter titles.
// Codes and menu ids are 16-bit, buffer lengths are 16-bit counts of wide characters
// with the terminator.
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
