// The pad checker's window: what a checker program finds in it (the class, the
// controls' ids, where the drawing sits, the colour of a lit bit).
#pragma once

#include <cstdint>

namespace zandrel::pads {

constexpr const wchar_t* kWindowClass = L"zandrel-pads";
// The drawing's origin in the client area, in the drawing's own coordinates.
constexpr int kPictureLeft = -120;
constexpr int kPictureTop = 0;
// 0xRRGGBB of a lit bit and of one that is not.
constexpr std::uint32_t kLitColour = 0xE8590C;
constexpr std::uint32_t kUnlitColour = 0xCED4DA;

// Child controls: the pad choice, the standard layout, record, the pad's lines, and
// for each bit its button name and its key ("Z", "Z down" while the key is held).
enum ControlId : int {
    kPadChoiceId = 100,
    kStandardLayoutId = 101,
    kRecordId = 102,
    kInfoId = 110,     // kInfoLines lines
    kBitNameId = 200,  // + bit
    kBitKeyId = 300,   // + bit
};
constexpr int kInfoLines = 4;

// The zandrel.mfx of the program's folder, its outside world hooked, as the console
// modes load it (a complaint printed when it cannot be); and its release.
struct ExtensionCalls;
bool LoadExtension(void** module, ExtensionCalls* calls);
void UnloadExtension(void* module);

// Opens the window over the zandrel.mfx of the program's folder; the exit status.
int RunWindow();

}  // namespace zandrel::pads
