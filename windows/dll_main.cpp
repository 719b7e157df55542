// The library entry of zandrel.mfx: keeps the instance handle every string and
// menu load uses.
#include <windows.h>

#include "platform/resource_access.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        zandrel::resources::StoreInstance(instance);
    }
    return TRUE;
}
