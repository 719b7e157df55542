// The editor's view of the event catalogue.
#include "exports/catalogue.h"
#include "platform/resource_access.h"

using zandrel::EditorServices;
using zandrel::EventKind;
using zandrel::MenuHandle;

namespace {

const zandrel::EventTable& Table(EventKind kind)
{
    return zandrel::CatalogueTable(kind);
}

MenuHandle EventMenu(EditorServices* editor, EventKind kind)
{
    if (!zandrel::IsEditorCompatible(editor)) {
        return nullptr;
    }
    return zandrel::LoadEventMenu(Table(kind).menuResource);
}

std::int32_t CodeFromMenu(EventKind kind, std::uint16_t menuId)
{
    const zandrel::EventTable& table = Table(kind);
    for (std::int16_t code = 0; code < table.count; ++code) {
        const std::int16_t* record = zandrel::FindEventInfo(table, code);
        if (record != nullptr && static_cast<std::uint16_t>(record[zandrel::kInfoMenuId]) == menuId) {
            return record[zandrel::kInfoCode];
        }
    }
    return -1;
}

const std::int16_t* Infos(EventKind kind, std::int16_t code)
{
    const std::int16_t* record = zandrel::FindEventInfo(Table(kind), code);
    return record == nullptr ? nullptr : record + zandrel::kInfoCode;
}

void DisplayString(EditorServices* editor, EventKind kind, std::int16_t code, char16_t* buffer, std::uint16_t length)
{
    if (!zandrel::IsEditorCompatible(editor)) {
        return;
    }
    const std::int16_t* record = zandrel::FindEventInfo(Table(kind), code);
    if (record == nullptr || !zandrel::HasTextRoom(buffer, length)) {
        return;
    }
    zandrel::resources::LoadText(static_cast<std::uint16_t>(record[zandrel::kInfoStringId]), buffer, length);
}

}  // namespace

MenuHandle ZANDREL_CALL GetConditionMenu(EditorServices* editor, void*, void*)
{
    return EventMenu(editor, EventKind::kCondition);
}

MenuHandle ZANDREL_CALL GetActionMenu(EditorServices* editor, void*, void*)
{
    return EventMenu(editor, EventKind::kAction);
}

MenuHandle ZANDREL_CALL GetExpressionMenu(EditorServices* editor, void*, void*)
{
    return EventMenu(editor, EventKind::kExpression);
}

std::int32_t ZANDREL_CALL GetConditionCodeFromMenu(EditorServices*, std::uint16_t menuId)
{
    return CodeFromMenu(EventKind::kCondition, menuId);
}

std::int32_t ZANDREL_CALL GetActionCodeFromMenu(EditorServices*, std::uint16_t menuId)
{
    return CodeFromMenu(EventKind::kAction, menuId);
}

std::int32_t ZANDREL_CALL GetExpressionCodeFromMenu(EditorServices*, std::uint16_t menuId)
{
    return CodeFromMenu(EventKind::kExpression, menuId);
}

const std::int16_t* ZANDREL_CALL GetConditionInfos(EditorServices*, std::int16_t code)
{
    return Infos(EventKind::kCondition, code);
}

const std::int16_t* ZANDREL_CALL GetActionInfos(EditorServices*, std::int16_t code)
{
    return Infos(EventKind::kAction, code);
}

const std::int16_t* ZANDREL_CALL GetExpressionInfos(EditorServices*, std::int16_t code)
{
    return Infos(EventKind::kExpression, code);
}

void ZANDREL_CALL GetConditionString(EditorServices* editor, std::int16_t code, char16_t* buffer, std::uint16_t length)
{
    DisplayString(editor, EventKind::kCondition, code, buffer, length);
}

void ZANDREL_CALL GetActionString(EditorServices* editor, std::int16_t code, char16_t* buffer, std::uint16_t length)
{
    DisplayString(editor, EventKind::kAction, code, buffer, length);
}

void ZANDREL_CALL GetExpressionString(EditorServices* editor, std::int16_t code, char16_t* buffer, std::uint16_t length)
{
    DisplayString(editor, EventKind::kExpression, code, buffer, length);
}

void ZANDREL_CALL GetConditionTitle(EditorServices*, std::int16_t code, std::int16_t index, char16_t* buffer,
                                    std::uint16_t length)
{
    zandrel::LoadParameterTitle(Table(EventKind::kCondition), code, index, buffer, length,
                                zandrel::MissingTitle::kEmpty);
}

void ZANDREL_CALL GetActionTitle(EditorServices*, std::int16_t code, std::int16_t index, char16_t* buffer,
                                 std::uint16_t length)
{
    zandrel::LoadParameterTitle(Table(EventKind::kAction), code, index, buffer, length, zandrel::MissingTitle::kEmpty);
}

void ZANDREL_CALL GetExpressionTitle(EditorServices*, std::int16_t code, char16_t* buffer, std::uint16_t length)
{
    // An expression without parameters is named by its menu text.
    zandrel::LoadParameterTitle(Table(EventKind::kExpression), code, 0, buffer, length,
                                zandrel::MissingTitle::kMenuText);
}

void ZANDREL_CALL GetExpressionParam(EditorServices*, std::int16_t code, std::int16_t index, char16_t* buffer,
                                     std::uint16_t length)
{
    const std::int16_t* record = zandrel::FindEventInfo(Table(EventKind::kExpression), code);
    if (record == nullptr || !zandrel::HasTextRoom(buffer, length)) {
        return;
    }
    const bool inRange = index >= 0 && index < zandrel::ParamCount(record);
    const std::int16_t titleId = inRange ? zandrel::ParamTitleId(record, index) : 0;
    if (titleId == 0) {
        buffer[0] = 0;
        return;
    }
    zandrel::resources::LoadText(static_cast<std::uint16_t>(titleId), buffer, length);
}
