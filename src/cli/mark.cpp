#include "cli/mark.h"

#include <algorithm>
#include <charconv>

#include "cli/batch.h"
#include "core/journal/journal.h"

namespace varnello::cli {

namespace {

// "seed" is what exercise gives with the figures, so that its line can be marked as it is.
constexpr std::string_view kMarkKeys[] = {"id", "window", "fields", "answer", "seed"};
constexpr std::string_view kAnswerLineKeys[] = {"account", "side", "amount"};

// A number as JSON writers commonly give it: the shortest digits that read back the same, with
// ".0" after a whole number so that it reads as a real (1.0, 0.5).
void AppendReal(std::string& out, double value) {
  char buf[32];
  char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  out.append(buf, end);
  if (std::find_if(buf, end, [](char c) { return c == '.' || c == 'e' || c == 'n'; }) == end) out += ".0";
}

void AppendKeyLine(std::string& out, const KeyLine& line, bool withAmount) {
  out += "{\"account\":";
  AppendJsonString(out, line.account);
  out += ",\"side\":";
  AppendJsonString(out, SideText(line.side));
  if (withAmount) {
    // The amount as printed, without the sign position's blank and the trailing blank.
    std::string amount = FormatAmount(line.amount);
    out += ",\"amount\":";
    AppendJsonString(
        out, std::string_view(amount).substr(amount[0] == ' ', amount.size() - 1 - (amount[0] == ' ')));
  }
  out += '}';
}

// A part of an answer line: left out or null (empty), a string, or a number (as its digits).
bool ReadPart(simdjson::dom::object line, std::string_view key, std::string& part) {
  part.clear();
  simdjson::dom::element value;
  if (line[key].get(value) != simdjson::SUCCESS || value.is_null()) return true;
  char buf[32];
  switch (value.type()) {
    case simdjson::dom::element_type::STRING:
      part = std::string_view(value);
      return true;
    case simdjson::dom::element_type::INT64:
      part.assign(buf, std::to_chars(buf, buf + sizeof buf, int64_t(value)).ptr);
      return true;
    case simdjson::dom::element_type::UINT64:
      part.assign(buf, std::to_chars(buf, buf + sizeof buf, uint64_t(value)).ptr);
      return true;
    case simdjson::dom::element_type::DOUBLE:
      part.assign(buf, std::to_chars(buf, buf + sizeof buf, double(value)).ptr);
      return true;
    default:
      return false;
  }
}

}  // namespace

MarkAnswerer::MarkAnswerer() : reader_(kMarkKeys) {}

void MarkAnswerer::answer(std::string_view line, std::string& out) {
  if (std::string_view error = mark(line, out); !error.empty()) AppendErrorAnswer(out, reader_.id(), error);
  out += '\n';
}

void MarkAnswerer::answerTooLong(std::string& out) {
  AppendErrorAnswer(out, {}, "request longer than 1 MiB");
  out += '\n';
}

std::string_view MarkAnswerer::mark(std::string_view line, std::string& out) {
  if (std::string_view error = reader_.read(line); !error.empty()) return error;
  simdjson::dom::object request = reader_.request();
  simdjson::dom::element window, answer;
  std::string_view asked;
  if (request["window"].get(window) != simdjson::SUCCESS || window.get(asked) != simdjson::SUCCESS) {
    return "request has no \"window\" string";
  }
  const TopicDesc* desc = nullptr;
  if (std::string e = CheckRequest(ResolveWindow(asked), std::string(asked), desc); !e.empty()) {
    return reader_.error(e);
  }
  if (std::string_view error = reader_.fields(*desc, texts_); !error.empty()) return error;
  fields_.clear();
  for (const FieldText& f : texts_) fields_[f.n] = f.text;
  simdjson::dom::array lines;
  if (request["answer"].get(answer) != simdjson::SUCCESS || answer.get(lines) != simdjson::SUCCESS) {
    return "request has no \"answer\" array";
  }
  answer_.clear();
  for (simdjson::dom::element element : lines) {
    simdjson::dom::object line;
    if (element.get(line) != simdjson::SUCCESS) return "an answer line must be an object";
    if (auto key = reader_.repeatedKey(line))
      return reader_.error("repeated key \"" + std::string(*key) + "\"");
    for (simdjson::dom::key_value_pair member : line) {
      if (std::find(std::begin(kAnswerLineKeys), std::end(kAnswerLineKeys), member.key) ==
          std::end(kAnswerLineKeys)) {
        return reader_.error("unknown key \"" + std::string(member.key) + "\" in an answer line");
      }
    }
    AnswerLine& a = answer_.emplace_back();
    if (!ReadPart(line, "account", a.account) || !ReadPart(line, "side", a.side) ||
        !ReadPart(line, "amount", a.amount)) {
      return "answer parts must be strings or numbers";
    }
  }
  Marking m = MarkAnswer(*desc, fields_, answer_);
  out += '{';
  if (!reader_.id().empty()) {
    out += "\"id\":";
    out += reader_.id();
    out += ',';
  }
  out += "\"window\":";
  AppendJsonString(out, desc->id.name());
  // A press that faults has no whole key to be marked against: no score then.
  if (!m.fault) {
    out += ",\"score\":";
    AppendReal(out, m.score);
  }
  out += ",\"rows\":[";
  for (size_t i = 0; i < m.rows.size(); ++i) {
    out += i > 0 ? ",{\"mark\":" : "{\"mark\":";
    AppendJsonString(out, MarkName(m.rows[i]));
    out += '}';
  }
  out += "],\"missing\":[";
  for (size_t i = 0; i < m.missing.size(); ++i) {
    if (i > 0) out += ',';
    AppendKeyLine(out, m.missing[i], false);
  }
  out += "],\"key\":[";
  for (size_t i = 0; i < m.key.size(); ++i) {
    if (i > 0) out += ',';
    AppendKeyLine(out, m.key[i], true);
  }
  out += ']';
  if (m.fault) {
    out += ",\"fault\":";
    AppendJsonString(out, FaultName(*m.fault));
  }
  AppendWarnings(out, FieldTexts(fields_));
  out += '}';
  return {};
}

}  // namespace varnello::cli
