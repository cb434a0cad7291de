#include "RunningProgram.h"

#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

// A job that ends its processes when its last handle closes, so a copy started
// by a driver that crashed or was killed does not keep the single-instance name.
HANDLE CreateKillOnCloseJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (job == nullptr) {
        return nullptr;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

}  // namespace

HWND FindIndicatorOf(DWORD processId) {
    return FindWindowWhere(0, [processId](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && HasClass(window, "MousePos");
    });
}

RunningProgram::~RunningProgram() {
    Terminate();
    if (job_ != nullptr) {
        CloseHandle(job_);
    }
}

bool RunningProgram::Start(const std::string& executable) {
    const std::string folder = executable.substr(0, executable.find_last_of('\\'));
    std::string commandLine = "\"" + executable + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    job_ = CreateKillOnCloseJob();
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &process_)) {
        error_ =
            "CreateProcessA failed for " + executable + ", error " + std::to_string(GetLastError());
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    if (job_ != nullptr) {
        AssignProcessToJobObject(job_, process_.hProcess);
    }
    ResumeThread(process_.hThread);
    return true;
}

bool RunningProgram::Running() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND RunningProgram::WaitForIndicator(DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitFor(timeoutMs, [&] {
        if (!Running()) {
            return true;  // no use waiting any longer
        }
        window = FindIndicatorOf(process_.dwProcessId);
        return window != nullptr && IsWindowVisible(window);
    });
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (process_.hProcess == nullptr ||
        WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

void RunningProgram::Terminate() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = PROCESS_INFORMATION{};
}
