#include "app/IndicatorWindow.h"

#include <cstdint>
#include <cstring>

#include "app/ColourSwatch.h"
#include "app/CursorColourWin32.h"
#include "app/DisplayLayoutWin32.h"
#include "app/FullScreenWin32.h"
#include "app/Hotkeys.h"
#include "app/IndicatorState.h"
#include "app/LocalClockWin32.h"
#include "app/MeasureTermsWin32.h"
#include "app/MouseInputWin32.h"
#include "app/Placement.h"
#include "app/RangeMeasureWin32.h"
#include "app/ShownIndicator.h"
#include "app/TickPace.h"
#include "app/TrayCommands.h"
#include "res/resource.h"
#include "settings/DpiScale.h"
#include "settings/FontRecord.h"
#include "text/CodePage.h"
#include "text/MouseHook.h"

namespace {

// What the tick builds its text from: the Clock format's expansion, Range's
// measurement and the colour under the cursor, which the swatch shows.
class TickSources final : public IndicatorTextSources {
  public:
    explicit TickSources(POINT cursor) : cursor_(cursor) {}
    const char* ClockText() override { return clockFormatter.FormatNow(); }
    DragPoints DragState() override { return RangeMeasureNow(cursor_); }
    ColourReading CursorColour() override {
        const ColourReading colour = ReadCursorColour(cursor_);
        swatch = colour.read ? colour.rgb : kNoSwatch;
        return colour;
    }
    std::uint32_t swatch = kNoSwatch;

  private:
    POINT cursor_;
};

static_assert(sizeof(LOGFONTA) == kFontDescriptionSize, "a font is described by its LOGFONTA");

// What the indicator last put on the screen; the commands change the state
// without telling the tick, which finds every change by comparing with this.
ShownIndicator shownIndicator;

// Whether the tick runs fast or sleeps, the period its timer runs at, and
// whether mouse input is delivered to the window.
TickPace tickPace;
int timerPeriodMs = 0;
bool mouseInputOn = false;

// The text is measured in a memory DC kept for the window's life: the window's
// own DC would ask the window system for its visible region, and a new DC
// each time is made and set up anew.
HDC measuringDc = nullptr;
int lineHeight = 0;  // of the text last measured: the swatch is as tall

void AddTrayIcon(HWND window) {
    NOTIFYICONDATAA& icon = indicatorState.trayIcon;
    std::memset(&icon, 0, sizeof icon);
    icon.cbSize = kTrayIconRecordSize;
    icon.hWnd = window;
    icon.uID = kTrayIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_TRAYNOTIFY;
    // The system's small-icon size grows with the display's scale; the icon
    // holds an image for each usual size.
    icon.hIcon = static_cast<HICON>(LoadImageA(indicatorState.instance, MAKEINTRESOURCEA(IDI_TRAY),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    CopyWholeCharacters(icon.szTip, kTrayTipSize, kProductTitle);
    Shell_NotifyIconA(NIM_ADD, &icon);
}

// The monitor under the cursor, whose edges placement keeps to and whose DPI
// the indicator is drawn at.
MonitorArea CursorMonitor(POINT cursor) {
    return MonitorAt(indicatorState.displayLayout, ScreenPoint{cursor.x, cursor.y});
}

// On a monitor of another DPI the font is made anew; the tick then measures
// the text again, since the font has changed. Not while a dialog is up: the
// display-settings dialog paints its sample with the font in use.
void DrawAtDpi(int dpi) {
    if (dpi == indicatorState.dpi || indicatorState.dialogOpen) {
        return;
    }
    DeleteObject(indicatorState.font);
    indicatorState.dpi = dpi;
    indicatorState.font = CreateIndicatorFont(indicatorState.logFont, dpi);
}

void LoadIndicatorFont() {
    ReadIndicatorFont(indicatorSettings, indicatorState.logFont);
    POINT cursor{};
    GetCursorPos(&cursor);
    indicatorState.dpi = CursorMonitor(cursor).dpi;
    indicatorState.font = CreateIndicatorFont(indicatorState.logFont, indicatorState.dpi);
}

// The system tells every top-level window when monitors change (added,
// removed, moved, resized) and a window when its DPI changes; the layout is
// read only then, so the tick's look-up costs no system call.
LRESULT OnDisplayChange() {
    indicatorState.displayLayout = ReadDisplayLayout();
    return 0;
}

// The one timer runs at the period the pace gives; mouse input reaches the
// window except while the timer follows a fast mouse.
void RunTimer(HWND window, int periodMs) {
    SetTimer(window, kIndicatorTimerId, static_cast<UINT>(periodMs), nullptr);
    timerPeriodMs = periodMs;
    const bool wanted = !tickPace.FollowingByTimer();
    if (wanted != mouseInputOn) {
        wanted ? StartMouseInput(window) : StopMouseInput();
        mouseInputOn = wanted;
    }
}

LRESULT OnCreate(HWND window) {
    indicatorState.displayLayout = ReadDisplayLayout();
    LoadClockFormat();
    AddTrayIcon(window);
    measuringDc = CreateCompatibleDC(nullptr);
    tickPace = TickPace{};
    tickPace.Wake(GetTickCount());
    mouseInputOn = false;
    RunTimer(window, kAwakeTickMs);
    LoadIndicatorFont();
    indicatorState.textColor =
        indicatorSettings.ReadInt(kSettingsSection, kFontColorKey, kDefaultTextColor);
    indicatorState.backColor =
        indicatorSettings.ReadInt(kSettingsSection, kBackColorKey, kDefaultBackColor);
    LoadOffsets();
    TakeStoredHotkeys(window);
    shownIndicator.Reset();
    return 0;
}

// The frame of the bordered layered popup, whatever the window's own styles:
// the size must not change when the border or the transparency does.
FrameInsets IndicatorFrame() {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kBorderedStyle, FALSE, kLayeredExStyle);
    return FrameInsets{-frame.left, -frame.top, frame.right, frame.bottom};
}

// Measured from 0, 0 every time, so the rectangle never creeps across ticks.
IndicatorSize MeasureText() {
    RECT extent{0, 0, 0, 0};
    // Selected only while measuring: a font is deleted when the DPI changes.
    HGDIOBJ previous = SelectObject(measuringDc, indicatorState.font);
    DrawTextA(measuringDc, indicatorState.text, -1, &extent, DT_CALCRECT);
    SelectObject(measuringDc, previous);
    lineHeight = extent.bottom;
    return MeasureIndicator(extent.right + SwatchRoom(indicatorState.swatch, lineHeight),
                            extent.bottom, IndicatorFrame());
}

// The font is read back through its handle, so a font made anew under a
// handle value that an older one had is still seen as new.
IndicatorFace CurrentFace(HWND window) {
    IndicatorFace face{};
    std::memcpy(face.text, indicatorState.text, kIndicatorTextSize);
    face.font = reinterpret_cast<std::uintptr_t>(indicatorState.font);
    LOGFONTA description{};
    GetObjectA(indicatorState.font, sizeof description, &description);
    std::memcpy(face.fontDescription, &description, kFontDescriptionSize);
    face.textColor = indicatorState.textColor;
    face.backColor = indicatorState.backColor;
    // Whether the window shows is a fact of its own, not part of its looks.
    face.style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE)) & ~WS_VISIBLE;
    face.extendedStyle = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    face.alphaCommand = indicatorState.alphaCommand;
    face.swatch = indicatorState.swatch;
    return face;
}

// Read from the system every tick, so that a move, hide or cover from outside
// is undone as before.
WindowFacts ReadWindowFacts(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    WindowFacts facts{};
    facts.bounds =
        IndicatorBounds{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    facts.visible = IsWindowVisible(window) != FALSE;
    facts.onTop = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 &&
                  GetWindow(window, GW_HWNDPREV) == nullptr;
    return facts;
}

// Fill and text use the outer window size: with the border on they cover the
// client area and clip at its edges.
void PaintIndicator(HDC dc) {
    const RECT& measured = indicatorState.textRect;
    const LONG width = measured.right - measured.left;
    const LONG height = measured.bottom - measured.top;

    RECT fill{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(indicatorState.backColor);
    FillRect(dc, &fill, brush);
    DeleteObject(brush);

    SetTextColor(dc, indicatorState.textColor);
    SetBkColor(dc, indicatorState.backColor);
    PaintSwatch(dc, lineHeight);
    HGDIOBJ previous = SelectObject(dc, indicatorState.font);
    RECT line{kTextMargin + SwatchRoom(indicatorState.swatch, lineHeight), 0, width, height};
    DrawTextA(dc, indicatorState.text, -1, &line, 0);
    SelectObject(dc, previous);
}

// The tick paints at once through the window's DC: invalidating would cost a
// paint message and the system's bookkeeping of the update region, each a
// call to the window system, on every tick that changes the line.
void PaintNow(HWND window) {
    HDC dc = GetDC(window);
    PaintIndicator(dc);
    ReleaseDC(window, dc);
}

// Measures, places and repaints only what changed since the last tick.
void ShowOnScreen(HWND window, POINT cursor, const MonitorArea& monitor) {
    const IndicatorFace face = CurrentFace(window);
    if (shownIndicator.NeedsMeasure(face)) {
        shownIndicator.RecordMeasure(face, MeasureText());
    }
    const IndicatorSize size = shownIndicator.MeasuredSize();
    indicatorState.textRect = RECT{0, 0, size.width, size.height};
    const IndicatorPosition at =
        PlaceIndicator(cursor.x, cursor.y, ScaleToDpi(indicatorState.offsetX, monitor.dpi),
                       ScaleToDpi(indicatorState.offsetY, monitor.dpi), size.width, size.height,
                       monitor.rect, indicatorState.viewMode);

    const WindowFacts now = ReadWindowFacts(window);
    // A dialog hides the indicator; showing it again is the dialog command's job.
    const TickWork work = shownIndicator.Plan(
        face, IndicatorBounds{at.x, at.y, size.width, size.height}, now, indicatorState.dialogOpen);
    if (work.place) {
        // Shown without activation: the user's window keeps the keyboard.
        SetWindowPos(window, HWND_TOPMOST, at.x, at.y, size.width, size.height,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    if (work.repaint) {
        PaintNow(window);
    }
    shownIndicator.RecordTick(face, now, work);
}

// A sleeping Clock sets its timer anew each time, aimed at the next change as
// reckoned from this tick's reading of the clock. Otherwise the timer is set
// only when its period changes: each setting is a call to the window system.
void PaceTheTick(HWND window, POINT cursor) {
    const int clockChangeInMs =
        indicatorState.displayMode == kDisplayClock
            ? MillisecondsToNextChange(clockFormatter.ShowsSeconds(),
                                       LastLocalClockReading().wSecond,
                                       LastLocalClockReading().wMilliseconds)
            : -1;
    const int periodMs = tickPace.AfterTick(
        ScreenPoint{cursor.x, cursor.y}, GetTickCount(), clockChangeInMs,
        indicatorState.displayMode == kDisplayColour ? kColourWatchPeriodMs : kWatchPeriodMs);
    if (periodMs != timerPeriodMs || (tickPace.Asleep() && clockChangeInMs >= 0) ||
        mouseInputOn == tickPace.FollowingByTimer()) {
        RunTimer(window, periodMs);
    }
}

// Every tick reads the cursor and builds the text; measuring, placing and
// repainting happen only when what the user would see changes. Hidden by the
// user, the line stays current for the copy command and the screen is left
// alone; the tick sleeps all the same while nothing changes.
void Tick(HWND window, POINT cursor) {
    const MonitorArea monitor = CursorMonitor(cursor);
    DrawAtDpi(monitor.dpi);
    TickSources sources(cursor);
    BuildIndicatorText(indicatorState.displayMode, CoordinatesShown(window, cursor, monitor.dpi),
                       sources, indicatorState.text);
    indicatorState.swatch = sources.swatch;
    if (!indicatorState.hidden && !StepAsideForFullScreen(window, monitor.rect)) {
        ShowOnScreen(window, cursor, monitor);
    }
    PaceTheTick(window, cursor);
}

void TickNow(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    Tick(window, cursor);
}

// The backstop has nothing to add just after mouse input has run the tick.
LRESULT OnTimer(HWND window) {
    if (!tickPace.BackstopCanRest(GetTickCount())) {
        TickNow(window);
    }
    return 0;
}

// A command, tray input or a display change: a sleeping tick runs at once
// and then awake, so that what they change shows without delay.
void WakeTick(HWND window, bool tickNow) {
    const bool wasAsleep = tickPace.Asleep();
    tickPace.Wake(GetTickCount());
    if (indicatorState.closing) {
        return;
    }
    if (wasAsleep) {
        RunTimer(window, kAwakeTickMs);
    }
    if (wasAsleep || tickNow) {
        TickNow(window);
    }
}

// A command or hotkey acts on the line as it is now (the copy command takes
// it): the tick runs first, also when it was awake, since a pointer placed
// without input (SetCursorPos) gives no raw input and a popup menu's loop
// may have held the timer.
bool ActsOnTheLine(UINT message) {
    return message == WM_COMMAND || message == WM_HOTKEY;
}

// Commands, tray input, hotkeys and display changes: what they change must
// show at once.
bool WakesTheTick(UINT message) {
    switch (message) {
        case WM_COMMAND:
        case WM_HOTKEY:
        case WM_TRAYNOTIFY:
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            return true;
        default:
            return false;
    }
}

// Each batch of mouse input runs the tick once: what is queued is taken
// first, then the position is read from the system, never summed from the
// input's own deltas (which would trail the pointer by a step and miss its
// acceleration).
LRESULT OnMouseInput(HWND window, WPARAM wParam, LPARAM lParam) {
    TakeWaitingMouseInput(window);
    if (!indicatorState.closing) {
        POINT cursor{};
        GetCursorPos(&cursor);
        const InputTick tick =
            tickPace.ForInput(ScreenPoint{cursor.x, cursor.y},
                              indicatorState.displayMode == kDisplayRange, GetTickCount());
        if (tick == InputTick::kNow) {
            Tick(window, cursor);
        } else if (tick == InputTick::kByTimer) {
            RunTimer(window, kInputTickSpacingMs);
        }
    }
    // The system frees the input's data here.
    return DefWindowProcA(window, WM_INPUT, wParam, lParam);
}

// Uncovered parts and a window the system showed: paint what the tick last
// painted.
LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintIndicator(dc);
    EndPaint(window, &paint);
    return 0;
}

LRESULT OnDestroy(HWND window) {
    KillTimer(window, kIndicatorTimerId);
    if (mouseInputOn) {
        StopMouseInput();
        mouseInputOn = false;
    }
    HookStop();
    StopMeasureTerms();
    ReleaseHotkeys(window);
    DeleteObject(indicatorState.font);
    indicatorState.font = nullptr;
    DeleteDC(measuringDc);
    measuringDc = nullptr;
    Shell_NotifyIconA(NIM_DELETE, &indicatorState.trayIcon);
    indicatorState.closing = true;
    PostQuitMessage(0);
    return 0;
}

// The shell sends it to every top-level window when it has made the
// notification area anew. Registered with the class, before any window can
// receive it; a plain variable, not a function-local static, whose guarded
// initialisation would add the runtime's guard and its locks to the download.
UINT taskbarCreatedMessage = 0;

}  // namespace

void LoadClockFormat() {
    clockFormatter.SetFormat(
        indicatorSettings.ReadString(kSettingsSection, kDateFormatKey, kDefaultDateFormat));
}

void LoadOffsets() {
    indicatorState.offsetX =
        indicatorSettings.ReadInt(kSettingsSection, kOffsetXKey, kDefaultOffsetX);
    indicatorState.offsetY =
        indicatorSettings.ReadInt(kSettingsSection, kOffsetYKey, kDefaultOffsetY);
}

namespace {

LRESULT HandleIndicatorMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == taskbarCreatedMessage) {
        return OnTaskbarCreated();
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_TIMER:
            return OnTimer(window);
        case WM_INPUT:
            return OnMouseInput(window, wParam, lParam);
        case WM_PAINT:
            return OnPaint(window);
        case WM_DESTROY:
            return OnDestroy(window);
        case WM_COMMAND:
            return OnMenuCommand(window, wParam, lParam);
        case WM_TRAYNOTIFY:
            return OnTrayNotify(window, lParam);
        case WM_HOTKEY:
            return OnHotkey(window, wParam);
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            return OnDisplayChange();
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

// The tick wakes before such a message is handled, and again after it: a
// command may have run a dialog for a long while, and what it changed must
// show at once.
LRESULT CALLBACK IndicatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool wakes = WakesTheTick(message);
    if (wakes) {
        WakeTick(window, ActsOnTheLine(message));
    }
    const LRESULT result = HandleIndicatorMessage(window, message, wParam, lParam);
    if (wakes) {
        WakeTick(window, false);
    }
    return result;
}

ATOM RegisterIndicatorClass() {
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = IndicatorWindowProc;
    windowClass.hInstance = indicatorState.instance;
    windowClass.hIcon = LoadIconA(indicatorState.instance, MAKEINTRESOURCEA(IDI_TAVIKAN));
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kIndicatorClassName;
    return RegisterClassA(&windowClass);
}

HWND CreateIndicatorWindow(DWORD extendedStyle) {
    return CreateWindowExA(extendedStyle, kIndicatorClassName, kProductTitle,
                           indicatorState.windowStyle, 10, 10, 10, 10, nullptr, nullptr,
                           indicatorState.instance, nullptr);
}
