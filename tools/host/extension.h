// The host's one way into the extension: its exports, as function pointers. The
// native build fills them with the linked functions, the Windows build with
// GetProcAddress on the loaded zandrel.mfx, so everything above this binding is
// the same in both builds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exports/run_info.h"
#include "host/exports.h"

namespace zandrel::host {

// One item of a popup menu as the host reads it back.
struct MenuItem {
    bool separator = false;
    bool popup = false;
    std::uint32_t id = 0;
    std::string text;
    std::vector<MenuItem> children;
};

// The menu calls a reader needs, as user32 answers them (positions from 0; a
// popup's id is 0xFFFFFFFF, a separator's 0).
struct MenuCalls {
    int (*count)(MenuHandle menu);
    std::uint32_t (*id)(MenuHandle menu, int position);
    MenuHandle (*submenu)(MenuHandle menu, int position);
    void (*text)(MenuHandle menu, int position, char16_t* buffer, int length);
};

// The items of `menu`, nested popups included; false when a count fails.
bool ReadMenuItems(const MenuCalls& calls, MenuHandle menu, std::vector<MenuItem>* items);

struct Extension {
    decltype(&::GetInfos) GetInfos = nullptr;
    decltype(&::GetRunObjectInfos) GetRunObjectInfos = nullptr;
    decltype(&::GetRunObjectDataSize) GetRunObjectDataSize = nullptr;
    decltype(&::CreateRunObject) CreateRunObject = nullptr;
    decltype(&::DestroyRunObject) DestroyRunObject = nullptr;
    decltype(&::HandleRunObject) HandleRunObject = nullptr;
    decltype(&::GetObjInfos) GetObjInfos = nullptr;
    decltype(&::GetConditionMenu) GetMenu[3] = {};
    decltype(&::GetConditionCodeFromMenu) GetCodeFromMenu[3] = {};
    decltype(&::GetConditionInfos) GetEventInfos[3] = {};
    decltype(&::GetConditionString) GetString[3] = {};
    decltype(&::GetConditionTitle) GetConditionTitle = nullptr;
    decltype(&::GetActionTitle) GetActionTitle = nullptr;
    decltype(&::GetExpressionTitle) GetExpressionTitle = nullptr;
    decltype(&::GetExpressionParam) GetExpressionParam = nullptr;

    // Reads a menu the extension handed over, then frees it (it is the caller's).
    bool (*ReadAndFreeMenu)(MenuHandle menu, std::vector<MenuItem>* items) = nullptr;

    // Called after every command, and after every frame of a `frame N`, with the
    // output so far (the Windows build reports what the simulated device inventory
    // saw, and what its own window received when the keyboard is real).
    void (*AfterCommand)(std::vector<std::string>* output) = nullptr;
    void (*AfterFrame)(std::vector<std::string>* output) = nullptr;
    // Called by `focus` when the foreground is the system's own (Windows build, real
    // keyboard): another process's window comes to the front, or the host's goes back.
    void (*SetFocus)(bool gameInFront, std::vector<std::string>* output) = nullptr;

    void* module = nullptr;   // the loaded library (Windows build)
    std::string libraryPath;  // where it was loaded from (Windows build)
    unsigned realWorld = 0;   // import groups left to the system (Windows build, RealWorld bits)
};

// Binds the extension: `libraryPath` is the Windows build's library, empty for the
// one beside the program; the native build links it and ignores the path.
bool BindExtension(const std::string& libraryPath, Extension* extension, std::string* error);

// Returns the extension's module-wide state to the state of a fresh load (the
// Windows build reloads the library).
bool ResetExtension(Extension* extension, std::string* error);

void UnbindExtension(Extension* extension);

}  // namespace zandrel::host
