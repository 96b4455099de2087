// Micro-benchmarks: presses from field texts to printed lines (the largest windows, and every
// window per printed amount against the floor of std::to_chars at 15 significant digits), the
// amount reader and formatter, and the JSON floor of a batch request.
#include <benchmark/benchmark.h>

#include <charconv>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/read_amount.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/journal/journal.h"

namespace varnello {
namespace {

// Every field holds an ordinary figure, so every group of the window prints.
std::map<int, std::string> Figures(const TopicDesc& desc) {
  std::map<int, std::string> texts;
  const char* figures[] = {"12000", "0.13", "3500.5", "0.06", "800", "25", "1.5", "0.1"};
  int i = 0;
  for (const Item* f : FieldsOf(desc)) texts[f->field] = figures[i++ % 8];
  return texts;
}

// One press of the window with ordinary figures in every field; `explain` also records the
// working and renders it as text, as --explain and the GUI do.
void PressWindow(benchmark::State& state, WindowId window, bool explain) {
  const TopicDesc* desc = FindTopic(window);
  std::map<int, std::string> texts = Figures(*desc);
  for (auto _ : state) benchmark::DoNotOptimize(PressOnce(*desc, FieldTexts(texts), explain));
}
void PressWithFigures(benchmark::State& state, WindowId window) {
  PressWindow(state, window, false);
}
void PressWithWorking(benchmark::State& state, WindowId window) {
  PressWindow(state, window, true);
}
BENCHMARK_CAPTURE(PressWithFigures, Form101, "Form101");
BENCHMARK_CAPTURE(PressWithFigures, Form16, "Form16");
BENCHMARK_CAPTURE(PressWithFigures, Form98, "Form98");
BENCHMARK_CAPTURE(PressWithWorking, Form101, "Form101");
BENCHMARK_CAPTURE(PressWithWorking, Form16, "Form16");
BENCHMARK_CAPTURE(PressWithWorking, Form98, "Form98");

struct Workload {
  std::vector<std::map<int, std::string>> texts;
  std::vector<std::pair<const TopicDesc*, std::vector<FieldText>>> presses;  // as batch requests give them
  std::vector<double> amounts;                                               // everything those presses print
};

const Workload& EveryWindow() {
  static const Workload w = [] {
    Workload w;
    w.texts.reserve(AllTopics().size());
    for (const TopicDesc* desc : AllTopics()) {
      const std::map<int, std::string>& texts = w.texts.emplace_back(Figures(*desc));
      w.presses.emplace_back(desc, FieldTexts(texts));
      EntryRecord record = PressOnce(*desc, w.presses.back().second);
      for (const EntryRecord::Line& line : record.parts()) {
        if (line.amount) w.amounts.push_back(*line.amount);
      }
    }
    return w;
  }();
  return w;
}

// One press of every topic window; reported per printed amount.
void PressPerAmount(benchmark::State& state) {
  const Workload& w = EveryWindow();
  for (auto _ : state) {
    for (const auto& [desc, texts] : w.presses) benchmark::DoNotOptimize(PressOnce(*desc, texts));
  }
  state.counters["amounts"] = static_cast<double>(w.amounts.size());
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(w.amounts.size()));
}
BENCHMARK(PressPerAmount);

// The floor: std::to_chars of the same amounts at 15 significant digits, and nothing else.
void ToCharsFloor(benchmark::State& state) {
  const Workload& w = EveryWindow();
  char buf[40];
  for (auto _ : state) {
    for (double v : w.amounts) {
      auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
      benchmark::DoNotOptimize(r.ptr);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(w.amounts.size()));
}
BENCHMARK(ToCharsFloor);

// The JSON floor of varnello-cli batch: parsing the requests of the batch benchmark (the file
// named by VARNELLO_REQUESTS) and writing their answers, without the presses.
void BatchJsonFloor(benchmark::State& state) {
  const char* file = std::getenv("VARNELLO_REQUESTS");
  std::ifstream in(file != nullptr ? file : "");
  std::vector<std::string> requests;
  for (std::string line; std::getline(in, line) && requests.size() < 20000;) requests.push_back(line);
  if (requests.empty()) {
    state.SkipWithError("VARNELLO_REQUESTS names no request file");
    return;
  }
  std::vector<simdjson::padded_string> padded(requests.begin(), requests.end());
  std::map<int, std::string> figures = Figures(*FindTopic("Form16"));
  EntryRecord record = PressOnce(*FindTopic("Form16"), FieldTexts(figures));
  simdjson::dom::parser parser;
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (const simdjson::padded_string& r : padded) {
      simdjson::dom::object request;
      if (parser.parse(r).get(request) != simdjson::SUCCESS) state.SkipWithError("bad request");
      size_t fields = 0;
      for (auto member : request) fields += member.key.size();
      benchmark::DoNotOptimize(fields);
      cli::AppendPressAnswer(out, {}, "Form16", record);
      out += '\n';
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(padded.size()));
}
BENCHMARK(BatchJsonFloor);

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
