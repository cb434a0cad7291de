#pragma once

#include <windows.h>

#include <string>

// One started copy of tavikan.exe, held by its process handle. The copy runs in
// a job that ends it when the driver goes, and the destructor ends it at once
// if it still runs, so no test leaves it behind, whatever fails.
class RunningProgram {
  public:
    RunningProgram() = default;
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Starts the executable with its folder as working folder. False, with the
    // reason in Error(), when it could not be started.
    bool Start(const std::string& executable);
    const std::string& Error() const { return error_; }

    bool Running() const;
    DWORD ProcessId() const { return process_.dwProcessId; }

    // The visible indicator window ("MousePos") of this process, or null when
    // none showed within the time or the process ended first.
    HWND WaitForIndicator(DWORD timeoutMs) const;

    // True with the exit code when the process ended within the time.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode) const;

    void Terminate();

  private:
    PROCESS_INFORMATION process_{};
    HANDLE job_ = nullptr;
    std::string error_;
};

// The indicator window ("MousePos") that belongs to the process, or null.
HWND FindIndicatorOf(DWORD processId);
