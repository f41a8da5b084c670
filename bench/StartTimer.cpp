// Times whole-process starts of two programs side by side: brevolt_starttimer PAIRS FIRST SECOND
// Each pair starts both, in turns (the order alternates), and measures from CreateProcess to the
// first visible top-level window of the process ("visible") and to the process waiting for input
// with that window up ("ready"); then reads the process's peak working set and closes the window.
// Prints one line per start and the medians.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Start {
    double visibleMs = 0;
    double readyMs = 0;
    double peakMb = 0;
};

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

bool TimeOne(const std::wstring& program, Start& start) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const double begin = Now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls\n", program.c_str());
        return false;
    }
    Search search{process.dwProcessId, nullptr};
    while (search.found == nullptr && Now() - begin < 30000) {
        EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(1);
        }
    }
    start.visibleMs = Now() - begin;
    WaitForInputIdle(process.hProcess, 30000);
    start.readyMs = Now() - begin;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory))) {
        start.peakMb = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }
    const bool shown = search.found != nullptr;
    if (shown) {
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!shown) {
        std::fwprintf(stderr, L"%ls showed no window\n", program.c_str());
    }
    return shown;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::wstring NameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L"\\/") + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: brevolt_starttimer PAIRS FIRST SECOND\n");
        return 2;
    }
    const int pairs = _wtoi(argv[1]);
    const std::wstring programs[2] = {argv[2], argv[3]};
    std::vector<Start> starts[2];
    std::vector<double> ratios;
    Start warmUp;
    TimeOne(programs[0], warmUp);  // the first start of a prefix loads more than any later one
    TimeOne(programs[1], warmUp);
    for (int pair = 0; pair < pairs; ++pair) {
        Start both[2];
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (pair + turn) % 2;
            if (!TimeOne(programs[which], both[which])) {
                return 1;
            }
            starts[which].push_back(both[which]);
        }
        ratios.push_back(both[0].visibleMs / both[1].visibleMs);
        std::wprintf(
            L"pair %2d: %ls visible %.1f ms, ready %.1f ms; %ls visible %.1f ms, ready "
            L"%.1f ms; ratio %.3f\n",
            pair + 1, NameOf(programs[0]).c_str(), both[0].visibleMs, both[0].readyMs,
            NameOf(programs[1]).c_str(), both[1].visibleMs, both[1].readyMs, ratios.back());
    }
    for (int which = 0; which < 2; ++which) {
        std::vector<double> visible, ready, peak;
        for (const auto& start : starts[which]) {
            visible.push_back(start.visibleMs);
            ready.push_back(start.readyMs);
            peak.push_back(start.peakMb);
        }
        std::wprintf(L"%ls: median visible %.1f ms, ready %.1f ms, peak working set %.1f MB\n",
                     NameOf(programs[which]).c_str(), Median(visible), Median(ready),
                     *std::max_element(peak.begin(), peak.end()));
    }
    std::wprintf(L"median ratio of the times to the visible window: %.3f\n", Median(ratios));
    return 0;
}
