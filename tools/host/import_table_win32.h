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

// Rewrites the slot of every import named in `patches`. False when the library has
// no import table or a slot cannot be written; `*failed` then names the import, or
// is null.
bool PatchImports(HMODULE library, ImportPatch* patches, std::size_t count, const char** failed);

}  // namespace zandrel::host
