#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "MainSection.h"
#include "ProgramFolder.h"
#include "RunningProgram.h"

// Firm limits for what the tests wait on; a healthy run takes a fraction.
constexpr DWORD kStartTimeoutMs = 10000;
constexpr DWORD kSettleTimeoutMs = 3000;
// Closing takes about 4 s under Wine on a display without a window manager:
// hiding a managed window (the indicator, the emptied tray) waits 2 s each for
// a manager that never answers.
constexpr DWORD kExitTimeoutMs = 15000;

// The window's rectangle before the first tick moves it beside the cursor.
constexpr RECT kCreationRect = {10, 10, 20, 20};

// One copy of tavikan.exe in a folder of its own, with its indicator window.
class IndicatorSession {
  public:
    ProgramFolder folder;
    RunningProgram program;
    HWND window = nullptr;

    // Writes tavi.ini with the bytes given (zero bytes included), starts the
    // program and waits for its window to show.
    testing::AssertionResult Start(const std::string& settings);
    // The same with no tavi.ini at all.
    testing::AssertionResult StartWithoutSettings();

    // Waits until the first tick has moved the window off its creation rectangle.
    testing::AssertionResult WaitForFirstTick() const;

    // Posts WM_CLOSE and waits for the process to end; gives its exit code.
    testing::AssertionResult Close(DWORD* exitCode);

    RECT WindowRect() const;
};

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);
