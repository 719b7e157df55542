// Information answers, the run-info record and the editor exports outside the catalogue.
#include <cstring>

#include "tests/wine/wine_host.h"

using wine_host::Editor;

namespace {

constexpr std::uint32_t kGoodVersion = 0x02000000u | 249u;

std::int16_t Word16(const unsigned char* bytes, int offset)
{
    std::int16_t value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

std::uint32_t Word32(const unsigned char* bytes, int offset)
{
    std::uint32_t value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

}  // namespace

WINE_CHECK_GROUP(InformationAnswers)
{
    const struct {
        std::int32_t query;
        std::uint32_t answer;
    } cases[] = {{0, 0x300}, {1, 0}, {2, 0x100}, {3, 0}, {6, 2}, {7, 249}, {8, 1}, {9, 0}, {-1, 0}, {1000, 0}};
    for (const auto& c : cases) {
        EXPECT_SAME(c.answer, mfx.GetInfos(c.query));
    }
    EXPECT_SAME(1000, mfx.GetRunObjectDataSize(nullptr, nullptr));
    EXPECT_SAME(static_cast<std::int32_t>(sizeof(zandrel::RunObject)), mfx.GetRunObjectDataSize(nullptr, nullptr));
    EXPECT_SAME(std::u16string(u"Help\\MyExt.chm"), wine_host::TextOf(mfx.GetHelpFileName()));
    EXPECT_TRUE(mfx.GetDependencies() == nullptr);
    const std::uint16_t* tree = mfx.GetDebugTree(nullptr);
    EXPECT_TRUE(tree != nullptr && tree[0] == 0xFFFF);
}

WINE_CHECK_GROUP(RunInfoRecordBytes)
{
    // The host's record, with a guard pattern in every byte the extension must not write.
    unsigned char bytes[64];
    std::memset(bytes, 0xCC, sizeof bytes);
    EXPECT_SAME(1, mfx.GetRunObjectInfos(nullptr, reinterpret_cast<zandrel::RunInfo*>(bytes)));

    const auto conditions = reinterpret_cast<const void* const*>(Word32(bytes, 0));
    const auto actions = reinterpret_cast<const void* const*>(Word32(bytes, 4));
    const auto expressions = reinterpret_cast<const void* const*>(Word32(bytes, 8));
    EXPECT_TRUE(conditions != nullptr && actions != nullptr && expressions != nullptr);
    EXPECT_SAME(8, Word16(bytes, 12));
    EXPECT_SAME(16, Word16(bytes, 14));
    EXPECT_SAME(17, Word16(bytes, 16));
    EXPECT_SAME(20, Word16(bytes, 18));
    EXPECT_SAME(0u, Word32(bytes, 20));
    EXPECT_SAME(100, bytes[24]);
    EXPECT_SAME(0, Word16(bytes, 26));
    EXPECT_SAME(std::string("QXRV"), std::string(reinterpret_cast<const char*>(bytes + 28), 4));
    EXPECT_SAME(1, Word16(bytes, 32));
    EXPECT_SAME(0xCC, bytes[25]);
    for (int offset = 34; offset < static_cast<int>(sizeof bytes); ++offset) {
        EXPECT_SAME(0xCC, bytes[offset]);
    }
    // Each table lives in the library's image and ends in a null entry after its
    // last code; a routine not built yet leaves its slot null.
    const struct {
        const void* const* table;
        int count;
    } tables[] = {{conditions, 8}, {actions, 16}, {expressions, 17}};
    for (const auto& t : tables) {
        if (!EXPECT_TRUE(wine_host::InImage(mfx, t.table))) {
            continue;
        }
        EXPECT_TRUE(t.table[t.count] == nullptr);
        for (int code = 0; code < t.count; ++code) {
            EXPECT_TRUE(t.table[code] == nullptr || wine_host::InImage(mfx, t.table[code]));
        }
    }
}

WINE_CHECK_GROUP(EditorGateOfCreateObject)
{
    const struct {
        std::uint32_t version;
        bool hasVersion;
        std::int32_t result;
    } cases[] = {
        {kGoodVersion, true, 0},
        {0x0300FFFFu & ~0x8000u, true, 0},
        {kGoodVersion | 0x8000u, true, -1},  // a variant editor
        {0x02000000u | 248u, true, -1},      // build below 249
        {0x01FF0000u | 0x0FFFu, true, -1},   // major below 2
        {kGoodVersion, false, -1},           // no version query
    };
    for (const auto& c : cases) {
        Editor editor(c.version, c.hasVersion);
        unsigned char editData[20] = {};
        EXPECT_SAME(c.result, mfx.CreateObject(editor.get(), nullptr, editData));
        if (c.result == 0 && EXPECT_SAME(std::size_t{1}, editor.calls.size())) {
            const Editor::Call& call = editor.calls[0];
            EXPECT_TRUE(call.editData == editData);
            EXPECT_SAME(5, call.function);
            EXPECT_TRUE(call.a == reinterpret_cast<zandrel::HostParam>(editData));
            EXPECT_SAME(20, call.b);
            EXPECT_SAME(0, call.c);
        } else if (c.result != 0) {
            EXPECT_SAME(std::size_t{0}, editor.calls.size());
        }
    }
}

WINE_CHECK_GROUP(EditorExports)
{
    Editor editor(kGoodVersion);
    zandrel::HostRect rect{10, -5, 0, 0};
    mfx.GetObjectRect(editor.get(), &rect, nullptr, nullptr);
    EXPECT_SAME(10, rect.left);
    EXPECT_SAME(-5, rect.top);
    EXPECT_SAME(42, rect.right);
    EXPECT_SAME(27, rect.bottom);

    unsigned char editData[20] = {};
    EXPECT_SAME(1, mfx.GetProperties(editor.get(), editData, nullptr));
    if (EXPECT_SAME(std::size_t{1}, editor.calls.size())) {
        const Editor::Call& call = editor.calls[0];
        EXPECT_SAME(1, call.function);
        EXPECT_TRUE(call.a != 0 && *reinterpret_cast<const std::int32_t*>(call.a) == 0);
        EXPECT_SAME(1, call.b);
        EXPECT_SAME(1, call.c);
    }

    EXPECT_SAME(1, mfx.GetTextFont(editor.get(), nullptr, nullptr, nullptr, nullptr));
    EXPECT_SAME(1, mfx.SetTextFont(editor.get(), nullptr, nullptr, nullptr));
    EXPECT_SAME(1, mfx.IsPropEnabled(editor.get(), nullptr, nullptr));
    EXPECT_SAME(0, mfx.IsTransparent(editor.get(), nullptr, nullptr, 3, 4));
    EXPECT_SAME(0, mfx.EditObject(editor.get(), nullptr, nullptr, nullptr));
    EXPECT_SAME(0, mfx.UsesFile(editor.get(), nullptr));
    EXPECT_SAME(0, mfx.GetPropValue(editor.get(), nullptr, nullptr));
    EXPECT_SAME(0, mfx.Initialize(nullptr, 0));
    EXPECT_SAME(0, mfx.Free(nullptr));
    EXPECT_SAME(1, mfx.SaveRunObject(nullptr, nullptr));
    EXPECT_SAME(1, mfx.LoadRunObject(nullptr, nullptr));
    EXPECT_SAME(0, mfx.DisplayRunObject(nullptr));
}

WINE_CHECK_GROUP(ObjectInfoTexts)
{
    Editor editor(kGoodVersion);
    char16_t name[255], author[255], legal[255], comment[1024], web[255];
    for (char16_t* buffer : {name, author, legal, comment, web}) {
        buffer[0] = u'#';
        buffer[1] = 0;
    }
    mfx.GetObjInfos(editor.get(), nullptr, name, author, legal, comment, web);
    EXPECT_SAME(std::u16string(u"zandrel Extension"), wine_host::TextOf(name));
    for (const char16_t* text : {author, legal, comment, web}) {
        const std::u16string loaded = wine_host::TextOf(text);
        EXPECT_TRUE(!loaded.empty() && loaded != u"#");
    }
    // Each text is the string the library's own table holds.
    const struct {
        UINT id;
        const char16_t* text;
    } loaded[] = {{129, author}, {130, legal}, {131, comment}, {132, web}};
    for (const auto& entry : loaded) {
        wchar_t expected[1024] = {};
        LoadStringW(mfx.module, entry.id, expected, 1024);
        EXPECT_SAME(std::u16string(reinterpret_cast<const char16_t*>(expected)), wine_host::TextOf(entry.text));
    }
}
