#pragma once
// The console table of Google Benchmark, then each chosen benchmark's time as a ratio
// of its reference's time, both measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pakmole::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Each pair: a benchmark's full name (with its arguments) and its reference's.
    RatioReporter(std::string title, std::vector<std::pair<std::string, std::string>> ratios)
        : title_(std::move(title)), ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%s\n", title_.c_str());
        for (const auto& [name, reference] : ratios_) {
            const auto measured = times_.find(name), base = times_.find(reference);
            if (measured != times_.end() && base != times_.end() && base->second > 0)
                std::printf("  %-36s x%8.2f  %s\n", name.c_str(), measured->second / base->second, reference.c_str());
        }
    }

private:
    std::string title_;
    std::vector<std::pair<std::string, std::string>> ratios_;
    std::map<std::string, double> times_;
};

}  // namespace pakmole::bench
