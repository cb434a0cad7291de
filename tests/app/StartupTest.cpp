// Start-up: the single-instance lock, and a whole run of the indicator in
// this process, looked at from a thread timer inside its message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "WindowSearch.h"
#include "app/IndicatorState.h"
#include "app/IndicatorWindow.h"
#include "app/Startup.h"
#include "res/resource.h"

namespace {

struct MutexProbe {
    const char* name;
    DWORD result;
};

DWORD WINAPI ProbeMutex(void* parameter) {
    auto* probe = static_cast<MutexProbe*>(parameter);
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, probe->name);
    if (mutex == nullptr) {
        probe->result = WAIT_FAILED;
        return 0;
    }
    probe->result = WaitForSingleObject(mutex, 0);
    if (probe->result == WAIT_OBJECT_0 || probe->result == WAIT_ABANDONED) {
        ReleaseMutex(mutex);
    }
    CloseHandle(mutex);
    return 0;
}

// What a wait of no time on the named mutex gives on a thread of its own.
DWORD WaitFromOtherThread(const char* name) {
    MutexProbe probe{name, WAIT_FAILED};
    HANDLE thread = CreateThread(nullptr, 0, ProbeMutex, &probe, 0, nullptr);
    if (thread == nullptr) {
        return WAIT_FAILED;
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return probe.result;
}

TEST(SingleInstanceLock, SecondTakerIsRefused) {
    HANDLE other = CreateMutexA(nullptr, FALSE, "saru");
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(TakeSingleInstanceLock());
    CloseHandle(other);

    EXPECT_TRUE(TakeSingleInstanceLock());
    // The lock is released for ownership but its name stays while the process
    // runs. The probe waits on another thread: the taking thread would get a
    // mutex it still owns at once, released or not.
    EXPECT_EQ(WaitFromOtherThread("saru"), WAIT_OBJECT_0) << "the lock is still owned";
    EXPECT_FALSE(TakeSingleInstanceLock());
}

// The probe itself: a mutex this thread owns is owned for another thread.
TEST(SingleInstanceLock, ProbeSeesAnOwnedMutex) {
    HANDLE owned = CreateMutexA(nullptr, TRUE, "tavikan-probe-check");
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(WaitFromOtherThread("tavikan-probe-check"), static_cast<DWORD>(WAIT_TIMEOUT));
    ReleaseMutex(owned);
    EXPECT_EQ(WaitFromOtherThread("tavikan-probe-check"), WAIT_OBJECT_0);
    CloseHandle(owned);
}

// What the run looked like from inside its loop.
struct Observed {
    bool found = false;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    std::string title;
    COLORREF colorKey = 0;
    BYTE alpha = 0;
    DWORD layeredFlags = 0;
    std::vector<UINT> greyed;
};

Observed observed;

// Runs once inside the indicator's loop: records what start-up left and
// closes the indicator as the system would.
void CALLBACK ObserveAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND window = FindWindowWhere(GetCurrentThreadId(),
                                  [](HWND w) { return HasClass(w, kIndicatorClassName); });
    if (window == nullptr) {
        PostQuitMessage(99);
        return;
    }
    observed.found = true;
    observed.style = GetWindowLongA(window, GWL_STYLE);
    observed.extendedStyle = GetWindowLongA(window, GWL_EXSTYLE);
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    observed.title = title;
    GetLayeredWindowAttributes(window, &observed.colorKey, &observed.alpha, &observed.layeredFlags);
    observed.greyed = GreyedCommands(indicatorState.popupMenu);
    PostMessageA(window, WM_CLOSE, 0, 0);
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetIndicator(settings);
        observed = Observed{};
    }
    void TearDown() override { UnregisterClassA(kIndicatorClassName, GetModuleHandleA(nullptr)); }

    int Run() {
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, ObserveAndClose);
        const int exitCode = RunIndicator(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        KillTimer(nullptr, timer);
        return exitCode;
    }

    TempSettings settings;
};

constexpr DWORD kStyleBits = WS_POPUP | WS_BORDER | WS_SYSMENU;

TEST_F(StartupTest, FirstStartWithoutFile) {
    ASSERT_EQ(Run(), 0);
    ASSERT_TRUE(observed.found);
    EXPECT_EQ(observed.title, "Tavikan");
    EXPECT_EQ(observed.style & kStyleBits, kBorderedStyle & kStyleBits);
    EXPECT_EQ(observed.extendedStyle & kLayeredExStyle, kLayeredExStyle);
    EXPECT_EQ(observed.layeredFlags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(observed.alpha, 255);
    EXPECT_EQ(observed.greyed, (std::vector<UINT>{IDM_CLOCK, IDM_VIEW_CORRECTED, IDM_ORIGIN_SCREEN,
                                                  IDM_COLOR_HEX, IDM_ALPHA_100}));

    // ALPHA, MODE and VIEW_MODE written back, in that order, and nothing else.
    EXPECT_EQ(settings.KeysInOrder(), (std::vector<std::string>{"ALPHA", "MODE", "VIEW_MODE"}));
    EXPECT_EQ(settings.Read("ALPHA"), "40036");
    EXPECT_EQ(settings.Read("MODE"), "1");
    EXPECT_EQ(settings.Read("VIEW_MODE"), "0");

    // One monitor: the whole screen, from 0, 0.
    ASSERT_EQ(indicatorState.displayLayout.count, 1);
    const ScreenRect& monitor = indicatorState.displayLayout.monitors[0].rect;
    EXPECT_EQ(monitor.left, 0);
    EXPECT_EQ(monitor.top, 0);
    EXPECT_EQ(monitor.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(monitor.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_NE(indicatorState.layeredEntry, nullptr);
}

struct StoredStartCase {
    const char* name;
    const char* border;
    const char* alpha;
    const char* mode;
    const char* viewMode;
    bool bordered;
    BYTE alphaValue;
    DWORD layeredFlags;
    std::vector<UINT> greyed;
};

TEST_F(StartupTest, StartsInTheStoredState) {
    const StoredStartCase cases[] = {
        {"no border, 50 %, coordinates, absolute",
         "0",
         "40041",
         "0",
         "1",
         false,
         130,
         LWA_ALPHA,
         {IDM_COORDINATES, IDM_VIEW_ABSOLUTE, IDM_ORIGIN_SCREEN, IDM_COLOR_HEX, IDM_ALPHA_50}},
        {"border 5, background transparent, range",
         "5",
         "40046",
         "2",
         "0",
         true,
         0,
         LWA_COLORKEY,
         {IDM_RANGE, IDM_VIEW_CORRECTED, IDM_ORIGIN_SCREEN, IDM_COLOR_HEX, IDM_ALPHA_BACKGROUND}},
        {"values outside their lists",
         "1",
         "5",
         "5",
         "9",
         true,
         70,
         LWA_ALPHA,
         {IDM_ORIGIN_SCREEN, IDM_COLOR_HEX}},
    };
    for (const StoredStartCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResetIndicator(settings);
        observed = Observed{};
        settings.Remove();
        settings.Write("BORDER", c.border);
        settings.Write("BACK_COLOR", static_cast<int>(RGB(1, 2, 3)));
        settings.Write("ALPHA", c.alpha);
        settings.Write("MODE", c.mode);
        settings.Write("VIEW_MODE", c.viewMode);

        ASSERT_EQ(Run(), 0);
        ASSERT_TRUE(observed.found);
        EXPECT_EQ(observed.style & kStyleBits,
                  (c.bordered ? kBorderedStyle : kBorderlessStyle) & kStyleBits);
        EXPECT_EQ(observed.layeredFlags, c.layeredFlags);
        if (c.layeredFlags == LWA_COLORKEY) {
            EXPECT_EQ(observed.colorKey, RGB(1, 2, 3));
        } else {
            EXPECT_EQ(observed.alpha, c.alphaValue);
        }
        EXPECT_EQ(observed.greyed, c.greyed);
        // Written back unchanged.
        EXPECT_EQ(settings.Read("ALPHA"), c.alpha);
        EXPECT_EQ(settings.Read("MODE"), c.mode);
        EXPECT_EQ(settings.Read("VIEW_MODE"), c.viewMode);
        EXPECT_EQ(settings.Read("BORDER"), c.border);
        UnregisterClassA(kIndicatorClassName, GetModuleHandleA(nullptr));
    }
}

TEST_F(StartupTest, RefusedClassEndsQuietly) {
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = kIndicatorClassName;
    ASSERT_NE(RegisterClassA(&taken), 0);

    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(observed.found);
    EXPECT_FALSE(settings.Exists());
    DiscardMessages();
}

}  // namespace
