#include "tools/host/import_table_win32.h"

#include <cstring>

namespace zandrel::host {

namespace {

bool WriteSlot(IMAGE_THUNK_DATA* slot, void* function)
{
    DWORD previous = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &previous)) {
        return false;
    }
    slot->u1.Function = reinterpret_cast<ULONG_PTR>(function);
    VirtualProtect(slot, sizeof *slot, previous, &previous);
    return true;
}

}  // namespace

PatchResult PatchImports(HMODULE library, ImportPatch* patches, std::size_t count, const char** failed)
{
    *failed = nullptr;
    auto* base = reinterpret_cast<BYTE*>(library);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || headers->Signature != IMAGE_NT_SIGNATURE ||
        imports.VirtualAddress == 0) {
        return PatchResult::kNoImportTable;
    }
    for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        if (descriptor->OriginalFirstThunk == 0) {
            continue;  // no names to go by
        }
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        const HMODULE system = GetModuleHandleA(reinterpret_cast<const char*>(base + descriptor->Name));
        for (; name->u1.AddressOfData != 0; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                continue;
            }
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            const char* importName = reinterpret_cast<const char*>(byName->Name);
            for (std::size_t p = 0; p < count; ++p) {
                ImportPatch& patch = patches[p];
                if (std::strcmp(importName, patch.name) != 0) {
                    continue;
                }
                void* function = patch.function;
                if (function == nullptr && system != nullptr) {
                    function = reinterpret_cast<void*>(GetProcAddress(system, importName));
                }
                if (function == nullptr || !WriteSlot(slot, function)) {
                    *failed = patch.name;
                    return PatchResult::kNotWritten;
                }
                patch.found = true;
            }
        }
    }
    for (std::size_t p = 0; p < count; ++p) {
        if (!patches[p].found && patches[p].function != nullptr) {
            *failed = patches[p].name;
            return PatchResult::kNotImported;
        }
    }
    return PatchResult::kPatched;
}

}  // namespace zandrel::host
