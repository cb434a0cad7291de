#include "IndicatorSession.h"

#include <ostream>

#include "WaitFor.h"

testing::AssertionResult IndicatorSession::Start(const std::string& settings) {
    if (folder.Ready()) {
        WriteFileBytes(folder.SettingsPath(), settings);
    }
    return StartWithoutSettings();
}

testing::AssertionResult IndicatorSession::StartWithoutSettings() {
    if (!folder.Ready()) {
        return testing::AssertionFailure() << folder.Error();
    }
    if (!program.Start(folder.ExecutablePath())) {
        return testing::AssertionFailure() << program.Error();
    }
    window = program.WaitForIndicator(kStartTimeoutMs);
    if (window == nullptr) {
        DWORD exitCode = 0;
        if (program.WaitForExit(0, &exitCode)) {
            return testing::AssertionFailure()
                   << "tavikan.exe ended with exit code " << exitCode << " before showing a window";
        }
        return testing::AssertionFailure()
               << "no visible MousePos window within " << kStartTimeoutMs << " ms";
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult IndicatorSession::WaitForFirstTick() const {
    if (WaitFor(kStartTimeoutMs, [&] { return !(WindowRect() == kCreationRect); })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "the window stayed at its creation rectangle " << kCreationRect;
}

testing::AssertionResult IndicatorSession::Close(DWORD* exitCode) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!program.WaitForExit(kExitTimeoutMs, exitCode)) {
        return testing::AssertionFailure()
               << "still running " << kExitTimeoutMs << " ms after WM_CLOSE";
    }
    return testing::AssertionSuccess();
}

RECT IndicatorSession::WindowRect() const {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ") "
               << r.right - r.left << "x" << r.bottom - r.top;
}
