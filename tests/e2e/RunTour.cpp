// run-tour: the tour that scripts/run takes without a display, driven from
// inside Wine the way the end-to-end tests drive the program.
//
//   run-tour FOLDER OUTPUT
//
// FOLDER holds tavikan.exe and MHook.dll; the tour writes its tavi.ini. The
// program runs once per display mode while the pointer moves (and drags in
// Range mode), then once more for its tray menu, the display settings, the
// About box and the hotkey settings, and ends through 閉じる. Each step waits, within a limit, for
// what shows that it happened; a screenshot is saved to OUTPUT only once the screen shows its
// window drawn, and a step whose input Wine lost is given again a few times. On the first failure
// the step is named, the program is ended by its process id and the exit code is 1. The screenshots
// are 32-bit BMP files named after what they show (mode-0-coordinates.bmp, tray-menu.bmp, ...).
// In Colour mode the pointer rests on a patch of the tour's own.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "DialogControls.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MainSection.h"
#include "MouseInput.h"
#include "RunningProgram.h"
#include "ScreenPicture.h"
#include "TempFolder.h"
#include "TrayMenu.h"
#include "WaitFor.h"
#include "res/resource.h"
#include "settings/SettingsKeys.h"

namespace {

constexpr DWORD kShotTimeoutMs = 5000;
constexpr int kMenuTries = 4;
// The path the pointer takes in each mode; the screenshot is taken at its end.
constexpr POINT kPath[] = {{200, 200}, {260, 230}, {330, 280}, {400, 320}, {470, 360}, {520, 380}};
constexpr COLORREF kPatchColour = RGB(30, 144, 255);  // "#1E90FF"
constexpr POINT kDrag[] = {{200, 150}, {280, 200}, {360, 250}, {430, 290}};

std::string Describe(const RECT& rect) {
    std::ostringstream out;
    out << rect;
    return out.str();
}

std::string Describe(const testing::AssertionResult& result) {
    return result.message();
}

std::string CoordinatesText(POINT at) {
    return "x:" + std::to_string(at.x) + " y:" + std::to_string(at.y);
}

std::string SizeText(POINT from, POINT to) {
    return "size x:" + std::to_string(to.x - from.x) + " y:" + std::to_string(to.y - from.y);
}

// The built-in date format, yyyy/MM/dd hh:mm:ss, for the time now.
std::string ClockTextNow() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond);
    return text;
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The part of a picture of the whole screen that lies in the rectangle.
Picture Part(const Picture& screen, RECT rect) {
    RECT whole{0, 0, screen.width, screen.height};
    IntersectRect(&rect, &rect, &whole);
    Picture part;
    part.width = rect.right - rect.left;
    part.height = rect.bottom - rect.top;
    for (int y = rect.top; y < rect.bottom; ++y) {
        const auto row = screen.pixels.begin() + static_cast<std::ptrdiff_t>(y) * screen.width;
        part.pixels.insert(part.pixels.end(), row + rect.left, row + rect.right);
    }
    return part;
}

// A window is drawn when most of it shows its fill colour and each half of it
// (upper, lower, left, right) some pixels of its ink: a window not yet painted
// shows what lay under it, or one colour, and one painted in part leaves a
// half blank.
bool Drawn(const Picture& part, COLORREF fill, COLORREF ink, std::string* why) {
    constexpr int kInkPerHalf = 5;
    const int area = part.width * part.height;
    const int filled = CountPixels(part, fill);
    const int w = part.width;
    const int h = part.height;
    const RECT halves[] = {{0, 0, w, h / 2}, {0, h / 2, w, h}, {0, 0, w / 2, h}, {w / 2, 0, w, h}};
    std::ostringstream out;
    out << *why << filled << " of " << area << " pixels of its fill colour " << Hex(fill)
        << "; of its ink " << Hex(ink) << " (upper, lower, left, right half)";
    bool inked = true;
    for (const RECT& half : halves) {
        const int count = CountPixels(Part(part, half), ink);
        out << " " << count;
        inked = inked && count >= kInkPerHalf;
    }
    *why = out.str();
    return area > 0 && filled * 3 >= area && inked;
}

class Tour {
  public:
    Tour(std::string folder, std::string output)
        : folder_(std::move(folder)), output_(std::move(output)) {}

    bool Run() {
        return ModeRun(0, "coordinates") && ModeRun(1, "clock") && ModeRun(2, "range") &&
               ModeRun(3, "colour") && TrayRun();
    }

  private:
    void Say(const std::string& line) const { std::printf("%s\n", line.c_str()); }

    // Names the failed step, keeps the screen as it was then (failed.bmp) and
    // ends the program by its process id.
    bool Fail(const std::string& step, const std::string& why) {
        std::printf("FAILED: %s: %s\n", step.c_str(), why.c_str());
        const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (SaveBitmapFile(CaptureScreen(screenRect), output_ + "\\failed.bmp")) {
            std::printf("the screen at the failure: failed.bmp\n");
        }
        if (program_ && program_->Running()) {
            std::printf("ending tavikan.exe (process id %lu)\n", program_->ProcessId());
        }
        program_.reset();
        return false;
    }

    bool Start(const std::string& step, const std::string& settings, POINT at) {
        if (!PlaceCursor(at.x, at.y)) {
            return Fail(step, "the pointer did not reach its starting point");
        }
        WriteFileBytes(folder_ + "\\tavi.ini", settings);
        program_.emplace();
        if (!program_->Start(folder_ + "\\tavikan.exe")) {
            return Fail(step, program_->Error());
        }
        indicator_ = program_->WaitForIndicator(kStartTimeoutMs);
        if (indicator_ == nullptr) {
            return Fail(step, "no indicator window within " + std::to_string(kStartTimeoutMs) +
                                  " ms of the start");
        }
        Say("   started tavikan.exe, process id " + std::to_string(program_->ProcessId()));
        // The window shows before the program has read its modes and set its
        // hook (Range mode); its first tick, which moves it beside the
        // pointer, comes once that is done.
        if (!WaitFor(kStartTimeoutMs,
                     [&] { return !(WindowRectOf(indicator_) == kCreationRect); })) {
            return Fail(step,
                        "the window stayed at its creation rectangle " + Describe(kCreationRect));
        }
        return true;
    }

    // The screen once it shows the window drawn and unchanged for a moment;
    // false with the reason when it did not within the limit, or the window
    // went.
    static bool Capture(HWND window, COLORREF fill, COLORREF ink, Picture* screen,
                        std::string* seen) {
        constexpr DWORD kUnchangedMs = 200;
        const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        Picture last;
        DWORD changed = GetTickCount();
        bool gone = false;
        std::string why = "the window is hidden";
        const bool shown = WaitFor(kShotTimeoutMs, [&] {
            const RECT before = WindowRectOf(window);
            *screen = CaptureScreen(screenRect);
            const RECT after = WindowRectOf(window);
            if (!IsWindow(window)) {
                why = "the window is gone";
                return gone = true;
            }
            if (!IsWindowVisible(window)) {
                why = "the window is hidden";
                return false;
            }
            if (!EqualRect(&before, &after)) {
                why = "the window moved from " + Describe(before) + " to " + Describe(after);
                return false;
            }
            Picture part = Part(*screen, after);
            if (part.pixels != last.pixels || part.width != last.width) {
                last = std::move(part);
                changed = GetTickCount();
            }
            why = "at " + Describe(after) + ", ";
            return Drawn(last, fill, ink, &why) && GetTickCount() - changed >= kUnchangedMs;
        });
        *seen = why;
        return shown && !gone;
    }

    bool Save(const std::string& step, const Picture& screen, const std::string& file,
              const std::string& seen) {
        if (!SaveBitmapFile(screen, output_ + "\\" + file)) {
            return Fail(step, "cannot write " + output_ + "\\" + file);
        }
        Say("   " + file + ": the window " + seen);
        return true;
    }

    // Saves the screen as FILE once it shows the window drawn.
    bool Shoot(const std::string& step, const std::string& file, HWND window, COLORREF fill,
               COLORREF ink) {
        Picture screen;
        std::string seen;
        if (!Capture(window, fill, ink, &screen, &seen)) {
            return Fail(step, "the screen never showed the window drawn: " + seen);
        }
        return Save(step, screen, file, seen);
    }

    // WM_CLOSE, as the system sends it; the program must end with exit code 0.
    bool CloseByMessage(const std::string& step) {
        PostMessageA(indicator_, WM_CLOSE, 0, 0);
        return Ended(step, "WM_CLOSE");
    }

    bool Ended(const std::string& step, const std::string& after) {
        DWORD exitCode = 0;
        if (!program_->WaitForExit(kExitTimeoutMs, &exitCode)) {
            return Fail(step,
                        "still running " + std::to_string(kExitTimeoutMs) + " ms after " + after);
        }
        program_.reset();
        if (exitCode != 0) {
            return Fail(step,
                        "ended with exit code " + std::to_string(exitCode) + " after " + after);
        }
        Say("   ended with exit code 0 after " + after);
        return true;
    }

    // The indicator shows the text; the clock's text is taken anew while the
    // seconds turn.
    bool Shows(const std::string& step, bool clock, const std::string& text,
               COLORREF swatch = CLR_INVALID) {
        testing::AssertionResult shown = testing::AssertionFailure();
        for (int attempt = 0; attempt < 3 && !shown; ++attempt) {
            const std::string expected = clock ? ClockTextNow() : text;
            IndicatorLook look = DefaultLook();
            look.swatch = swatch;
            shown = ShowsText(indicator_, expected, look, clock ? 1500 : kSettleTimeoutMs);
            if (!shown) {
                shown << " (expected \"" << expected << "\")";
            }
        }
        return shown ? true : Fail(step, "the indicator's text: " + Describe(shown));
    }

    bool ModeRun(int mode, const char* name) {
        const std::string step = "MODE=" + std::to_string(mode) + " (" + name + ")";
        const std::string file = "mode-" + std::to_string(mode) + "-" + name + ".bmp";
        Say("== " + step);
        // In Colour mode the path ends on a patch of known colour.
        std::optional<ColourPatch> patch;
        if (mode == 3) {
            patch.emplace(RECT{490, 350, 550, 410}, kPatchColour);
        }
        if (!Start(step, MainSection({{"MODE", std::to_string(mode)}}), POINT{100, 100})) {
            return false;
        }
        for (const POINT& point : kPath) {
            InputMoveTo(point.x, point.y);
        }
        std::string text = CoordinatesText(CursorPosition());
        if (mode == 2) {
            LeftButtonGuard button;
            InputMoveTo(kDrag[0].x, kDrag[0].y);
            const POINT start = button.Press();
            for (const POINT& point : kDrag) {
                InputMoveTo(point.x, point.y);
            }
            text = SizeText(start, button.Release());
            // Wine does not move the X pointer for moves sent while a
            // low-level hook runs, and the program reads the cursor back from
            // there: the last point is set directly.
            const POINT end = kPath[std::size(kPath) - 1];
            if (!PlaceCursor(end.x, end.y)) {
                return Fail(step, "the pointer did not reach " + CoordinatesText(end));
            }
        }
        const IndicatorLook look = DefaultLook();
        if (mode == 3) {
            text = "#1E90FF";
        }
        return Shows(step, mode == 1, text, patch ? kPatchColour : CLR_INVALID) &&
               Beside(step, CursorPosition()) &&
               Shoot(step, file, indicator_, look.backColor, look.textColor) &&
               CloseByMessage(step);
    }

    // The indicator stands at its default offsets from the pointer.
    bool Beside(const std::string& step, POINT pointer) {
        RECT rect{};
        if (WaitFor(kSettleTimeoutMs, [&] {
                rect = WindowRectOf(indicator_);
                return rect.left == pointer.x + kDefaultOffsetX &&
                       rect.top == pointer.y + kDefaultOffsetY;
            })) {
            return true;
        }
        return Fail(step, "the indicator stands at " + Describe(rect) +
                              ", not beside the pointer at " + CoordinatesText(pointer));
    }

    // Before a right press on the tray icon: the indicator has followed the
    // pointer to the spot and held still there for a moment, so that the
    // screenshot of the menu shows it where it stays.
    void IndicatorStillBeside(POINT at) const {
        constexpr DWORD kStillMs = 300;
        RECT last{};
        DWORD since = GetTickCount();
        WaitFor(kSettleTimeoutMs, [&] {
            const RECT now = WindowRectOf(indicator_);
            if (!EqualRect(&now, &last)) {
                last = now;
                since = GetTickCount();
            }
            return now.left == at.x + kDefaultOffsetX && now.top == at.y + kDefaultOffsetY &&
                   GetTickCount() - since >= kStillMs;
        });
    }

    std::function<void(POINT)> BeforePress() const {
        return [this](POINT at) { IndicatorStillBeside(at); };
    }

    // The menu, opened by a right press on the tray icon; opened again a few
    // times when Wine lost the press or the menu went before it was drawn.
    bool MenuShot(const std::string& step) {
        const DWORD processId = program_->ProcessId();
        Picture screen;
        std::string seen = "no menu";
        for (int attempt = 1; attempt <= kMenuTries; ++attempt) {
            HWND menu = OpenTrayMenu(processId, nullptr, BeforePress());
            if (menu != nullptr && Capture(menu, GetSysColor(COLOR_MENU),
                                           GetSysColor(COLOR_MENUTEXT), &screen, &seen)) {
                TypeKeys(std::string(1, VK_ESCAPE));
                if (!WaitFor(kSettleTimeoutMs,
                             [&] { return FindMenuWindow(processId) == nullptr; })) {
                    return Fail(step, "the menu stayed open after Escape");
                }
                return Save(step, screen, "tray-menu.bmp", seen);
            }
            Say("   no drawn menu on right press " + std::to_string(attempt) + ": " + seen);
            TypeKeys(std::string(2, VK_ESCAPE));
            WaitFor(kSettleTimeoutMs, [&] { return FindMenuWindow(processId) == nullptr; });
        }
        return Fail(step, "no drawn menu after " + std::to_string(kMenuTries) + " right presses");
    }

    // Opens the dialog from the menu, saves its screenshot and clicks it shut.
    bool DialogShot(const std::string& step, const std::string& keys, int marker, int closeButton,
                    const std::string& file) {
        Say("== " + step);
        const DWORD processId = program_->ProcessId();
        HWND dialog = nullptr;
        const testing::AssertionResult opened = ChooseUntil(
            processId, keys,
            [&] { return (dialog = WaitForDialogWith(processId, marker)) != nullptr; },
            BeforePress());
        if (!opened) {
            return Fail(step, "the dialog did not come up: " + Describe(opened));
        }
        if (!Shoot(step, file, dialog, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT))) {
            return false;
        }
        const testing::AssertionResult closed = CloseWith(dialog, closeButton);
        if (!closed) {
            return Fail(step, Describe(closed));
        }
        if (!WaitFor(kSettleTimeoutMs, [&] { return IsWindowVisible(indicator_) != 0; })) {
            return Fail(step, "the indicator stayed hidden after the dialog");
        }
        return true;
    }

    bool TrayRun() {
        const std::string menuStep = "tray menu";
        Say("== " + menuStep);
        if (!Start(menuStep, MainSection({{"MODE", "1"}}), POINT{300, 300}) ||
            !MenuShot(menuStep) ||
            !DialogShot("display settings", menu_keys::kDisplaySettings, IDC_SAMPLE,
                        IDC_SETTINGS_CANCEL, "display-settings.bmp") ||
            !DialogShot("about box", menu_keys::kAbout, IDC_LINK_LABEL, IDCANCEL, "about.bmp") ||
            !DialogShot("hotkey settings", menu_keys::kHotkeys, IDC_HOTKEY_COPY, IDC_HOTKEYS_CANCEL,
                        "hotkeys.bmp")) {
            return false;
        }
        const std::string closeStep = "Close (X) from the menu";
        Say("== " + closeStep);
        // The icon goes first; the program ends a moment later.
        const testing::AssertionResult chosen = ChooseUntil(
            program_->ProcessId(), menu_keys::kClose,
            [&] {
                return WaitFor(kSettleTimeoutMs, [&] {
                    return !program_->Running() || FindTrayIconWindow() == nullptr;
                });
            },
            BeforePress());
        if (!chosen) {
            return Fail(closeStep, "the program did not end: " + Describe(chosen));
        }
        return Ended(closeStep, "Close (X)");
    }

    std::string folder_;
    std::string output_;
    std::optional<RunningProgram> program_;
    HWND indicator_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc != 3) {
        std::fprintf(stderr, "usage: run-tour FOLDER OUTPUT\n");
        return 2;
    }
    try {
        return Tour(argv[1], argv[2]).Run() ? 0 : 1;
    } catch (const std::exception& error) {
        std::printf("FAILED: %s\n", error.what());
        return 1;
    }
}
