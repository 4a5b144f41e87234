#include "bench/ratio_reporter.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>

namespace bench {
namespace {

std::string format_ms(std::optional<double> ms) {
  if (!ms) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", *ms);
  return text;
}

std::string format_ratio(std::optional<double> ours, std::optional<double> bare) {
  if (!ours || !bare || *bare <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", *ours / *bare);
  return text;
}

void print_row(std::ostream& out, const std::vector<std::string>& cells) {
  static const int widths[] = {18, 10, 11, 12, 11, 11, 12};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    char cell[64];
    std::snprintf(cell, sizeof cell, i == 0 ? "%-*s" : "%*s", widths[i], cells[i].c_str());
    out << cell;
  }
  out << '\n';
}

}  // namespace

// Each repetition's time, or with --benchmark_report_aggregates_only only the median the
// library computed over them; either way median_ms() gives the median.
void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.iterations == 0) continue;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type != Run::RT_Iteration && !median) continue;
    const std::string& name = run.run_name.function_name;
    const std::string file = name.substr(0, name.rfind('/'));
    if (std::find(files_.begin(), files_.end(), file) == files_.end()) files_.push_back(file);
    const double ms =
        run.GetAdjustedCPUTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    (median ? median_ms_ : times_ms_)[name].push_back(ms);
  }
}

std::optional<double> RatioReporter::median_ms(const std::string& file,
                                               const std::string& kind) const {
  const std::string name = file + "/" + kind;
  for (const auto* source : {&times_ms_, &median_ms_}) {
    const auto found = source->find(name);
    if (found == source->end()) continue;
    std::vector<double> times = found->second;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }
  return std::nullopt;
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  out << "\nOurs over the bare codec, this run (median CPU time per file; prepare = composite"
         " + stretch to 710x390):\n";
  print_row(out,
            {"file", "bare ms", "decode ms", "decode/bare", "full ms", "prepare ms", "full/bare"});
  for (const std::string& file : files_) {
    const auto bare = median_ms(file, "bare");
    const auto decode = median_ms(file, "decode");
    const auto full = median_ms(file, "decode+prepare");
    // Below its noise a difference can come out negative; shown as it is.
    const auto prepare = full && decode ? std::optional(*full - *decode) : std::nullopt;
    print_row(out, {file, format_ms(bare), format_ms(decode), format_ratio(decode, bare),
                    format_ms(full), format_ms(prepare), format_ratio(full, bare)});
  }
}

}  // namespace bench
