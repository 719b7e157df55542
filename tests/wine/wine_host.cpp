// Loads zandrel.mfx, resolves its exports and runs every check group.
//   zandrel_wine_host [PATH]   PATH defaults to zandrel.mfx beside the program
#include "tests/wine/wine_host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace wine_host {

namespace {

int g_passed = 0;
int g_failed = 0;

struct NamedGroup {
    const char* name;
    CheckGroup group;
};

std::vector<NamedGroup>& Groups()
{
    static std::vector<NamedGroup> groups;
    return groups;
}

Runtime* g_runtime = nullptr;

void __stdcall GenerateEvent(zandrel::RunObject* object, std::int32_t code, std::int32_t)
{
    if (g_runtime != nullptr) {
        g_runtime->raised.push_back({object, code});
    }
}

template <typename T>
T Next(std::deque<T>& queue)
{
    if (queue.empty()) {
        return 0;
    }
    const T value = queue.front();
    queue.pop_front();
    return value;
}

zandrel::HostParam __stdcall NextActionParameter(zandrel::RunObject*, std::int32_t, std::int32_t)
{
    return g_runtime == nullptr ? 0 : Next(g_runtime->actionParameters);
}

std::int32_t __stdcall ExpressionParameter(zandrel::RunObject*, std::int32_t, zandrel::HostParam)
{
    return g_runtime == nullptr ? 0 : Next(g_runtime->expressionParameters);
}

char16_t g_stringResult[zandrel::kStringResultRoom];
char16_t* __stdcall StringResultBuffer(zandrel::RunObject*, std::int32_t, std::int32_t)
{
    return g_stringResult;
}

std::uint32_t __stdcall EditorVersion(zandrel::EditorServices* self)
{
    return reinterpret_cast<Editor*>(self)->version;
}

zandrel::HostParam __stdcall EditorCall(zandrel::EditorServices* self, void* editData, std::int32_t function,
                                        zandrel::HostParam a, zandrel::HostParam b, zandrel::HostParam c)
{
    reinterpret_cast<Editor*>(self)->calls.push_back({editData, function, a, b, c});
    return 0;
}

std::wstring LibraryPath(int argc, char** argv)
{
    if (argc > 1) {
        std::string given = argv[1];
        // A Unix path from the build: Wine shows the Unix root as drive Z:.
        if (!given.empty() && given[0] == '/') {
            given = "Z:" + given;
        }
        std::wstring path(given.begin(), given.end());
        for (wchar_t& c : path) {
            c = c == L'/' ? L'\\' : c;
        }
        return path;
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"zandrel.mfx";
}

bool Resolve(Mfx& mfx)
{
    bool all = true;
#define WINE_HOST_EXPORT(name)                                                                                   \
    mfx.name = reinterpret_cast<decltype(mfx.name)>(reinterpret_cast<void*>(GetProcAddress(mfx.module, #name))); \
    all = EXPECT_TRUE(mfx.name != nullptr) && all;
#include "tests/wine/exports.inc"
#undef WINE_HOST_EXPORT
    return all;
}

}  // namespace

void Record(bool ok, const char* file, int line, const std::string& what, const std::string& expected,
            const std::string& actual)
{
    if (ok) {
        ++g_passed;
        return;
    }
    ++g_failed;
    std::printf("%s:%d: %s: expected %s, got %s\n", file, line, what.c_str(), expected.c_str(), actual.c_str());
}

std::string Show(const std::u16string& text)
{
    std::string out = "\"";
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + "\"";
}

std::string Show(const wchar_t* text)
{
    return text == nullptr ? "(null)" : Show(std::u16string(reinterpret_cast<const char16_t*>(text)));
}

bool InImage(const Mfx& mfx, const void* address)
{
    const auto base = reinterpret_cast<const unsigned char*>(mfx.module);
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto at = reinterpret_cast<const unsigned char*>(address);
    return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}

std::u16string TextOf(const char16_t* buffer)
{
    return std::u16string(buffer);
}

GroupRegistration::GroupRegistration(const char* name, CheckGroup group)
{
    Groups().push_back({name, group});
}

Editor::Editor(std::uint32_t answer, bool hasVersion) : version(answer)
{
    services.GetVersion = hasVersion ? &EditorVersion : nullptr;
    services.GeneralCall = &EditorCall;
}

Runtime::Runtime()
{
    g_runtime = this;
    services_.GenerateEvent = &GenerateEvent;
    services_.NextActionParameter = &NextActionParameter;
    services_.FirstExpressionParameter = &ExpressionParameter;
    services_.NextExpressionParameter = &ExpressionParameter;
    services_.StringResultBuffer = &StringResultBuffer;
}

Runtime::~Runtime()
{
    for (zandrel::RunObject* object : objects_) {
        std::free(object);
    }
    g_runtime = nullptr;
}

zandrel::RunObject* Runtime::NewObject()
{
    auto* object = static_cast<zandrel::RunObject*>(std::malloc(sizeof(zandrel::RunObject)));
    std::memset(static_cast<void*>(object), 0xAA, sizeof(zandrel::RunObject));
    std::memset(&object->header, 0, sizeof object->header);
    object->header.services = &services_;
    object->header.controlKeys = &controlKeys;
    objects_.push_back(object);
    return object;
}

}  // namespace wine_host

int main(int argc, char** argv)
{
    using namespace wine_host;
    Mfx mfx;
    mfx.path = LibraryPath(argc, argv);
    mfx.module = LoadLibraryW(mfx.path.c_str());
    if (!EXPECT_TRUE(mfx.module != nullptr)) {
        std::printf("cannot load %s (error %lu)\n", Show(mfx.path.c_str()).c_str(), GetLastError());
    } else if (Resolve(mfx)) {
        for (const NamedGroup& group : Groups()) {
            const int failedBefore = g_failed;
            group.group(mfx);
            if (g_failed != failedBefore) {
                std::printf("  in %s\n", group.name);
            }
        }
    }
    if (mfx.module != nullptr) {
        FreeLibrary(mfx.module);
    }
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
