#include "cli/batch.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/catalogue/catalogue.h"
#include "core/journal/number_text.h"

namespace varnello::cli {

// A window name or keyword to the window name; empty when neither.
std::string_view ResolveWindow(std::string_view what) {
  if (auto w = WindowId::Parse(what)) return w->name();
  if (auto w = DispatchKeyword(what)) return w->name();
  return {};
}

// Checks that the window is a topic window; returns an error text.
std::string CheckRequest(std::string_view window, const std::string& asked, const TopicDesc*& desc) {
  desc = nullptr;
  if (window.empty()) return "unknown window or keyword: " + asked;
  if (auto id = WindowId::Parse(window)) desc = FindTopic(*id);
  if (desc == nullptr) return std::string(window) + " is not a topic window";
  return {};
}

namespace {

// The request's "id" (as JSON text) echoed first in its answer; nothing when it has none.
void AppendId(std::string& out, std::string_view id) {
  if (id.empty()) return;
  out += "\"id\":";
  out += id;
  out += ',';
}

}  // namespace

namespace {

// [{"heading", "rows": [{"account", "side", "amount", "line"}], "debit", "credit", "balanced"}];
// no heading, side or figure: null. A row whose side is inferred adds "side_inferred": true, a
// balance line "balance_line": true. A sum past the largest double is null, and its entry,
// never balanced then, adds "fault": "overflow".
void AppendEntries(std::string& out, const EntryRecord& record) {
  out += '[';
  const std::vector<EntryRecord::EntryAt>& entries = record.entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const EntryRecord::EntryAt& e = entries[i];
    if (i > 0) out += ',';
    out += "{\"heading\":";
    if (e.headingLine == kNoLine) {
      out += "null";
    } else {
      AppendJsonString(out, record.heading(e));
    }
    out += ",\"rows\":[";
    for (size_t j = e.firstRow; j < e.endRow; ++j) {
      const EntryRecord::Row& r = record.rows()[j];
      if (j > e.firstRow) out += ',';
      out += "{\"account\":";
      AppendJsonString(out, record.account(r));
      out += ",\"side\":";
      if (r.side == Side::None) {
        out += "null";
      } else {
        AppendJsonString(out, SideName(r.side));
      }
      out += ",\"amount\":";
      if (const std::optional<double>& amount = record.amount(r)) {
        AppendJsonAmount(out, *amount);
      } else {
        out += "null";
      }
      out += ",\"line\":";
      char line[24];
      out.append(line, std::to_chars(line, line + sizeof line, r.line).ptr);
      if (r.sideInferred) out += ",\"side_inferred\":true";
      if (r.balanceLine) out += ",\"balance_line\":true";
      out += '}';
    }
    EntryBalance balance = record.balance(e);
    out += "],\"debit\":";
    AppendJsonAmount(out, balance.debit);
    out += ",\"credit\":";
    AppendJsonAmount(out, balance.credit);
    out += balance.balanced ? ",\"balanced\":true" : ",\"balanced\":false";
    if (balance.overflowed()) {
      out += ",\"fault\":";
      AppendJsonString(out, FaultName(FaultKind::Overflow));
    }
    out += '}';
  }
  out += ']';
}

}  // namespace

// ,"warnings":[{"field", "text", "read_as"}] for the fields not read whole; nothing when none is.
void AppendWarnings(std::string& out, std::span<const FieldText> texts) {
  std::vector<FieldWarning> warnings = FieldWarnings(texts);
  if (warnings.empty()) return;
  out += ",\"warnings\":[";
  for (size_t i = 0; i < warnings.size(); ++i) {
    if (i > 0) out += ',';
    out += "{\"field\":\"Text";
    char n[24];
    out.append(n, std::to_chars(n, n + sizeof n, warnings[i].n).ptr);
    out += "\",\"text\":";
    AppendJsonString(out, ValidUtf8(warnings[i].text));
    out += ",\"read_as\":";
    AppendJsonAmount(out, warnings[i].reading.value);
    out += '}';
  }
  out += ']';
}

namespace {}  // namespace

// The answer to a press: {"window", "lines", "entries", "fault"}, after the request's "id" if it
// has one; "working" after "lines" when asked for.
void AppendPressAnswer(std::string& out, std::string_view id, std::string_view window,
                       const EntryRecord& record, bool working, std::span<const FieldText> texts) {
  const TextLines& lines = record.lines();
  const std::vector<WorkingLine>& work = record.working();
  out += '{';
  AppendId(out, id);
  out += "\"window\":";
  AppendJsonString(out, window);
  out += ",\"lines\":[";
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += ',';
    AppendJsonString(out, lines[i]);
  }
  out += ']';
  if (working) {
    out += ",\"working\":[";
    size_t next = 0;  // the next amount line's working
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) out += ',';
      while (next < work.size() && work[next].line < i) ++next;
      if (next < work.size() && work[next].line == i) {
        out += "{\"text\":";
        AppendJsonString(out, work[next].text);
        out += ",\"expr\":";
        AppendJsonString(out, work[next].expr);
        out += '}';
      } else {
        out += "null";
      }
    }
    out += ']';
  }
  out += ",\"entries\":";
  AppendEntries(out, record);
  out += ",\"fault\":";
  if (record.fault()) {
    AppendJsonString(out, FaultName(*record.fault()));
  } else {
    out += "null";
  }
  AppendWarnings(out, texts);
  out += '}';
}

void AppendErrorAnswer(std::string& out, std::string_view id, std::string_view error) {
  out += '{';
  AppendId(out, id);
  out += "\"error\":";
  AppendJsonString(out, error);
  out += '}';
}

namespace {
constexpr std::string_view kBatchKeys[] = {"id", "window", "fields", "explain"};
}  // namespace

BatchAnswerer::BatchAnswerer() : reader_(kBatchKeys) {}

void BatchAnswerer::answer(std::string_view line, std::string& out) {
  if (std::string_view error = press(line, out); !error.empty()) AppendErrorAnswer(out, reader_.id(), error);
  out += '\n';
}

void BatchAnswerer::answerTooLong(std::string& out) {
  AppendErrorAnswer(out, {}, "request longer than 1 MiB");
  out += '\n';
}

std::string_view BatchAnswerer::press(std::string_view line, std::string& out) {
  if (std::string_view error = reader_.read(line); !error.empty()) return error;
  simdjson::dom::object request = reader_.request();
  simdjson::dom::element explain;
  const TopicDesc* desc = nullptr;
  if (std::string_view error = reader_.topic(desc, texts_); !error.empty()) return error;
  // "explain": true asks for the working as well; any other value is a plain press.
  bool working = false;
  if (request["explain"].get(explain) == simdjson::SUCCESS && explain.get(working) != simdjson::SUCCESS) {
    working = false;
  }
  record_.clear();
  PressInto(*desc, texts_, record_, working);
  AppendPressAnswer(out, reader_.id(), desc->id.name(), record_, working, texts_);
  return {};
}

}  // namespace varnello::cli
