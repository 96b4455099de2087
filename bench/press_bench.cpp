// Micro-benchmarks: one press of the largest windows from field texts to printed lines, and the
// amount reader and formatter.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "core/engine/read_amount.h"
#include "core/engine/topic.h"
#include "core/journal/journal.h"

namespace varnello {
namespace {

void PressWithFigures(benchmark::State& state, WindowId window) {
  const TopicDesc* desc = FindTopic(window);
  // Every field holds an ordinary figure, so every group of the window prints.
  std::map<int, std::string> texts;
  const char* figures[] = {"12000", "0.13", "3500.5", "0.06", "800", "25", "1.5", "0.1"};
  int i = 0;
  for (const Item* f : FieldsOf(*desc)) texts[f->field] = figures[i++ % 8];
  for (auto _ : state) benchmark::DoNotOptimize(PressFresh(*desc, texts));
}
BENCHMARK_CAPTURE(PressWithFigures, Form101, "Form101");
BENCHMARK_CAPTURE(PressWithFigures, Form16, "Form16");
BENCHMARK_CAPTURE(PressWithFigures, Form98, "Form98");

void FormatAmounts(benchmark::State& state) {
  double values[] = {1500, -20.5, 2.0 / 3.0, 1e15, 123456.789, 0.00001234};
  for (auto _ : state) {
    for (double v : values) benchmark::DoNotOptimize(FormatAmount(v));
  }
}
BENCHMARK(FormatAmounts);

void ReadAmounts(benchmark::State& state) {
  const char* texts[] = {"1500", " 2 5 ", "-.5", "1e3", "１２３．５", "1,500", "&HFF", "abc"};
  for (auto _ : state) {
    for (const char* t : texts) benchmark::DoNotOptimize(ReadAmount(t));
  }
}
BENCHMARK(ReadAmounts);

}  // namespace
}  // namespace varnello

BENCHMARK_MAIN();
