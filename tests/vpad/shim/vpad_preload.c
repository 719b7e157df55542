// Preloaded into every process of the pad stage's Wine server. When Wine's bus
// driver asks dlopen for SDL2, it gets libvpad_sdl.so beside this library instead:
// that library links the real SDL2, so a dlsym on its handle finds its own SDL_Init
// first and every other function in SDL2. No dependency but libc, since every Wine
// process of the server loads it.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

typedef void* (*DlopenFunction)(const char*, int);

static int IsSdlRequest(const char* file)
{
    if (file == NULL) {
        return 0;
    }
    const char* slash = strrchr(file, '/');
    return strcmp(slash != NULL ? slash + 1 : file, "libSDL2-2.0.so.0") == 0;
}

// libvpad_sdl.so in this library's own folder; "" when that cannot be found.
static void ShimPath(char* path, size_t room)
{
    Dl_info info;
    path[0] = 0;
    if (dladdr((void*)&ShimPath, &info) == 0 || info.dli_fname == NULL) {
        return;
    }
    const char* slash = strrchr(info.dli_fname, '/');
    if (slash != NULL) {
        snprintf(path, room, "%.*s/libvpad_sdl.so", (int)(slash - info.dli_fname), info.dli_fname);
    }
}

void* dlopen(const char* file, int flags)
{
    static DlopenFunction realDlopen;
    if (realDlopen == NULL) {
        realDlopen = (DlopenFunction)dlsym(RTLD_NEXT, "dlopen");
    }
    if (IsSdlRequest(file)) {
        char path[PATH_MAX];
        ShimPath(path, sizeof path);
        void* shim = path[0] != 0 ? realDlopen(path, flags) : NULL;
        if (shim != NULL) {
            return shim;
        }
        fprintf(stderr, "vpad: cannot load %s (%s); Wine gets the real SDL2 and no virtual pads\n", path, dlerror());
    }
    return realDlopen(file, flags);
}
