#pragma once

// The summary every Google Benchmark program here prints after its runs:
// the median (or the single run) of each benchmark, rows of wall and CPU
// time, and verdicts against the targets. CPU time is what one core spends;
// on a busy machine wall time also counts the waits for the core, so both
// are shown and the targets use CPU time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace benchsummary {

struct Timing
{
    double realMs = -1;
    double cpuMs = -1;

    bool ran() const { return cpuMs >= 0; }
};

// Prints as the console reporter does and keeps each benchmark's median,
// by "function" or "function/args" ("BM_Analysis/1").
class MedianReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single)
                continue;
            const std::string args = run.run_name.args.empty() ? std::string() : "/" + run.run_name.args;
            m_timings[run.run_name.function_name + args] = {run.GetAdjustedRealTime(),
                                                            run.GetAdjustedCPUTime()};
        }
    }

    // A benchmark that did not run (filtered out, not built in) has no time.
    Timing operator[](const std::string &name) const
    {
        const auto it = m_timings.find(name);
        return it == m_timings.end() ? Timing{} : it->second;
    }

private:
    std::map<std::string, Timing> m_timings;
};

// Rows of one table: a label column of the given width, then wall and CPU
// milliseconds and, with a floor, CPU time as a multiple of the floor's.
class Table
{
public:
    // frame: what one benchmarked frame is ("1920x1080", "1920x1080 RGB").
    Table(const char *frame, int labelWidth, const Timing *floor = nullptr, const char *floorName = "x floor")
        : m_width(labelWidth), m_floor(floor)
    {
        std::printf("\nSummary (medians, one thread, %s; targets judged on CPU time):\n", frame);
        std::printf("  %-*s %9s %9s", m_width, "", "wall ms", "CPU ms");
        if (m_floor)
            std::printf(" %10s", floorName);
        std::printf("\n");
    }

    void row(const char *what, const Timing &t) const
    {
        if (!t.ran())
            return;
        std::printf("  %-*s %9.3f %9.3f", m_width, what, t.realMs, t.cpuMs);
        if (m_floor && m_floor->cpuMs > 0)
            std::printf(" %10.1f", t.cpuMs / m_floor->cpuMs);
        std::printf("\n");
    }

    // "value unit (target <= limit unit) ok", or ">=" when more is better.
    void verdict(const char *what, double value, const char *unit, double limit, bool atLeast = false) const
    {
        const bool ok = atLeast ? value >= limit : value <= limit;
        std::printf("  %-*s %7.3f %s (target %s %.1f %s) %s\n", m_width, what, value, unit,
                    atLeast ? ">=" : "<=", limit, unit, ok ? "ok" : "MISSED");
    }

    // ours against a yardstick's time: yardstick / ours, more is better.
    void speedUp(const char *what, const Timing &ours, const Timing &yardstick, double limit,
                 const char *missing) const
    {
        if (ours.cpuMs <= 0 || yardstick.cpuMs <= 0) {
            std::printf("  %s: %s, no ratio\n", what, missing);
            return;
        }
        verdict(what, yardstick.cpuMs / ours.cpuMs, "x", limit, true);
    }

private:
    int m_width;
    const Timing *m_floor;
};

// Runs the benchmarks the command line chooses; false on an unknown option.
inline bool runBenchmarks(int *argc, char **argv, MedianReporter &reporter)
{
    benchmark::Initialize(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(*argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

} // namespace benchsummary
