// The console report, followed by a table of our time over the bare codec's for each file,
// computed from the runs just made. Cases are named "<file>/<kind>": kind "bare" is the
// library alone, "decode" our decoder, "decode+prepare" the whole box write.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::optional<double> median_ms(const std::string& file, const std::string& kind) const;

  std::vector<std::string> files_;                        // in the order they ran
  std::map<std::string, std::vector<double>> times_ms_;   // "<file>/<kind>" -> one per repetition
  std::map<std::string, std::vector<double>> median_ms_;  // the library's own medians
};

}  // namespace bench
