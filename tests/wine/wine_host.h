// A host process for zandrel.mfx under Wine: the library loaded with LoadLibraryW,
// every export resolved by name, the host's records and services modelled, and a
// small check recorder that prints what was expected and what came back.
//
// Checks live in groups (WINE_CHECK_GROUP), one or more per source file; a new
// file of groups only needs adding to tests/wine/wine.cmake.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

#include "exports/run_info.h"
#include "host/exports.h"
#include "host/host_interface.h"
#include "runtime/run_object.h"

namespace wine_host {

// Every export of the library. The pointer types come from host/exports.h; the
// library's module-definition file ties each name to its argument bytes.
// Every export of the library (exports.inc). The pointer types come from
// host/exports.h; the library's module-definition file ties each name to its
// argument bytes.
struct Mfx {
    HMODULE module = nullptr;
    std::wstring path;
#define WINE_HOST_EXPORT(name) decltype(&::name) name = nullptr;
#include "tests/wine/exports.inc"
#undef WINE_HOST_EXPORT
};

// ---- checks

void Record(bool ok, const char* file, int line, const std::string& what, const std::string& expected,
            const std::string& actual);

std::string Show(const std::u16string& text);
std::string Show(const wchar_t* text);
inline std::string Show(const char16_t* text)
{
    return text == nullptr ? "(null)" : Show(std::u16string(text));
}
inline std::string Show(const std::string& text)
{
    return "\"" + text + "\"";
}
inline std::string Show(const char* text)
{
    return text == nullptr ? "(null)" : Show(std::string(text));
}
inline std::string Show(bool value)
{
    return value ? "true" : "false";
}
template <typename T>
std::string Show(const T& value)
{
    std::ostringstream out;
    out << +value;
    return out.str();
}

template <typename E, typename A>
bool CheckEqual(const char* file, int line, const char* what, const E& expected, const A& actual)
{
    const bool ok = expected == actual;
    Record(ok, file, line, what, Show(expected), Show(actual));
    return ok;
}

#define EXPECT_SAME(expected, actual) ::wine_host::CheckEqual(__FILE__, __LINE__, #actual, (expected), (actual))
#define EXPECT_TRUE(condition) ::wine_host::CheckEqual(__FILE__, __LINE__, #condition, true, bool(condition))

// ---- check groups

using CheckGroup = void (*)(const Mfx& mfx);
struct GroupRegistration {
    GroupRegistration(const char* name, CheckGroup group);
};
#define WINE_CHECK_GROUP(name)                                                   \
    static void name(const ::wine_host::Mfx& mfx);                               \
    static const ::wine_host::GroupRegistration name##Registration(#name, name); \
    static void name([[maybe_unused]] const ::wine_host::Mfx& mfx)

// ---- the host's side

// An editor whose version query answers `version`; none at all when hasVersion is false.
struct Editor {
    zandrel::EditorServices services{};
    std::uint32_t version = 0;
    struct Call {
        void* editData;
        std::int32_t function;
        zandrel::HostParam a, b, c;
    };
    std::vector<Call> calls;

    explicit Editor(std::uint32_t answer, bool hasVersion = true);
    zandrel::EditorServices* get() { return &services; }
};

// The runtime side: services, the players' control keys and objects.
class Runtime {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // An object of the record's size (what GetRunObjectDataSize asks) with its header
    // filled in, the rest left as leftovers.
    zandrel::RunObject* NewObject();

    zandrel::HostControlKeys controlKeys{};
    // Parameters the running action or expression fetches, in order; 0 when empty.
    std::deque<zandrel::HostParam> actionParameters;
    std::deque<std::int32_t> expressionParameters;
    struct Raised {
        zandrel::RunObject* object;
        std::int32_t code;
    };
    std::vector<Raised> raised;

private:
    zandrel::HostServices services_{};
    std::vector<zandrel::RunObject*> objects_;
};

// True when `address` lies inside the loaded library's image.
bool InImage(const Mfx& mfx, const void* address);

// The text a wide buffer holds, up to its terminator.
std::u16string TextOf(const char16_t* buffer);

}  // namespace wine_host
