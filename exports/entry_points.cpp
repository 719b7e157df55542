// The exports outside the event catalogue: information, the run-info record, the
// runtime exports with nothing to do and the editor exports.
#include <cstring>

#include "exports/routine_tables.h"
#include "exports/run_info.h"
#include "host/exports.h"
#include "platform/resource_access.h"
#include "runtime/run_object.h"

using zandrel::EditorServices;
using zandrel::RunObject;

namespace {

// The editor's general-call functions.
constexpr std::int32_t kResizeEditData = 5;
constexpr std::int32_t kInsertProperties = 1;

// The string ids GetObjInfos loads, with the room of each buffer.
constexpr std::uint32_t kNameText = 128;
constexpr std::uint32_t kAuthorText = 129;
constexpr std::uint32_t kLegalText = 130;
constexpr std::uint32_t kCommentText = 131;
constexpr std::uint32_t kWebText = 132;
constexpr int kInfoTextRoom = 255;
constexpr int kCommentRoom = 1024;

constexpr std::int32_t kObjectSize = 32;  // editor pixels, both ways

// A debug-item list with nothing but its end marker.
constexpr std::uint16_t kDebugTree[] = {0xFFFF};

// The extension's property list: empty, its first entry's id is the end marker 0.
constexpr std::int32_t kPropertyList[8] = {};

void LoadInfoText(std::uint32_t id, char16_t* buffer, int room)
{
    if (buffer != nullptr) {
        zandrel::resources::LoadText(id, buffer, room);
    }
}

void CallEditor(EditorServices* editor, void* editData, std::int32_t function, zandrel::HostParam a,
                zandrel::HostParam b, zandrel::HostParam c)
{
    if (editor != nullptr && editor->GeneralCall != nullptr) {
        editor->GeneralCall(editor, editData, function, a, b, c);
    }
}

}  // namespace

std::uint32_t ZANDREL_CALL GetInfos(std::int32_t query)
{
    switch (query) {
        case 0:
            return 0x300;
        case 2:
            return 0x100;
        case 6:
            return 2;
        case 7:
            return 249;  // the editor build IsEditorCompatible demands
        case 8:
            return 1;
        default:
            return 0;
    }
}

std::int32_t ZANDREL_CALL GetRunObjectInfos(void*, zandrel::RunInfo* info)
{
    if (info == nullptr) {
        return 0;
    }
    // Field by field: the host's bytes between the fields stay as they were.
    info->conditions = zandrel::kConditionRoutines;
    info->actions = zandrel::kActionRoutines;
    info->expressions = zandrel::kExpressionRoutines;
    info->conditionCount = zandrel::kConditionCount;
    info->actionCount = zandrel::kActionCount;
    info->expressionCount = zandrel::kExpressionCount;
    info->editDataSize = zandrel::kEditDataSize;
    info->hostValue20 = 0;
    info->hostValue24 = 100;
    info->hostValue26 = 0;
    std::memcpy(info->identifier, "QXRV", sizeof info->identifier);
    info->hostValue32 = 1;
    return 1;
}

void* ZANDREL_CALL GetDependencies()
{
    return nullptr;
}

const char16_t* ZANDREL_CALL GetHelpFileName()
{
    return u"Help\\MyExt.chm";
}

std::int32_t ZANDREL_CALL DisplayRunObject(RunObject*)
{
    return 0;
}
std::int32_t ZANDREL_CALL PauseRunObject(RunObject*)
{
    return 0;
}
std::int32_t ZANDREL_CALL ContinueRunObject(RunObject*)
{
    return 0;
}
std::int32_t ZANDREL_CALL SaveRunObject(RunObject*, void*)
{
    return 1;
}
std::int32_t ZANDREL_CALL LoadRunObject(RunObject*, void*)
{
    return 1;
}
void ZANDREL_CALL StartApp(void*, void*) {}
void ZANDREL_CALL EndApp(void*, void*) {}
void ZANDREL_CALL StartFrame(void*, void*, std::int32_t) {}
void ZANDREL_CALL EndFrame(void*, void*, std::int32_t) {}
const std::uint16_t* ZANDREL_CALL GetDebugTree(RunObject*)
{
    return kDebugTree;
}
void ZANDREL_CALL GetDebugItem(char16_t*, RunObject*, std::int32_t) {}
void ZANDREL_CALL EditDebugItem(RunObject*, std::int32_t) {}
std::int32_t ZANDREL_CALL Initialize(void*, std::int32_t)
{
    return 0;
}
std::int32_t ZANDREL_CALL Free(void*)
{
    return 0;
}

std::int32_t ZANDREL_CALL CreateObject(EditorServices* editor, void*, void* editData)
{
    if (!zandrel::IsEditorCompatible(editor)) {
        return -1;
    }
    CallEditor(editor, editData, kResizeEditData, reinterpret_cast<zandrel::HostParam>(editData),
               zandrel::kEditDataSize, 0);
    return 0;
}

std::int32_t ZANDREL_CALL EditObject(EditorServices*, void*, void*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL LoadObject(EditorServices*, void*, void*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetFilters(EditorServices*, void*, void*, void*)
{
    return 0;
}
void ZANDREL_CALL UnloadObject(EditorServices*, void*, void*) {}
void ZANDREL_CALL DuplicateObject(EditorServices*, void*, void*) {}
void ZANDREL_CALL PrepareToWriteObject(EditorServices*, void*, void*) {}
void ZANDREL_CALL CreateFromFile(EditorServices*, void*, void*) {}
void ZANDREL_CALL InitParameter(EditorServices*, void*, void*) {}
void ZANDREL_CALL EditParameter(EditorServices*, void*, void*) {}
void ZANDREL_CALL SetTextAlignment(EditorServices*, void*, void*) {}
void ZANDREL_CALL SetTextClr(EditorServices*, void*, void*) {}
void ZANDREL_CALL ReleaseProperties(EditorServices*, void*, void*) {}
void ZANDREL_CALL PutObject(EditorServices*, void*, void*, void*) {}
void ZANDREL_CALL RemoveObject(EditorServices*, void*, void*, void*) {}
void ZANDREL_CALL UpdateFileNames(EditorServices*, void*, void*, void*) {}
void ZANDREL_CALL SetPropValue(EditorServices*, void*, void*, void*) {}
void ZANDREL_CALL SetPropCheck(EditorServices*, void*, void*, void*) {}
void ZANDREL_CALL ReleasePropCreateParam(EditorServices*, void*, void*, void*) {}
void ZANDREL_CALL GetParameterString(EditorServices*, void*, void*, void*, void*) {}
std::int32_t ZANDREL_CALL UsesFile(EditorServices*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL UpdateEditStructure(EditorServices*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetTextCaps(EditorServices*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetTextAlignment(EditorServices*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetTextClr(EditorServices*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetTextFont(EditorServices*, void*, void*, void*, void*)
{
    return 1;
}
std::int32_t ZANDREL_CALL SetTextFont(EditorServices*, void*, void*, void*)
{
    return 1;
}
std::int32_t ZANDREL_CALL IsTransparent(EditorServices*, void*, void*, std::int32_t, std::int32_t)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetPropValue(EditorServices*, void*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetPropCheck(EditorServices*, void*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL GetPropCreateParam(EditorServices*, void*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL EditProp(EditorServices*, void*, void*)
{
    return 0;
}
std::int32_t ZANDREL_CALL IsPropEnabled(EditorServices*, void*, void*)
{
    return 1;
}

std::int32_t ZANDREL_CALL GetProperties(EditorServices* editor, void* editData, void*)
{
    CallEditor(editor, editData, kInsertProperties, reinterpret_cast<zandrel::HostParam>(kPropertyList), 1, 1);
    return 1;
}

void ZANDREL_CALL GetObjectRect(EditorServices*, zandrel::HostRect* rect, void*, void*)
{
    if (rect != nullptr) {
        rect->right = rect->left + kObjectSize;
        rect->bottom = rect->top + kObjectSize;
    }
}

void ZANDREL_CALL GetObjInfos(EditorServices*, void*, char16_t* name, char16_t* author, char16_t* legal,
                              char16_t* comment, char16_t* web)
{
    LoadInfoText(kNameText, name, kInfoTextRoom);
    LoadInfoText(kAuthorText, author, kInfoTextRoom);
    LoadInfoText(kLegalText, legal, kInfoTextRoom);
    LoadInfoText(kCommentText, comment, kCommentRoom);
    LoadInfoText(kWebText, web, kInfoTextRoom);
}
