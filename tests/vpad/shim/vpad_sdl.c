// The SDL2 that Wine's bus driver gets in the pad stage (see vpad_preload.c). It
// wraps SDL_Init: after the real one it attaches SDL virtual joysticks, which Wine
// then turns into HID game pads, and serves a command channel that plugs, unplugs and
// moves them; and SDL_JoystickOpen, to learn when Wine has opened a pad.
//
// Environment:
//   VPAD_PADS    comma list of pads, each "xinput" (045E:028E, an SDL game controller:
//                6 axes LX LY RX RY LT RT, 15 buttons A B X Y Back Guide Start LS RS LB
//                RB Up Down Left Right) or "ds4" (054C:05C4, a plain joystick: 6 axes
//                in its Linux driver's order LX LY L2 RX RY R2, 14 buttons in the order
//                Windows reports them, Square Cross Circle Triangle L1 R1 L2 R2 Share
//                Options L3 R3 PS Touchpad, and 1 hat), with
//                ":unplugged" for one attached only later. Triggers rest fully released
//                (-32768), the other axes at 0.
//                Default "xinput,ds4".
//   VPAD_STATUS  file written once the pads are attached: "ready port=N pads=K"
//   VPAD_LOG     file that gets a line, with the time, per command applied
//
// The channel is TCP on 127.0.0.1 (the port in the status file), one line a command,
// one line back ("ok" or "error WHY") once it is applied:
//   plug P | unplug P | reset P | button P N 0|1 | axis P N -32768..32767 |
//   hat P N c|n|ne|e|se|s|sw|w|nw   (on a pad without a hat: its d-pad buttons) |
//   rumble P   (answers "ok LOW HIGH": the motor speeds the pad was last given) |
//   nudge P 0|1   (1: the right stick's Y, which Wine's joystick service shows nowhere,
//                 moves every 20 ms, plugged or not, so that Wine gets reports)
#define _GNU_SOURCE
#include <SDL.h>
#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

enum { kMaxPads = 4, kLineRoom = 256 };

struct PadKind {
    const char* name;
    const char* label;
    SDL_JoystickType type;
    Uint16 vendor;
    Uint16 product;
    Uint16 axes;
    Uint16 buttons;
    Uint16 hats;
    Uint32 triggerAxes;  // axes (bits) that rest fully released at -32768; the others rest at 0
    Uint32 buttonMask;   // a game controller's buttons, as SDL_GameControllerButton bits
    Uint32 axisMask;     // a game controller's axes, as SDL_GameControllerAxis bits
    int dpadButton;      // first of the four d-pad buttons (up down left right), or -1
    int quietAxis;       // the right stick's Y, which Wine's joystick service shows nowhere
};

static const struct PadKind kKinds[] = {
    {"xinput", "Virtual XInput-class pad", SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0x045E, 0x028E, 6, 15, 0, 0x30, 0x7FFF,
     0x3F, 11, 3},
    {"ds4", "Virtual DualShock 4", SDL_JOYSTICK_TYPE_UNKNOWN, 0x054C, 0x05C4, 6, 14, 1, 0x24, 0, 0, -1, 4},
};

struct Pad {
    const struct PadKind* kind;
    SDL_Joystick* joystick;  // null while unplugged
    SDL_JoystickID instance;
    // The motor speeds last asked of the pad (SDL_JoystickRumble, as Wine's bus driver
    // turns a vibration into), low in the high half; set from SDL's thread.
    Uint32 rumble;
    // While set, the quiet axis moves every 20 ms, so that Wine gets reports from the pad
    // (a pad Wine has just found shows a held button only with its next report).
    int nudge;
    int nudged;
    // Buttons pressed at a plug (before Wine opens the pad or within 100 ms of it) and
    // held since. Wine's bus driver takes a new pad's state only from changes it sees
    // once it has started the pad, some time after it opens it (longer in a fresh
    // prefix), so these are let go and pressed again 1.5 s after the open, as a real
    // pad's first reports would show them. Wine has not seen them before, so the
    // letting go shows nothing.
    Uint32 held;
    int opensAtPlug;  // Wine's opens before this pad's plug
    int settle;       // -1 until Wine opens the pad, then ticks until the buttons show
};

// Ticks of the 20 ms thread from Wine's open of a pad until its held buttons show, and
// the first of them, in which a press still counts as held at the plug.
enum { kSettleTicks = 75, kEarlyTicks = 5 };

static struct Pad pads[kMaxPads];
static int wineOpens;  // SDL joysticks Wine's bus driver has opened
static int padCount;
static pthread_mutex_t padLock = PTHREAD_MUTEX_INITIALIZER;

static void Log(const char* format, ...)
{
    const char* path = getenv("VPAD_LOG");
    FILE* file = path != NULL && path[0] != 0 ? fopen(path, "a") : NULL;
    if (file == NULL) {
        return;
    }
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    fprintf(file, "%lld.%06ld ", (long long)now.tv_sec, now.tv_nsec / 1000);
    va_list arguments;
    va_start(arguments, format);
    vfprintf(file, format, arguments);
    va_end(arguments);
    fputc('\n', file);
    fclose(file);
}

static int Reset(struct Pad* pad)
{
    const struct PadKind* kind = pad->kind;
    int failed = 0;
    for (int axis = 0; axis < kind->axes; ++axis) {
        const int trigger = (kind->triggerAxes >> axis) & 1;
        failed |= SDL_JoystickSetVirtualAxis(pad->joystick, axis, trigger ? SDL_JOYSTICK_AXIS_MIN : 0);
    }
    for (int button = 0; button < kind->buttons; ++button) {
        failed |= SDL_JoystickSetVirtualButton(pad->joystick, button, 0);
    }
    pad->held = 0;
    for (int hat = 0; hat < kind->hats; ++hat) {
        failed |= SDL_JoystickSetVirtualHat(pad->joystick, hat, SDL_HAT_CENTERED);
    }
    return failed;
}

static int SDLCALL Rumble(void* userdata, Uint16 low, Uint16 high)
{
    struct Pad* pad = userdata;
    __atomic_store_n(&pad->rumble, (Uint32)low << 16 | high, __ATOMIC_SEQ_CST);
    Log("rumble %d %u %u", (int)(pad - pads), (unsigned)low, (unsigned)high);
    return 0;
}

typedef SDL_Joystick* (*OpenFunction)(int);

static OpenFunction RealJoystickOpen(void)
{
    static OpenFunction real;
    if (real == NULL) {
        real = (OpenFunction)dlsym(RTLD_NEXT, "SDL_JoystickOpen");
    }
    return real;
}

// Wine's bus driver opens each pad it finds through here; the channel's own opens go
// to the real one.
DECLSPEC SDL_Joystick* SDLCALL SDL_JoystickOpen(int index)
{
    SDL_Joystick* joystick = RealJoystickOpen()(index);
    if (joystick != NULL) {
        __atomic_add_fetch(&wineOpens, 1, __ATOMIC_SEQ_CST);
        Log("Wine opened SDL joystick %d", (int)SDL_JoystickInstanceID(joystick));
    }
    return joystick;
}

static const char* Plug(struct Pad* pad)
{
    if (pad->joystick != NULL) {
        return "error already plugged";
    }
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = (Uint16)pad->kind->type;
    desc.naxes = pad->kind->axes;
    desc.nbuttons = pad->kind->buttons;
    desc.nhats = pad->kind->hats;
    desc.vendor_id = pad->kind->vendor;
    desc.product_id = pad->kind->product;
    desc.button_mask = pad->kind->buttonMask;
    desc.axis_mask = pad->kind->axisMask;
    desc.name = pad->kind->label;
    desc.userdata = pad;
    desc.Rumble = Rumble;
    // Counted before the attach: Wine's bus driver may open the pad at once.
    pad->opensAtPlug = __atomic_load_n(&wineOpens, __ATOMIC_SEQ_CST);
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0 || (pad->joystick = RealJoystickOpen()(index)) == NULL) {
        Log("plug %s failed: %s", pad->kind->name, SDL_GetError());
        return "error SDL cannot attach the pad";
    }
    pad->instance = SDL_JoystickInstanceID(pad->joystick);
    Log("plugged %s %04x:%04x as SDL joystick %d, game controller %d", pad->kind->name, pad->kind->vendor,
        pad->kind->product, (int)pad->instance, (int)SDL_IsGameController(index));
    pad->settle = -1;
    return Reset(pad) == 0 ? "ok" : "error SDL cannot set the pad at rest";
}

// A tick of the 20 ms thread for a pad plugged a moment ago: see `held`.
static void Settle(struct Pad* pad)
{
    if (pad->settle < 0) {
        if (__atomic_load_n(&wineOpens, __ATOMIC_SEQ_CST) != pad->opensAtPlug) {
            pad->settle = kSettleTicks;
        }
        return;
    }
    if (pad->settle == 0 || --pad->settle > 1) {
        return;
    }
    for (int button = 0; button < pad->kind->buttons && button < 32; ++button) {
        if ((pad->held >> button) & 1) {
            SDL_JoystickSetVirtualButton(pad->joystick, button, pad->settle == 0);
        }
    }
}

static const char* Unplug(struct Pad* pad)
{
    if (pad->joystick == NULL) {
        return "error not plugged";
    }
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == pad->instance) {
            SDL_JoystickClose(pad->joystick);
            pad->joystick = NULL;
            return SDL_JoystickDetachVirtual(index) == 0 ? "ok" : "error SDL cannot detach the pad";
        }
    }
    return "error SDL lost the pad";
}

static int HatValue(const char* name)
{
    static const struct {
        const char* name;
        int value;
    } kHats[] = {
        {"c", SDL_HAT_CENTERED},  {"n", SDL_HAT_UP},         {"ne", SDL_HAT_RIGHTUP},
        {"e", SDL_HAT_RIGHT},     {"se", SDL_HAT_RIGHTDOWN}, {"s", SDL_HAT_DOWN},
        {"sw", SDL_HAT_LEFTDOWN}, {"w", SDL_HAT_LEFT},       {"nw", SDL_HAT_LEFTUP},
    };
    for (size_t i = 0; i < sizeof kHats / sizeof kHats[0]; ++i) {
        if (strcasecmp(name, kHats[i].name) == 0) {
            return kHats[i].value;
        }
    }
    return -1;
}

static const char* SetHat(struct Pad* pad, int hat, int value)
{
    if (pad->kind->hats > 0) {
        return SDL_JoystickSetVirtualHat(pad->joystick, hat, (Uint8)value) == 0 ? "ok" : "error no such hat";
    }
    const int first = pad->kind->dpadButton;
    const int pressed[4] = {value & SDL_HAT_UP, value & SDL_HAT_DOWN, value & SDL_HAT_LEFT, value & SDL_HAT_RIGHT};
    int failed = hat != 0 || first < 0;
    for (int i = 0; i < 4 && !failed; ++i) {
        failed |= SDL_JoystickSetVirtualButton(pad->joystick, first + i, pressed[i] != 0);
    }
    return failed ? "error no such hat" : "ok";
}

// Applies one command line; the answer for the channel.
static const char* Apply(const char* line)
{
    char verb[16] = "";
    char word[16] = "";
    int index = -1;
    int item = 0;
    const int fields = sscanf(line, "%15s %d %d %15s", verb, &index, &item, word);
    if (fields < 2 || index < 0 || index >= padCount) {
        return "error expected VERB PAD ...";
    }
    struct Pad* pad = &pads[index];
    if (strcmp(verb, "plug") == 0 && fields == 2) {
        return Plug(pad);
    }
    if (strcmp(verb, "unplug") == 0 && fields == 2) {
        return Unplug(pad);
    }
    if (strcmp(verb, "nudge") == 0 && fields == 3) {
        pad->nudge = item != 0;
        return "ok";
    }
    if (pad->joystick == NULL) {
        return "error the pad is unplugged";
    }
    if (strcmp(verb, "rumble") == 0 && fields == 2) {
        static char answer[32];
        const Uint32 rumble = __atomic_load_n(&pad->rumble, __ATOMIC_SEQ_CST);
        snprintf(answer, sizeof answer, "ok %u %u", (unsigned)(rumble >> 16), (unsigned)(rumble & 0xFFFF));
        return answer;
    }
    if (strcmp(verb, "reset") == 0 && fields == 2) {
        return Reset(pad) == 0 ? "ok" : "error SDL cannot set the pad at rest";
    }
    if (fields != 4) {
        return "error expected VERB PAD ITEM VALUE";
    }
    if (strcmp(verb, "button") == 0) {
        if (item >= 0 && item < 32) {
            const Uint32 mask = 1u << item;
            const int early = pad->settle < 0 || pad->settle >= kSettleTicks - kEarlyTicks;
            pad->held = atoi(word) == 0 ? pad->held & ~mask : early ? pad->held | mask : pad->held;
        }
        return SDL_JoystickSetVirtualButton(pad->joystick, item, (Uint8)atoi(word)) == 0 ? "ok"
                                                                                         : "error no such button";
    }
    if (strcmp(verb, "axis") == 0) {
        const long value = strtol(word, NULL, 10);
        if (value < SDL_JOYSTICK_AXIS_MIN || value > SDL_JOYSTICK_AXIS_MAX) {
            return "error axis values are -32768..32767";
        }
        return SDL_JoystickSetVirtualAxis(pad->joystick, item, (Sint16)value) == 0 ? "ok" : "error no such axis";
    }
    if (strcmp(verb, "hat") == 0) {
        const int value = HatValue(word);
        return value < 0 ? "error hat directions are c n ne e se s sw w nw" : SetHat(pad, item, value);
    }
    return "error unknown command";
}

// One client at a time: a line in, the answer out once the pads have it.
static void Serve(int client)
{
    char buffer[kLineRoom];
    size_t used = 0;
    for (;;) {
        const ssize_t got = recv(client, buffer + used, sizeof buffer - 1 - used, 0);
        if (got <= 0) {
            return;
        }
        used += (size_t)got;
        buffer[used] = 0;
        char* start = buffer;
        char* end;
        while ((end = strchr(start, '\n')) != NULL) {
            *end = 0;
            if (end > start && end[-1] == '\r') {
                end[-1] = 0;
            }
            pthread_mutex_lock(&padLock);
            const char* answer = Apply(start);
            pthread_mutex_unlock(&padLock);
            Log("%s: %s", start, answer);
            char reply[kLineRoom];
            const int length = snprintf(reply, sizeof reply, "%s\n", answer);
            if (send(client, reply, (size_t)length, MSG_NOSIGNAL) != length) {
                return;
            }
            start = end + 1;
        }
        used -= (size_t)(start - buffer);
        memmove(buffer, start, used);
        if (used == sizeof buffer - 1) {
            return;  // a line too long for any command
        }
    }
}

static void* NudgeThread(void* argument)
{
    (void)argument;
    const struct timespec pause = {0, 20 * 1000 * 1000};
    for (;;) {
        nanosleep(&pause, NULL);
        pthread_mutex_lock(&padLock);
        for (int i = 0; i < padCount; ++i) {
            struct Pad* pad = &pads[i];
            if (pad->joystick != NULL) {
                Settle(pad);
            }
            if (pad->nudge && pad->joystick != NULL) {
                pad->nudged = !pad->nudged;
                SDL_JoystickSetVirtualAxis(pad->joystick, pad->kind->quietAxis, pad->nudged ? 2000 : 0);
            }
        }
        pthread_mutex_unlock(&padLock);
    }
    return NULL;
}

static void* ChannelThread(void* argument)
{
    const int listener = (int)(intptr_t)argument;
    for (;;) {
        const int client = accept(listener, NULL, NULL);
        if (client >= 0) {
            Serve(client);
            close(client);
        }
    }
    return NULL;
}

// A listening socket on 127.0.0.1; its port in `port`, -1 when none.
static int Listen(int* port)
{
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    struct sockaddr_in address;
    socklen_t length = sizeof address;
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (listener < 0 || bind(listener, (struct sockaddr*)&address, sizeof address) != 0 || listen(listener, 4) != 0 ||
        getsockname(listener, (struct sockaddr*)&address, &length) != 0) {
        if (listener >= 0) {
            close(listener);
        }
        return -1;
    }
    *port = ntohs(address.sin_port);
    return listener;
}

static void DefinePads(void)
{
    const char* list = getenv("VPAD_PADS");
    char copy[kLineRoom];
    char* rest = NULL;
    snprintf(copy, sizeof copy, "%s", list != NULL && list[0] != 0 ? list : "xinput,ds4");
    for (char* entry = strtok_r(copy, ",", &rest); entry != NULL && padCount < kMaxPads;
         entry = strtok_r(NULL, ",", &rest)) {
        char* suffix = strchr(entry, ':');
        const int plugged = suffix == NULL || strcmp(suffix, ":unplugged") != 0;
        if (suffix != NULL) {
            *suffix = 0;
        }
        for (size_t k = 0; k < sizeof kKinds / sizeof kKinds[0]; ++k) {
            if (strcmp(entry, kKinds[k].name) == 0) {
                struct Pad* pad = &pads[padCount++];
                pad->kind = &kKinds[k];
                if (plugged) {
                    // One at a time, so that Wine numbers the joysticks in the list's order.
                    if (padCount > 1) {
                        const struct timespec gap = {0, 300 * 1000 * 1000};
                        nanosleep(&gap, NULL);
                    }
                    Plug(pad);
                }
            }
        }
    }
}

static void StartPads(void)
{
    pthread_mutex_lock(&padLock);
    DefinePads();
    pthread_mutex_unlock(&padLock);
    int port = -1;
    const int listener = Listen(&port);
    pthread_t thread;
    if (listener < 0 || pthread_create(&thread, NULL, ChannelThread, (void*)(intptr_t)listener) != 0) {
        Log("no command channel");
        return;
    }
    pthread_detach(thread);
    if (pthread_create(&thread, NULL, NudgeThread, NULL) == 0) {
        pthread_detach(thread);
    }
    const char* status = getenv("VPAD_STATUS");
    FILE* file = status != NULL && status[0] != 0 ? fopen(status, "w") : NULL;
    if (file != NULL) {
        fprintf(file, "ready port=%d pads=%d\n", port, padCount);
        fclose(file);
    }
    Log("ready port=%d pads=%d", port, padCount);
}

typedef int(SDLCALL* InitFunction)(Uint32);

DECLSPEC int SDLCALL SDL_Init(Uint32 flags)
{
    static int started;
    InitFunction realInit = (InitFunction)dlsym(RTLD_NEXT, "SDL_Init");
    if (realInit == NULL) {
        Log("the real SDL_Init is missing: %s", dlerror());
        return -1;
    }
    // SDL's own device probing would only find the machine's devices; the stage wants its pads alone.
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    const int result = realInit(flags);
    Log("SDL_Init(0x%x) = %d", (unsigned)flags, result);
    // Wine asks for game controllers, which bring the joystick subsystem with them.
    if (result == 0 && (flags & (SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER)) != 0 && !started) {
        started = 1;
        StartPads();
    }
    return result;
}
