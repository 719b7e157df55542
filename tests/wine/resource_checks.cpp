// The resources the host reads itself: strings 1 and 2, the bitmaps, the raw data
// and the version block.
#include "tests/wine/wine_host.h"
#include "zandrel_version.h"

namespace {

std::u16string LoadedString(const wine_host::Mfx& mfx, UINT id)
{
    wchar_t text[256] = {};
    LoadStringW(mfx.module, id, text, 256);
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace

WINE_CHECK_GROUP(HostReadResources)
{
    EXPECT_SAME(std::u16string(u"DU2"), LoadedString(mfx, 1));
    EXPECT_SAME(std::u16string(u"zandrel Extension"), LoadedString(mfx, 2));
    EXPECT_SAME(std::u16string(u"zandrel Extension"), LoadedString(mfx, 128));

    for (int id : {400, 401}) {
        HRSRC found = FindResourceW(mfx.module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
        if (!EXPECT_TRUE(found != nullptr)) {
            continue;
        }
        const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(mfx.module, found)));
        EXPECT_SAME(32, info->biWidth);
        EXPECT_SAME(32, info->biHeight);
        EXPECT_SAME(4, info->biBitCount);
        // A picture, not a plain square: several colours in use.
        const auto* pixels = reinterpret_cast<const unsigned char*>(info) + info->biSize + 16 * sizeof(RGBQUAD);
        bool used[16] = {};
        for (int i = 0; i < 32 * 16; ++i) {
            used[pixels[i] >> 4] = used[pixels[i] & 15] = true;
        }
        int colours = 0;
        for (bool u : used) {
            colours += u ? 1 : 0;
        }
        EXPECT_TRUE(colours >= 3);
        HANDLE image = LoadImageW(mfx.module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0);
        EXPECT_TRUE(image != nullptr);
        if (image != nullptr) {
            DeleteObject(image);
        }
    }

    HRSRC raw = FindResourceW(mfx.module, MAKEINTRESOURCEW(200), MAKEINTRESOURCEW(10));  // RT_RCDATA
    EXPECT_TRUE(raw != nullptr);
    EXPECT_SAME(4ul, raw == nullptr ? 0ul : SizeofResource(mfx.module, raw));

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(mfx.path.c_str(), &ignored);
    std::vector<unsigned char> block(size);
    if (!EXPECT_TRUE(size > 0 && GetFileVersionInfoW(mfx.path.c_str(), 0, size, block.data()))) {
        return;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (EXPECT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length))) {
        constexpr unsigned long kMs = (ZANDREL_VERSION_MAJOR << 16) | ZANDREL_VERSION_MINOR;
        constexpr unsigned long kLs = ZANDREL_VERSION_PATCH << 16;
        EXPECT_SAME(kMs, fixed->dwFileVersionMS);
        EXPECT_SAME(kLs, fixed->dwFileVersionLS);
        EXPECT_SAME(kMs, fixed->dwProductVersionMS);
        EXPECT_SAME(kLs, fixed->dwProductVersionLS);
    }
    const struct {
        const wchar_t* key;
        const char16_t* value;
    } values[] = {
        {L"\\StringFileInfo\\040904B0\\FileDescription", u"zandrel Object"},
        {L"\\StringFileInfo\\040904B0\\FileVersion", u"" ZANDREL_VERSION ".0"},
        {L"\\StringFileInfo\\040904B0\\ProductVersion", u"" ZANDREL_VERSION ".0"},
    };
    for (const auto& v : values) {
        wchar_t* text = nullptr;
        if (EXPECT_TRUE(VerQueryValueW(block.data(), v.key, reinterpret_cast<void**>(&text), &length))) {
            EXPECT_SAME(std::u16string(v.value), std::u16string(reinterpret_cast<const char16_t*>(text)));
        }
    }
}
