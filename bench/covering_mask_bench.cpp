// ns per call of CalculateSubnetMask on a fixed mixed set of address pairs,
// against a minimal reference that parses two dotted quads with from_chars and
// takes the mask from countl_zero of their XOR. Prints the ratio of the two,
// and beside them RangeBlocks for the longest answer, 62 blocks.
#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mask/covering_mask.h"
#include "mask/range_blocks.h"

namespace {

// Short and long prefixes, blanks and leading zeros, equal addresses.
const std::array<std::pair<std::string_view, std::string_view>, 8> kPairs{{
    {"10.0.0.1", "10.0.3.5"},
    {"192.168.1.0", "192.168.1.255"},
    {"172.16.0.0", "172.31.255.255"},
    {"0.0.0.0", "255.255.255.255"},
    {"192.168.1.128", "192.168.1.129"},
    {"8.8.8.8", "8.8.8.8"},
    {" 10.0 .0.1", "010.0.0.200"},
    {"100.64.0.0", "100.127.255.255"},
}};

void BM_CalculateSubnetMask(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [from, to] = kPairs[i++ % kPairs.size()];
    auto mask = morvana::CalculateSubnetMask(to, from);
    benchmark::DoNotOptimize(mask);
  }
}
BENCHMARK(BM_CalculateSubnetMask);

std::uint32_t ParseQuad(std::string_view text) {
  std::uint32_t address = 0;
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i < 4; ++i) {
    while (p < end && *p == ' ') ++p;
    std::uint32_t octet = 0;
    p = std::from_chars(p, end, octet).ptr;
    while (p < end && *p == ' ') ++p;
    address = address << 8 | octet;
    if (p < end) ++p;  // the '.'
  }
  return address;
}

std::string MaskText(std::uint32_t mask) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (shift != 24) text += '.';
    text += std::to_string(mask >> shift & 0xFF);
  }
  return text;
}

void BM_MinimalReference(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [from, to] = kPairs[i++ % kPairs.size()];
    const int prefix = std::countl_zero(ParseQuad(from) ^ ParseQuad(to));
    auto mask = MaskText(prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix));
    benchmark::DoNotOptimize(mask);
  }
}
BENCHMARK(BM_MinimalReference);

// 0.0.0.1 to 255.255.255.254: the most blocks any range takes.
void BM_RangeBlocks62(benchmark::State& state) {
  for (auto _ : state) {
    auto blocks = morvana::RangeBlocks(1, 0xFFFFFFFE);
    benchmark::DoNotOptimize(blocks);
  }
}
BENCHMARK(BM_RangeBlocks62);

// Keeps each benchmark's ns per iteration to print the ratio at the end: of a
// single run, or with --benchmark_repetitions the median, which one busy
// moment on a shared machine does not move.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool figure =
          run.run_type == Run::RT_Iteration ? run.repetitions <= 1 : run.aggregate_name == "median";
      if (figure) ns_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  [[nodiscard]] double Ns(const std::string& name) const {
    const auto found = ns_.find(name);
    return found == ns_.end() ? 0.0 : found->second;
  }

 private:
  std::map<std::string, double> ns_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = reporter.Ns("BM_CalculateSubnetMask");
  const double reference = reporter.Ns("BM_MinimalReference");
  if (ours > 0 && reference > 0) {
    std::printf("CalculateSubnetMask %.1f ns/call, minimal reference %.1f ns/call, ratio %.2fx\n", ours,
                reference, ours / reference);
  }
  if (const double blocks = reporter.Ns("BM_RangeBlocks62"); blocks > 0) {
    std::printf("RangeBlocks, 62 blocks: %.1f ns/call, %.2fx CalculateSubnetMask\n", blocks,
                ours > 0 ? blocks / ours : 0.0);
  }
  benchmark::Shutdown();
  return 0;
}
