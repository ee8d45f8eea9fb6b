// A console reporter that also prints each benchmark's time against its floor from the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Pairs of (measured, floor) benchmark names, with the goal for their time ratio.
    struct Pair {
        std::string measured;
        std::string floor;
        double goal;
    };

    explicit RatioReporter(std::vector<Pair> pairs) : m_pairs(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void PrintRatios() const
    {
        std::printf("\n%-44s %-40s %8s %6s\n", "measured", "floor", "ratio", "goal");
        for (const Pair& pair : m_pairs) {
            const auto measured = m_times.find(pair.measured);
            const auto floor = m_times.find(pair.floor);
            if (measured == m_times.end() || floor == m_times.end())
                continue;
            const double ratio = measured->second / floor->second;
            std::printf("%-44s %-40s %7.2fx", pair.measured.c_str(), pair.floor.c_str(), ratio);
            if (pair.goal > 0)
                std::printf(" %5.2fx%s", pair.goal, ratio <= pair.goal ? "" : " (over)");
            std::printf("\n");
        }
    }

    // A benchmark's time per iteration, in its own unit; 0 when it did not run.
    double Time(const std::string& name) const
    {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0 : found->second;
    }

private:
    std::vector<Pair> m_pairs;
    std::map<std::string, double> m_times;
};
