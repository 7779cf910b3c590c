// The console report of Google Benchmark, keeping each benchmark's counters so that main can
// set two results side by side (a pipeline against its floor) when all have run.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lott::bench {

class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    // Colours only on a terminal: the runner script's output is often kept in a file.
    CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs) {
            if (r.error_occurred) continue;
            // With repetitions the median stands for the benchmark; without, the single run.
            bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (!single && !median) continue;
            std::string key = r.run_name.function_name;
            if (!r.run_name.args.empty()) key += "/" + r.run_name.args;
            Result& res = results_[key];
            res.realSeconds = r.GetAdjustedRealTime() * TimeUnitSeconds(r.time_unit);
            for (const auto& [name, counter] : r.counters) res.counters[name] = counter.value;
        }
    }

    struct Result {
        double realSeconds = 0;  // per iteration
        std::map<std::string, double> counters;
    };
    // name: the benchmark's function name followed by its arguments ("BM_Read/1").
    std::optional<Result> Get(const std::string& name) const {
        auto it = results_.find(name);
        if (it == results_.end()) return std::nullopt;
        return it->second;
    }

  private:
    static double TimeUnitSeconds(benchmark::TimeUnit u) {
        switch (u) {
            case benchmark::kNanosecond:
                return 1e-9;
            case benchmark::kMicrosecond:
                return 1e-6;
            case benchmark::kMillisecond:
                return 1e-3;
            case benchmark::kSecond:
                return 1.0;
        }
        return 1.0;
    }
    std::map<std::string, Result> results_;
};

}  // namespace lott::bench
