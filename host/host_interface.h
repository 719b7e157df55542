// What the extension needs of its host, as one fixed binary layout.
//
// Every RunObject opens with the host's 304-byte HostHeader. The part of it the
// extension reads is laid out here (byte offsets are the same in the 32-bit
// Windows build and the 64-bit native build; a pointer always gets 8 bytes):
//
//   offset  0  HostServices*   runtime services (GenerateEvent, parameters, ...)
//   offset  8  HostControlKeys* the game's player control keys, 4 x 8 x uint16
//   offset 16  uint16          flags word; 0x8000 = the expression returned a string
//   offset 18  reserved up to 304, the host's own
//
// All host-facing functions use ZANDREL_CALL: __stdcall on 32-bit Windows.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define ZANDREL_CALL __stdcall
#else
#define ZANDREL_CALL
#endif

namespace zandrel {

struct RunObject;

// Pointer-sized, so a file-name pointer fits on 64-bit builds too.
using HostParam = std::intptr_t;

constexpr int kPlayers = 4;
constexpr int kControlsPerPlayer = 8;
// The game's player control keys: 16-bit virtual-key codes, read and written in place.
using HostControlKeys = std::uint16_t[kPlayers][kControlsPerPlayer];

constexpr std::uint16_t kStringResultFlag = 0x8000;
constexpr std::int32_t kStringResultRoom = 66;  // wide characters, terminator included

struct HostServices {
    // The host evaluates this object's conditions of `code` during the call.
    void(ZANDREL_CALL* GenerateEvent)(RunObject* object, std::int32_t code, std::int32_t param);
    // Next parameter of the running action (called with -1, 0): an integer, or for a
    // file-name parameter a pointer to a NUL-terminated UTF-16 string.
    HostParam(ZANDREL_CALL* NextActionParameter)(RunObject* object, std::int32_t a, std::int32_t b);
    // Parameters of the running expression (called with 0, handle).
    std::int32_t(ZANDREL_CALL* FirstExpressionParameter)(RunObject* object, std::int32_t a, HostParam handle);
    std::int32_t(ZANDREL_CALL* NextExpressionParameter)(RunObject* object, std::int32_t a, HostParam handle);
    // A writable buffer of `room` wide characters taken as the string result, or null.
    char16_t*(ZANDREL_CALL* StringResultBuffer)(RunObject* object, std::int32_t a, std::int32_t room);
};

struct HostHeader {
    union {
        HostServices* services;
        std::uint64_t servicesSlot;
    };
    union {
        HostControlKeys* controlKeys;
        std::uint64_t controlKeysSlot;
    };
    std::uint16_t flags;
    std::uint8_t hostReserved[304 - 18];
};

static_assert(sizeof(HostHeader) == 304, "host header size");
static_assert(offsetof(HostHeader, services) == 0, "services offset");
static_assert(offsetof(HostHeader, controlKeys) == 8, "control keys offset");
static_assert(offsetof(HostHeader, flags) == 16, "flags offset");

// Passed as first argument of the editor exports.
struct EditorServices {
    // Null when the editor has no version query.
    std::uint32_t(ZANDREL_CALL* GetVersion)(EditorServices* self);
    // General call: function 5 with (edit data, 20, 0) resizes the edit data;
    // function 1 with (property table, 1, 1) inserts a property list.
    HostParam(ZANDREL_CALL* GeneralCall)(EditorServices* self, void* editData, std::int32_t function, HostParam a,
                                         HostParam b, HostParam c);
};

// The editor gate: version query present, build >= 249, major >= 2, not a 0x8000 variant.
inline bool IsEditorCompatible(EditorServices* editor)
{
    if (editor == nullptr || editor->GetVersion == nullptr) {
        return false;
    }
    const std::uint32_t v = editor->GetVersion(editor);
    return (v & 0x0FFFu) >= 249u && (v & 0xFFFF0000u) >= 0x02000000u && (v & 0x8000u) == 0;
}

}  // namespace zandrel
