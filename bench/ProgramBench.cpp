// The user's actions in process, each timed from the input to the repainted window, with the
// registry and settings-file calls each makes. `--trace` lists those calls for one run of each
// action instead of timing.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bench/Session.h"

namespace brevolt::bench {
namespace {

// One user action: how to bring the program to just before it, and the action itself.
struct Action {
    const char* name;
    const char* lastVersion;                // the version the program starts with
    std::function<void(Session&)> setUp;    // once, after the start
    std::function<void(Session&)> prepare;  // before each run, not timed
    std::function<void(Session&)> act;
};

// The versions the actions start on, as the settings file names them.
constexpr const char* kOutlook2003 = "11.0";
constexpr const char* kOutlookExpress = "6.0";

void Nothing(Session&) {}

// A fresh start, for actions that must find the window as it opens.
void Restart(Session& session) {
    session.Stop();
    session.Start();
}

void ClickVersion(Session& session, const char* item) {
    session.Form().mainMenu.Find(item)->Click();
}

void ShowPage(Session& session, MainWindow::Page page) {
    session.Form().pages.SelectTabByUser(page);
}

// A switch from the version of menu item `from` to that of `to`; each run starts on `from`.
Action Switch(const char* name, const char* from, const char* to) {
    return {name, kOutlook2003, Nothing,
            [from, to](Session& s) {
                if (s.Form().mainMenu.Find(to)->checked) {
                    ClickVersion(s, from);
                }
            },
            [to](Session& s) { ClickVersion(s, to); }};
}

const std::vector<Action>& Actions() {
    static const std::vector<Action> actions = {
        {"start", kOutlook2003, Nothing, [](Session& s) { s.Stop(); },
         [](Session& s) { s.Start(); }},
        Switch("version switch", "version2", "version1"),
        Switch("catalogue switch (2003 to 365)", "version2", "version6"),
        {"tick", kOutlook2003, Nothing, Nothing,
         [](Session& s) { s.Form().attachmentGrid.ToggleCheckBoxByUser(0, 5); }},
        {"all or none", kOutlook2003, Nothing, Nothing,
         [](Session& s) {
             auto& grid = s.Form().attachmentGrid;
             s.Form().gridMenu.items[grid.IsChecked(0, 0) ? 1 : 0].Click();
         }},
        {"sort by a column", kOutlook2003, Nothing, Nothing,
         [](Session& s) {
             auto& grid = s.Form().attachmentGrid;
             grid.HeaderClick((grid.SortColumn() + 1) % grid.ColCount());
         }},
        {"first switch to Outlook Express", kOutlook2003, Nothing, Restart,
         [](Session& s) { s.Form().mainMenu.Find("express")->Click(); }},
        Switch("switch to Outlook Express", "version2", "express"),
        Switch("switch from Outlook Express to Outlook", "express", "version2"),
        {"first options page", kOutlook2003, Nothing, Restart,
         [](Session& s) { ShowPage(s, MainWindow::OptionsTab); }},
        {"options page", kOutlook2003, Nothing,
         [](Session& s) { ShowPage(s, MainWindow::UnblockingTab); },
         [](Session& s) { ShowPage(s, MainWindow::OptionsTab); }},
        {"unblocking page", kOutlook2003, Nothing,
         [](Session& s) { ShowPage(s, MainWindow::OptionsTab); },
         [](Session& s) { ShowPage(s, MainWindow::UnblockingTab); }},
        {"identities page", kOutlookExpress, Nothing,
         [](Session& s) { ShowPage(s, MainWindow::ExpressTab); },
         [](Session& s) { ShowPage(s, MainWindow::IdentitiesTab); }},
        {"identity choice", kOutlookExpress, Nothing,
         [](Session& s) { s.Form().identityChoice.ChooseByUser(0); },
         [](Session& s) { s.Form().identityChoice.ChooseByUser(1); }},
        {"express page", kOutlookExpress, Nothing,
         [](Session& s) { ShowPage(s, MainWindow::IdentitiesTab); },
         [](Session& s) { ShowPage(s, MainWindow::ExpressTab); }},
        {"save, Outlook", kOutlook2003, [](Session& s) { ShowPage(s, MainWindow::OptionsTab); },
         [](Session& s) {
             s.Form().outlookOptions.ToggleByUser(1);
             s.Form().attachmentGrid.ToggleCheckBoxByUser(0, 2);
         },
         [](Session& s) { s.Form().saveButton.Click(); }},
        {"save, Outlook Express", kOutlookExpress,
         [](Session& s) {
             ShowPage(s, MainWindow::ExpressTab);
             ShowPage(s, MainWindow::IdentitiesTab);
         },
         [](Session& s) {
             s.Form().expressOptions.ToggleByUser(2);
             s.Form().identityOptions.ToggleByUser(1);
         },
         [](Session& s) { s.Form().saveButton.Click(); }},
    };
    return actions;
}

void Run(benchmark::State& state, const Action& action, Store store) {
    Session session(store, action.lastVersion);
    session.Start();
    action.setUp(session);
    session.Settle();
    testing::CallCounts total;
    double redrawMs = 0;  // of the time: the window catching up after the action returned
    for (auto _ : state) {
        action.prepare(session);
        session.Settle();
        session.Calls().Reset();
        const auto begin = std::chrono::steady_clock::now();
        action.act(session);
        const auto acted = std::chrono::steady_clock::now();
        session.Settle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        redrawMs += std::chrono::duration<double, std::milli>(end - acted).count();
        const testing::CallCounts& counts = session.Calls().counts;
        total.opens += counts.opens;
        total.repeatedOpens += counts.repeatedOpens;
        total.reads += counts.reads;
        total.writes += counts.writes;
        total.lists += counts.lists;
        total.fileCalls += counts.fileCalls;
    }
    const auto perRun = [](int count) {
        return benchmark::Counter(count, benchmark::Counter::kAvgIterations);
    };
    state.counters["redraw_ms"] = benchmark::Counter(redrawMs, benchmark::Counter::kAvgIterations);
    state.counters["calls"] = perRun(total.Total());
    state.counters["opens"] = perRun(total.opens);
    state.counters["reopens"] = perRun(total.repeatedOpens);
    state.counters["reads"] = perRun(total.reads);
    state.counters["writes"] = perRun(total.writes);
    state.counters["lists"] = perRun(total.lists);
    state.counters["file"] = perRun(total.fileCalls);
}

void RegisterAll() {
    std::vector<std::pair<Store, const char*>> stores = {{Store::Memory, "memory"}};
#ifdef _WIN32
    stores.emplace_back(Store::Windows, "registry");
#endif
    for (const auto& action : Actions()) {
        for (const auto& [store, storeName] : stores) {
            const std::string name = std::string(action.name) + "/" + storeName;
            benchmark::RegisterBenchmark(
                name.c_str(),
                [&action, store = store](benchmark::State& state) { Run(state, action, store); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.2);
        }
    }
}

void Trace() {
    for (const auto& action : Actions()) {
        Session session(Store::Memory, action.lastVersion);
        session.Start();
        action.setUp(session);
        action.prepare(session);
        session.Calls().Reset();
        session.Calls().tracing = true;
        action.act(session);
        const testing::CallCounts& counts = session.Calls().counts;
        std::cout << "== " << action.name << ": " << counts.Total() << " calls, " << counts.opens
                  << " opens (" << counts.repeatedOpens << " of a key opened before)\n";
        for (const auto& line : session.Calls().trace) {
            std::cout << line << '\n';
        }
    }
}

}  // namespace
}  // namespace brevolt::bench

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--trace") == 0) {
        brevolt::bench::Trace();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    brevolt::bench::RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
