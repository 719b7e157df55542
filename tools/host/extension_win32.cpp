// The Windows binding: zandrel.mfx loaded with LoadLibraryW, its exports found by
// name, its imports of the outside world pointed at the simulated world.
#include <windows.h>

#include "tools/host/extension.h"
#include "tools/host/key_window_win32.h"
#include "tools/host/text.h"
#include "tools/host/world_hooks_win32.h"

namespace zandrel::host {

namespace {

std::wstring Wide(const std::string& text)
{
    std::u16string wide;
    Utf8ToUtf16(text, &wide);
    return std::wstring(wide.begin(), wide.end());
}

std::wstring LibraryBesideProgram()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    const std::size_t slash = folder.find_last_of(L"\\/");
    folder = slash == std::wstring::npos ? L"" : folder.substr(0, slash + 1);
    return folder + L"zandrel.mfx";
}

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function, std::string* error)
{
    FARPROC address = GetProcAddress(module, name);
    if (address == nullptr) {
        *error = std::string("zandrel.mfx does not export ") + name;
        return false;
    }
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    return true;
}

const MenuCalls kUser32Menus = {
    [](MenuHandle menu) { return GetMenuItemCount(static_cast<HMENU>(menu)); },
    [](MenuHandle menu, int position) {
        return static_cast<std::uint32_t>(GetMenuItemID(static_cast<HMENU>(menu), position));
    },
    [](MenuHandle menu, int position) -> MenuHandle { return GetSubMenu(static_cast<HMENU>(menu), position); },
    [](MenuHandle menu, int position, char16_t* buffer, int length) {
        GetMenuStringW(static_cast<HMENU>(menu), static_cast<UINT>(position), reinterpret_cast<wchar_t*>(buffer),
                       length, MF_BYPOSITION);
    },
};

bool ReadAndFreeMenu(MenuHandle menu, std::vector<MenuItem>* items)
{
    items->clear();
    const bool read = ReadMenuItems(kUser32Menus, menu, items);
    DestroyMenu(static_cast<HMENU>(menu));
    return read;
}

bool Load(Extension* e, std::string* error)
{
    const std::wstring path = e->libraryPath.empty() ? LibraryBesideProgram() : Wide(e->libraryPath);
    HMODULE module = LoadLibraryW(path.c_str());
    if (module == nullptr) {
        *error = "cannot load " + Utf16ToUtf8(std::u16string(path.begin(), path.end())) + " (error " +
                 std::to_string(GetLastError()) + ")";
        return false;
    }
    e->module = module;
    return Find(module, "GetInfos", &e->GetInfos, error) &&
           Find(module, "GetRunObjectInfos", &e->GetRunObjectInfos, error) &&
           Find(module, "GetRunObjectDataSize", &e->GetRunObjectDataSize, error) &&
           Find(module, "CreateRunObject", &e->CreateRunObject, error) &&
           Find(module, "DestroyRunObject", &e->DestroyRunObject, error) &&
           Find(module, "HandleRunObject", &e->HandleRunObject, error) &&
           Find(module, "GetObjInfos", &e->GetObjInfos, error) &&
           Find(module, "GetConditionMenu", &e->GetMenu[0], error) &&
           Find(module, "GetActionMenu", &e->GetMenu[1], error) &&
           Find(module, "GetExpressionMenu", &e->GetMenu[2], error) &&
           Find(module, "GetConditionCodeFromMenu", &e->GetCodeFromMenu[0], error) &&
           Find(module, "GetActionCodeFromMenu", &e->GetCodeFromMenu[1], error) &&
           Find(module, "GetExpressionCodeFromMenu", &e->GetCodeFromMenu[2], error) &&
           Find(module, "GetConditionInfos", &e->GetEventInfos[0], error) &&
           Find(module, "GetActionInfos", &e->GetEventInfos[1], error) &&
           Find(module, "GetExpressionInfos", &e->GetEventInfos[2], error) &&
           Find(module, "GetConditionString", &e->GetString[0], error) &&
           Find(module, "GetActionString", &e->GetString[1], error) &&
           Find(module, "GetExpressionString", &e->GetString[2], error) &&
           Find(module, "GetConditionTitle", &e->GetConditionTitle, error) &&
           Find(module, "GetActionTitle", &e->GetActionTitle, error) &&
           Find(module, "GetExpressionTitle", &e->GetExpressionTitle, error) &&
           Find(module, "GetExpressionParam", &e->GetExpressionParam, error) &&
           HookWorldImports(module, e->realWorld, error);
}

// The key window's messages first: a stroke the command sent is part of its output.
void AfterCommand(std::vector<std::string>* output)
{
    PumpKeyWindow(output);
    ReportInventoryLeaks(output);
}

void Unload(Extension* e)
{
    if (e->module != nullptr) {
        FreeLibrary(static_cast<HMODULE>(e->module));
        e->module = nullptr;
    }
}

}  // namespace

bool BindExtension(const std::string& libraryPath, Extension* extension, std::string* error)
{
    extension->libraryPath = libraryPath;
    extension->ReadAndFreeMenu = &ReadAndFreeMenu;
    extension->AfterCommand = &AfterCommand;
    // Real strokes need a window of the host's own to arrive in, pumped between frames.
    if ((extension->realWorld & kRealKeyStrokes) != 0) {
        extension->AfterFrame = &PumpKeyWindow;
        extension->SetFocus = &SetRealFocus;
        if (!OpenKeyWindow(error)) {
            return false;
        }
    }
    if (!Load(extension, error)) {
        UnbindExtension(extension);
        return false;
    }
    return true;
}

// A fresh module for every script: the library is unloaded and loaded again, so
// its device list is empty as after the first load.
bool ResetExtension(Extension* extension, std::string* error)
{
    // The key releases of the file before, sent as its objects went, are not this file's.
    PumpKeyWindow(nullptr);
    Unload(extension);
    return Load(extension, error);
}

void UnbindExtension(Extension* extension)
{
    Unload(extension);
    CloseKeyWindow();
}

}  // namespace zandrel::host
