// One keystroke's suggestions: matching a query against all keywords by characters and pinyin,
// beside the floor of keyword dispatch itself (one exact comparison with every keyword).
#include <benchmark/benchmark.h>

#include <iterator>

#include "core/catalogue/catalogue.h"
#include "core/search/keyword_index.h"

namespace varnello {
namespace {

// Queries as typed: pinyin initials, full pinyin with a blank, characters, a long exact keyword.
const char* const kQueries[] = {"g", "gz", "mai gu", "chushougudingzichan", "股票", "购买原材料（完整）"};

void FindKeywordsPerKeystroke(benchmark::State& state) {
  KeywordIndex();  // built once, on the first keystroke
  for (auto _ : state) {
    for (const char* q : kQueries) benchmark::DoNotOptimize(FindKeywords(q));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(kQueries)));
}
BENCHMARK(FindKeywordsPerKeystroke);

void DispatchKeywordFloor(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* q : kQueries) benchmark::DoNotOptimize(DispatchKeyword(q));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(kQueries)));
}
BENCHMARK(DispatchKeywordFloor);

}  // namespace
}  // namespace varnello

BENCHMARK_MAIN();
