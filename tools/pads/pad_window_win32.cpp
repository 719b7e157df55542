// The pad checker's window, for a player who double-clicks zandrel-pads.exe: a drawing
// of the pad whose bits light up while they are set, and beside it what the extension
// makes of the pad (ids, name, type, each bit's button name and key), the stick and
// trigger values, a choice of pad, the standard layout and a recording. It runs the
// same session as `live`: keys are shown, never typed.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <new>  // placement

#include "tools/pad_drawing.h"
#include "tools/pads/pad_session.h"
#include "tools/pads/pad_window.h"
#include "zandrel_version.h"

namespace zandrel::pads {
namespace {

namespace drawing = zandrel::drawing;

constexpr int kClientWidth = 1024;
constexpr int kClientHeight = 640;
constexpr int kPanelLeft = 670;
constexpr int kPictureHeight = 460;
constexpr int kBarsTop = 470;
constexpr int kRowsTop = 232;
constexpr int kRowHeight = 22;
constexpr UINT kFrameMs = 16;   // about 60 frames a second, as the console mode runs
constexpr int kLookEvery = 60;  // frames between looks for pads that answer
constexpr int kNamesEvery = 30;

COLORREF Rgb(std::uint32_t colour)
{
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

const COLORREF kLit = Rgb(kLitColour);
const COLORREF kUnlit = Rgb(kUnlitColour);
const COLORREF kBodyFill = RGB(0xE9, 0xEC, 0xEF);
const COLORREF kInk = RGB(0x49, 0x50, 0x57);
const COLORREF kWell = RGB(0x86, 0x8E, 0x96);

struct State {
    HWND window = nullptr;
    HWND padChoice = nullptr;
    HWND standard = nullptr;
    HWND record = nullptr;
    HFONT font = nullptr;
    HFONT small = nullptr;
    void* module = nullptr;
    ExtensionCalls calls{};
    PadSession* session = nullptr;
    ScriptRecorder* recorder = nullptr;
    std::FILE* recordFile = nullptr;
    wchar_t recordPath[MAX_PATH + 64] = {};
    wchar_t status[MAX_PATH + 96] = {};
    int pad = -1;
    int answering[kJoystickIds] = {};
    int answerCount = -1;
    int frame = 0;
    // What the picture shows.
    unsigned bits = 0;
    bool error = false;
    std::uint32_t axes[kAxisCount] = {};
    std::int16_t triggers[2] = {-1, -1};
    bool readValid = false;
    bool keyDown[256] = {};
    // What the extension's expressions answered, asked now and then.
    wchar_t names[kPadBits][kStringResultRoom + 1] = {};
    wchar_t deviceName[kStringResultRoom + 1] = {};
    std::int32_t padType = -1;
};

State state;
// The session and its recorder live here, one at a time: no heap, no exceptions.
alignas(PadSession) unsigned char sessionRoom[sizeof(PadSession)];
alignas(ScriptRecorder) unsigned char recorderRoom[sizeof(ScriptRecorder)];

void SetText(HWND control, const wchar_t* text)
{
    wchar_t shown[512];
    GetWindowTextW(control, shown, 512);
    if (std::wcscmp(shown, text) != 0) {
        SetWindowTextW(control, text);
    }
}

HWND Item(int id)
{
    return GetDlgItem(state.window, id);
}

// ---- the session ----

const char* KeyName(std::uint8_t code, char (&room)[8])
{
    for (const SlotKey& key : kSlotKeys) {
        if (key.code == code) {
            return key.name;
        }
    }
    std::snprintf(room, sizeof room, "0x%02X", code);
    return room;
}

void FinishRecording()
{
    if (state.recordFile == nullptr) {
        return;
    }
    char header[512];
    std::snprintf(header, sizeof header,
                  "# Recorded by zandrel-pads %s in its window: joystick %d, frame by frame, and what\n"
                  "# zandrel.mfx answered. Replay it with: zandrel-host check FILE\n",
                  ZANDREL_VERSION, state.pad);
    const bool written = state.recorder->Write(header, state.recordFile);
    if (std::fclose(state.recordFile) != 0 || !written) {
        // A part of a session would replay as something else: no file rather than that.
        _wremove(state.recordPath);
        wsprintfW(state.status, L"the recording was not written whole");
    } else {
        wsprintfW(state.status, L"recorded: %s", state.recordPath);
    }
    state.recordFile = nullptr;
    state.recorder->~ScriptRecorder();
    state.recorder = nullptr;
    SetWindowTextW(state.record, L"Record");
}

void CloseSession()
{
    if (state.session != nullptr) {
        state.session->~PadSession();
        state.session = nullptr;
    }
    FinishRecording();
    std::memset(state.keyDown, 0, sizeof state.keyDown);
    state.bits = 0;
    state.readValid = false;
    state.triggers[0] = state.triggers[1] = -1;
}

void RefreshNames()
{
    std::wcsncpy(state.deviceName, reinterpret_cast<const wchar_t*>(state.session->DeviceName()), kStringResultRoom);
    state.padType = state.session->PadType();
    bool changed = false;
    for (int bit = 0; bit < kPadBits; ++bit) {
        const wchar_t* name = reinterpret_cast<const wchar_t*>(state.session->ButtonName(bit));
        if (std::wcscmp(name, state.names[bit]) != 0) {
            std::wcsncpy(state.names[bit], name, kStringResultRoom);
            changed = true;
        }
    }
    if (changed) {
        RECT picture = {0, 0, kPanelLeft, kPictureHeight};
        InvalidateRect(state.window, &picture, FALSE);
    }
}

void UpdatePanel();

// Binds joystick `pad` in a new object; with `recorder`, the session is recorded.
void OpenSession(int pad, ScriptRecorder* recorder)
{
    CloseSession();
    state.pad = pad;
    state.recorder = recorder;
    state.session = new (sessionRoom) PadSession(state.calls, recorder);
    if (!state.session->Open(pad)) {
        wsprintfW(state.status, L"the extension's object does not fit");
        state.session->~PadSession();
        state.session = nullptr;
        return;
    }
    if (SendMessageW(state.standard, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        state.session->SetStandardLayout(true);
    }
    RefreshNames();
}

void StartRecording()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    wsprintfW(state.recordPath, L"%s\\zandrel-pads-%04u%02u%02u-%02u%02u%02u.zs", folder, now.wYear, now.wMonth,
              now.wDay, now.wHour, now.wMinute, now.wSecond);
    std::FILE* file = _wfopen(state.recordPath, L"wb");
    ScriptRecorder* recorder = file != nullptr ? new (recorderRoom) ScriptRecorder : nullptr;
    if (recorder == nullptr) {
        if (file != nullptr) {
            std::fclose(file);
            _wremove(state.recordPath);
        }
        wsprintfW(state.status, L"cannot write %s", state.recordPath);
        return;
    }
    OpenSession(state.pad, recorder);
    state.recordFile = file;
    wsprintfW(state.status, L"recording to %s", state.recordPath);
    SetWindowTextW(state.record, L"Stop recording");
}

// Every joystick id that answers now, into the pad choice when the set changed.
void LookForPads()
{
    int answering[kJoystickIds];
    int count = 0;
    for (int id = 0; id < kJoystickIds; ++id) {
        JOYINFOEX info{};
        info.dwSize = sizeof info;
        info.dwFlags = JOY_RETURNALL;
        if (joyGetPosEx(static_cast<UINT>(id), &info) == JOYERR_NOERROR) {
            answering[count++] = id;
        } else {
            // Some joystick services find a newly plugged pad only when asked for the
            // capabilities of an id that has none.
            JOYCAPSW caps{};
            joyGetDevCapsW(static_cast<UINT>(id), &caps, sizeof caps);
        }
    }
    if (count == state.answerCount && std::memcmp(answering, state.answering, sizeof(int) * count) == 0) {
        return;
    }
    state.answerCount = count;
    std::memcpy(state.answering, answering, sizeof(int) * count);
    SendMessageW(state.padChoice, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        JOYCAPSW caps{};
        wchar_t text[64];
        if (joyGetDevCapsW(static_cast<UINT>(answering[i]), &caps, sizeof caps) == JOYERR_NOERROR) {
            wsprintfW(text, L"joystick %d  %04X:%04X", answering[i], caps.wMid, caps.wPid);
        } else {
            wsprintfW(text, L"joystick %d", answering[i]);
        }
        SendMessageW(state.padChoice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (answering[i] == state.pad) {
            SendMessageW(state.padChoice, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        }
    }
    // With every pad gone the window says so.
    if (count == 0 && state.session != nullptr && state.session->object().padError != 0) {
        CloseSession();
        InvalidateRect(state.window, nullptr, FALSE);
    }
    // A pad plugged in while none was bound is taken at once.
    if (state.session == nullptr && count > 0) {
        OpenSession(answering[0], nullptr);
        SendMessageW(state.padChoice, CB_SETCURSEL, 0, 0);
    }
}

void Frame()
{
    if (state.frame % kLookEvery == 0) {
        LookForPads();
    }
    ++state.frame;
    if (state.session == nullptr) {
        UpdatePanel();
        return;
    }
    state.session->Frame();
    for (std::size_t i = 0; i < state.session->effectCount(); ++i) {
        const sim::Effect& effect = state.session->effects()[i];
        if (effect.kind == sim::EffectKind::KeyStroke) {
            state.keyDown[effect.a & 0xFF] = (effect.b & KEYEVENTF_KEYUP) == 0;
        }
    }
    if (state.frame % kNamesEvery == 0) {
        RefreshNames();
    }
    const RunObject& object = state.session->object();
    const bool changed = object.prevPadState != state.bits || (object.padError != 0) != state.error ||
                         std::memcmp(object.axes, state.axes, sizeof state.axes) != 0 ||
                         std::memcmp(object.triggers, state.triggers, sizeof state.triggers) != 0 ||
                         (object.readValid != 0) != state.readValid;
    if (changed) {
        state.bits = object.prevPadState;
        state.error = object.padError != 0;
        std::memcpy(state.axes, object.axes, sizeof state.axes);
        std::memcpy(state.triggers, object.triggers, sizeof state.triggers);
        state.readValid = object.readValid != 0;
        RECT picture = {0, 0, kPanelLeft, kClientHeight};
        InvalidateRect(state.window, &picture, FALSE);
    }
    UpdatePanel();
}

const wchar_t* TypeName(std::int32_t type)
{
    switch (type) {
        case 0:
            return L"a plain pad";
        case 1:
            return L"an XInput pad";
        case 2:
            return L"a PlayStation pad";
        case 3:
            return L"a pad with a layout row";
        default:
            return L"none (no pad read)";
    }
}

void UpdatePanel()
{
    wchar_t line[kInfoLines][MAX_PATH + 96] = {};
    if (state.session == nullptr) {
        wsprintfW(line[0], L"No pad answers (joystick ids 0..%d).", kJoystickIds - 1);
        wsprintfW(line[1], L"Plug one in: it shows here at once.");
    } else {
        const RunObject& object = state.session->object();
        wsprintfW(line[0], L"joystick %d: vid 0x%04X pid 0x%04X%s", state.pad, object.vid, object.pid,
                  object.padError != 0 ? L", does not answer" : L"");
        if (state.deviceName[0] == 0) {
            wsprintfW(line[1], L"name: none in the registry");
        } else {
            wsprintfW(line[1], L"name \"%s\"", state.deviceName);
        }
        wsprintfW(line[2], L"type %d: %s", static_cast<int>(state.padType), TypeName(state.padType));
        if (object.xinputIndex >= 0) {
            wsprintfW(line[2] + std::wcslen(line[2]), L", XInput index %d", static_cast<int>(object.xinputIndex));
        }
    }
    std::wcscpy(line[3], state.status);
    for (int i = 0; i < kInfoLines; ++i) {
        SetText(Item(kInfoId + i), line[i]);
    }
    for (int bit = 0; bit < kPadBits; ++bit) {
        wchar_t key[32] = L"";
        std::uint8_t code = 0;
        if (state.session != nullptr && KeyOfPadBit(state.session->object(), bit, &code)) {
            char room[8];
            wsprintfW(key, L"%hs%s", KeyName(code, room), state.keyDown[code] ? L"  down" : L"");
        } else if (state.session != nullptr) {
            std::wcscpy(key, L"(off)");
        }
        SetText(Item(kBitNameId + bit), state.session != nullptr ? state.names[bit] : L"");
        SetText(Item(kBitKeyId + bit), key);
    }
}

// ---- drawing ----

struct Painter {
    HDC dc;

    void Use(COLORREF fill, COLORREF ink, int width)
    {
        SelectObject(dc, GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, fill);
        DeleteObject(SelectObject(dc, CreatePen(PS_SOLID, width, ink)));
    }

    void Text(int x, int y, const wchar_t* text, COLORREF colour, UINT align = DT_CENTER)
    {
        SetTextColor(dc, colour);
        RECT box = {x - 120, y - 10, x + 120, y + 10};
        if (align == DT_LEFT) {
            box.left = x;
            box.right = x + 400;
        } else if (align == DT_RIGHT) {
            box.left = x - 400;
            box.right = x;
        }
        DrawTextW(dc, text, -1, &box, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
};

int X(int x)
{
    return x + kPictureLeft;
}

int Y(int y)
{
    return y + kPictureTop;
}

void DrawBit(Painter& p, int bit)
{
    const drawing::Spot& spot = drawing::SpotOfBit(bit);
    const bool lit = (state.bits & (1u << bit)) != 0 && !state.error;
    p.Use(lit ? kLit : kUnlit, lit ? kLit : kWell, 2);
    const int x = X(spot.x);
    const int y = Y(spot.y);
    switch (spot.shape) {
        case drawing::Shape::kArm:
            Rectangle(p.dc, x - drawing::kArmSide / 2, y - drawing::kArmSide / 2, x + drawing::kArmSide / 2,
                      y + drawing::kArmSide / 2);
            break;
        case drawing::Shape::kPill:
            RoundRect(p.dc, x - drawing::kPillWidth / 2, y - drawing::kPillHeight / 2, x + drawing::kPillWidth / 2,
                      y + drawing::kPillHeight / 2, 22, 22);
            break;
        case drawing::Shape::kTrigger:
            RoundRect(p.dc, x - drawing::kTriggerWidth / 2, y - drawing::kTriggerHeight / 2,
                      x + drawing::kTriggerWidth / 2, y + drawing::kTriggerHeight / 2, 24, 24);
            break;
        default: {
            const int r = drawing::Radius(spot);
            Ellipse(p.dc, x - r, y - r, x + r, y + r);
        }
    }
    wchar_t number[4];
    wsprintfW(number, L"%d", bit);
    SelectObject(p.dc, state.font);
    p.Text(x, y, number, lit ? RGB(255, 255, 255) : kInk);
    if (spot.labelX != 0 || spot.labelY != 0) {
        SelectObject(p.dc, state.small);
        const UINT align = spot.labelX < 0 ? DT_RIGHT : spot.labelX > 0 ? DT_LEFT : DT_CENTER;
        const int shift = spot.labelX < 0 ? 12 : spot.labelX > 0 ? -12 : 0;
        p.Text(x + spot.labelX + shift, y + spot.labelY - 4, state.names[bit], kInk, align);
    }
}

void DrawBar(Painter& p, int column, int row, const wchar_t* name, int value, int highest)
{
    const int left = 20 + column * 320;
    const int top = kBarsTop + 20 + row * 34;
    constexpr int kWidth = 220;
    SelectObject(p.dc, state.font);
    p.Text(left, top + 9, name, kInk, DT_LEFT);
    p.Use(RGB(255, 255, 255), kWell, 1);
    Rectangle(p.dc, left + 30, top, left + 30 + kWidth, top + 18);
    wchar_t number[16] = L"-";
    if (value >= 0) {
        p.Use(RGB(0x2F, 0x6D, 0xB5), RGB(0x2F, 0x6D, 0xB5), 1);
        Rectangle(p.dc, left + 31, top + 1,
                  left + 31 + static_cast<int>(static_cast<long long>(value) * (kWidth - 2) / highest), top + 17);
        wsprintfW(number, L"%d", value);
    }
    p.Text(left + 40 + kWidth, top + 9, number, kInk, DT_LEFT);
}

void Paint(HDC target)
{
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, kPanelLeft, kClientHeight);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Painter p{dc};
    RECT all = {0, 0, kPanelLeft, kClientHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    // Triggers and bumpers sit behind the body's top edge.
    for (int bit = 0; bit < kPadBits; ++bit) {
        const drawing::Shape shape = drawing::SpotOfBit(bit).shape;
        if (shape == drawing::Shape::kTrigger || shape == drawing::Shape::kPill) {
            DrawBit(p, bit);
        }
    }
    POINT body[drawing::kBodyPoints];
    for (int i = 0; i < drawing::kBodyPoints; ++i) {
        body[i] = POINT{X(drawing::kBody[i].x), Y(drawing::kBody[i].y)};
    }
    p.Use(kBodyFill, kInk, 3);
    BeginPath(dc);
    MoveToEx(dc, body[0].x, body[0].y, nullptr);
    PolyBezierTo(dc, body + 1, drawing::kBodyPoints - 1);
    CloseFigure(dc);
    EndPath(dc);
    StrokeAndFillPath(dc);
    // The D-pad's middle, the stick wells and the guide button.
    const drawing::Spot& left = drawing::SpotOfBit(2);
    p.Use(kUnlit, kWell, 2);
    Rectangle(dc, X(left.x + drawing::kArmSide / 2), Y(left.y - drawing::kArmSide / 2),
              X(left.x + drawing::kArmSide * 3 / 2), Y(left.y + drawing::kArmSide / 2));
    for (const drawing::Spot& spot : drawing::kSpots) {
        if (spot.shape == drawing::Shape::kStick) {
            const int r = drawing::kStickWellRadius;
            Ellipse(dc, X(spot.x) - r, Y(spot.y) - r, X(spot.x) + r, Y(spot.y) + r);
        }
    }
    const drawing::Spot& guide = drawing::kGuide;
    Ellipse(dc, X(guide.x) - drawing::kFaceRadius, Y(guide.y) - drawing::kFaceRadius, X(guide.x) + drawing::kFaceRadius,
            Y(guide.y) + drawing::kFaceRadius);
    for (int bit = 0; bit < kPadBits; ++bit) {
        const drawing::Shape shape = drawing::SpotOfBit(bit).shape;
        if (shape != drawing::Shape::kTrigger && shape != drawing::Shape::kPill) {
            DrawBit(p, bit);
        }
    }
    static const wchar_t* const kAxisNames[kAxisCount] = {L"X", L"Y", L"Z", L"R", L"U", L"V"};
    for (int axis = 0; axis < kAxisCount; ++axis) {
        const int value = state.readValid ? static_cast<int>(state.axes[axis] & 0xFFFF) : -1;
        DrawBar(p, axis / 4, axis % 4, kAxisNames[axis], value, 65535);
    }
    DrawBar(p, 1, 2, L"LT", state.triggers[0], 255);
    DrawBar(p, 1, 3, L"RT", state.triggers[1], 255);
    BitBlt(target, 0, 0, kPanelLeft, kClientHeight, dc, 0, 0, SRCCOPY);
    DeleteObject(SelectObject(dc, oldPen));
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// ---- the window ----

HWND Control(const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int width, int height, int id)
{
    HWND control =
        CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, state.window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    return control;
}

void CreateControls()
{
    const int x = kPanelLeft;
    Control(L"STATIC", L"Pad:", 0, x, 14, 40, 20, -1);
    state.padChoice =
        Control(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x + 40, 10, 170, 300, kPadChoiceId);
    state.standard = Control(L"BUTTON", L"Standard layout (UseStandardLayout)", BS_AUTOCHECKBOX | WS_TABSTOP, x, 42,
                             300, 22, kStandardLayoutId);
    state.record = Control(L"BUTTON", L"Record", BS_PUSHBUTTON | WS_TABSTOP, x + 220, 10, 130, 26, kRecordId);
    for (int i = 0; i < kInfoLines; ++i) {
        Control(L"STATIC", L"", SS_LEFTNOWORDWRAP, x, 74 + i * 24, kClientWidth - x - 10, 22, kInfoId + i);
    }
    Control(L"STATIC", L"bit", 0, x, kRowsTop - 24, 30, 20, -1);
    Control(L"STATIC", L"button (getButtonName$)", 0, x + 30, kRowsTop - 24, 176, 20, -1);
    Control(L"STATIC", L"key (only shown)", 0, x + 210, kRowsTop - 24, 140, 20, -1);
    for (int bit = 0; bit < kPadBits; ++bit) {
        wchar_t number[4];
        wsprintfW(number, L"%d", bit);
        const int y = kRowsTop + bit * kRowHeight;
        Control(L"STATIC", number, 0, x, y, 30, 20, -1);
        Control(L"STATIC", L"", SS_LEFTNOWORDWRAP, x + 30, y, 176, 20, kBitNameId + bit);
        Control(L"STATIC", L"", SS_LEFTNOWORDWRAP, x + 210, y, 140, 20, kBitKeyId + bit);
    }
}

void OnCommand(int id, int code)
{
    if (id == kPadChoiceId && code == CBN_SELCHANGE) {
        const LRESULT chosen = SendMessageW(state.padChoice, CB_GETCURSEL, 0, 0);
        if (chosen >= 0 && chosen < state.answerCount && state.answering[chosen] != state.pad) {
            OpenSession(state.answering[chosen], nullptr);
        }
    } else if (id == kStandardLayoutId && code == BN_CLICKED && state.session != nullptr) {
        state.session->SetStandardLayout(SendMessageW(state.standard, BM_GETCHECK, 0, 0) == BST_CHECKED);
        RefreshNames();
    } else if (id == kRecordId && code == BN_CLICKED) {
        if (state.recordFile != nullptr) {
            OpenSession(state.pad, nullptr);  // the recorded object is destroyed, then written
        } else if (state.session != nullptr) {
            StartRecording();
        }
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(w), HIWORD(w));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        case WM_CLOSE:
            CloseSession();
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

int RunWindow()
{
    // Double-clicked, the program has a console of its own: only the window shows.
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) {
        FreeConsole();
    }
    if (!LoadExtension(&state.module, &state.calls)) {
        MessageBoxW(nullptr, L"zandrel.mfx cannot be loaded: it belongs beside zandrel-pads.exe.", L"zandrel-pads",
                    MB_ICONERROR | MB_OK);
        UnloadExtension(state.module);
        return 1;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW type{};
    type.lpfnWndProc = &WindowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    type.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    type.lpszClassName = kWindowClass;
    RegisterClassW(&type);
    state.font = CreateFontW(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    state.small = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    wchar_t title[64];
    wsprintfW(title, L"zandrel-pads %hs: your pad through zandrel.mfx", ZANDREL_VERSION);
    state.window =
        CreateWindowExW(0, kWindowClass, title, style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (state.window == nullptr) {
        UnloadExtension(state.module);
        return 1;
    }
    CreateControls();
    ShowWindow(state.window, SW_SHOW);
    timeBeginPeriod(1);
    DWORD due = GetTickCount();
    MSG message{};
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (message.message == WM_QUIT) {
            break;
        }
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(now - due) >= 0) {
            Frame();
            due += kFrameMs;
            if (static_cast<LONG>(now - due) > 100) {
                due = now;  // after a stall, no burst of frames
            }
        }
        const LONG wait = static_cast<LONG>(due - GetTickCount());
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait > 0 ? static_cast<DWORD>(wait) : 0, QS_ALLINPUT);
    }
    timeEndPeriod(1);
    CloseSession();
    DeleteObject(state.font);
    DeleteObject(state.small);
    UnloadExtension(state.module);
    return static_cast<int>(message.wParam);
}

}  // namespace zandrel::pads
