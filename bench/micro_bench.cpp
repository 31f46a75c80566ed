// Micro benchmarks of the hot pieces: the two comparisons, the eight sort
// orders, the filter scans and the import tokenizer, on generated records.
#include <benchmark/benchmark.h>

#include <string>

#include "ops/import_format.h"
#include "ops/result_menu.h"
#include "ops/sort.h"
#include "record/compare.h"
#include "record/range.h"
#include "record_generator.h"

namespace {

RecordList Records(int64_t n) {
  RecordList list;
  ParseImportFile(ImportRecords(static_cast<uint64_t>(n), 1), list);
  return list;
}

// One comparison of two fields of generated records, over and over.
template <bool (*Compare)(std::string_view, std::string_view)>
void BM_Compare(benchmark::State& state, TextField field) {
  const RecordList list = Records(4096);
  size_t i = 0;
  for (auto _ : state) {
    const device& a = list[i % list.size()];
    const device& b = list[(i * 7 + 1) % list.size()];
    benchmark::DoNotOptimize(Compare(a.text(field), b.text(field)));
    ++i;
  }
}
void BM_CmpStr(benchmark::State& state) { BM_Compare<CmpStr>(state, kPrice); }
BENCHMARK(BM_CmpStr);

void BM_CmpTme(benchmark::State& state) { BM_Compare<CmpTme>(state, kTime); }
BENCHMARK(BM_CmpTme);

void BM_Sort(benchmark::State& state) {
  const RecordList list = Records(state.range(1));
  const int order = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    RecordList copy = list;
    state.ResumeTiming();
    sort(copy.begin(), copy.end(), order);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(1));
}
BENCHMARK(BM_Sort)
    ->ArgsProduct({{1, 2, 3, 4, 5, 6, 7, 8}, {1000, 10000, 100000, 1000000}})
    ->Unit(benchmark::kMillisecond);

// One filter scan over a list sorted by price, as after the whole-program
// benchmark's sorts: quantity, time or price in the ranges it uses.
void BM_Filter(benchmark::State& state) {
  RecordList list = Records(state.range(1));
  sort(list.begin(), list.end(), 8);
  const NumericRange quantities("100", "2000");
  const DateRange times("2000.1.1", "2030.12.31");
  const NumericRange prices("1000", "50000");
  for (auto _ : state) {
    Selection selected;
    switch (state.range(0)) {
      case 1:
        selected = SelectRecords(list, [&](const device& d) {
          return quantities.Contains(d.quantity());
        });
        break;
      case 2:
        selected = SelectRecords(
            list, [&](const device& d) { return times.Contains(d.time()); });
        break;
      default:
        selected = SelectRecords(
            list, [&](const device& d) { return prices.Contains(d.price()); });
    }
    benchmark::DoNotOptimize(selected.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(1));
}
BENCHMARK(BM_Filter)
    ->ArgsProduct({{1, 2, 3}, {1000, 10000, 100000, 1000000}})
    ->Unit(benchmark::kMillisecond);

void BM_ParseImportFile(benchmark::State& state) {
  const std::string text =
      ImportRecords(static_cast<uint64_t>(state.range(0)), 1);
  for (auto _ : state) {
    RecordList list;
    ParseImportFile(text, list);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseImportFile)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
