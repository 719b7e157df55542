// Points a loaded library's imports at other functions by rewriting its import
// address table: the reference host answers from its simulated world this way, the
// pad checker listens to the real one.
#pragma once

#include <windows.h>

#include <cstddef>

namespace zandrel::host {

struct ImportPatch {
    const char* name;  // the imported function
    void* function;    // what the library calls instead; null: the system's own
    bool found;        // set when the library imports it
};

enum class PatchResult {
    kPatched,
    kNoImportTable,
    kNotWritten,   // `*failed` names the import whose slot could not be written
    kNotImported,  // `*failed` names a patch with a function of its own the library does not import
};

// Rewrites the slot of every import named in `patches`. A patch that brings a function
// must find its import: a call it means to hear must not go to the system.
PatchResult PatchImports(HMODULE library, ImportPatch* patches, std::size_t count, const char** failed);

}  // namespace zandrel::host
