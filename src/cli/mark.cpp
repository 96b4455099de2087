#include "cli/mark.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "cli/batch.h"
#include "core/journal/journal.h"
#include "core/journal/number_text.h"

namespace varnello::cli {

namespace {

// "seed" is what exercise gives with the figures, so that its line can be marked as it is.
constexpr std::string_view kMarkKeys[] = {"id",     "window", "fields", "answer", "seed",    "entry",
                                          "detail", "unit",   "reveal", "format", "question"};
constexpr std::string_view kAnswerLineKeys[] = {"account", "side", "amount", "entry"};

void AppendKeyLine(std::string& out, const KeyLine& line, bool withAmount,
                   const std::string* reason = nullptr) {
  out += "{\"account\":";
  AppendJsonString(out, line.account);
  out += ",\"side\":";
  AppendJsonString(out, SideText(line.side));
  if (withAmount) {
    // The amount as printed, without the sign position's blank and the trailing blank.
    out += ",\"amount\":";
    AppendJsonString(out, PlainAmount(line.amount));
  }
  if (reason) {
    out += ",\"reason\":";
    AppendJsonString(out, *reason);
  }
  out += '}';
}

void AppendMissing(std::string& out, const Marking& marking) {
  out += '[';
  for (size_t i = 0; i < marking.missing.size(); ++i) {
    if (i > 0) out += ',';
    AppendKeyLine(out, marking.missing[i], false, &marking.missingReasons[i]);
  }
  out += ']';
}

void AppendIndex(std::string& out, size_t index) {
  char buf[24];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, index).ptr);
}

// An entry named by its index, or as exercise names it ({"index", "heading"}), so that an
// exercise's answer can be sent back as it came. Nothing when it names none of `count` entries.
std::optional<size_t> EntryIndex(simdjson::dom::element given, size_t count) {
  simdjson::dom::object object;
  if (given.get(object) == simdjson::SUCCESS && object["index"].get(given) != simdjson::SUCCESS) {
    return std::nullopt;
  }
  uint64_t index = 0;
  if (given.get(index) != simdjson::SUCCESS || index >= count) return std::nullopt;
  return static_cast<size_t>(index);
}

// One of the words an option takes, into `chosen`: false when the value is none of them.
bool ReadChoice(simdjson::dom::object request, std::string_view key, std::string_view yes,
                std::string_view no, bool& chosen) {
  simdjson::dom::element value;
  if (request[key].get(value) != simdjson::SUCCESS) return true;
  std::string_view text;
  if (value.get(text) != simdjson::SUCCESS || (text != yes && text != no)) return false;
  chosen = text == yes;
  return true;
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
      part.assign(buf, WriteShortest(buf, double(value)));
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
  simdjson::dom::element answer;
  const TopicDesc* desc = nullptr;
  if (std::string_view error = reader_.topic(desc, texts_); !error.empty()) return error;
  fields_.clear();
  for (const FieldText& f : texts_) fields_[f.n] = f.text;
  simdjson::dom::array lines;
  if (request["answer"].get(answer) != simdjson::SUCCESS || answer.get(lines) != simdjson::SUCCESS) {
    return "request has no \"answer\" array";
  }
  MarkOptions options;
  // The exam's answer rules first; "detail" and "unit" given beside them say otherwise.
  if (simdjson::dom::element format; request["format"].get(format) == simdjson::SUCCESS) {
    std::string_view name;
    if (format.get(name) != simdjson::SUCCESS || !ApplyExamFormat(name, options))
      return "\"format\" must be \"初级\" or \"中级\"";
  }
  if (!ReadChoice(request, "detail", "required", "optional", options.detailRequired)) {
    return "\"detail\" must be \"required\" or \"optional\"";
  }
  if (!ReadChoice(request, "unit", "wan", "yuan", options.inWan))
    return "\"unit\" must be \"yuan\" or \"wan\"";
  if (simdjson::dom::element reveal; request["reveal"].get(reveal) == simdjson::SUCCESS) {
    if (reveal.get(options.reveal) != simdjson::SUCCESS) return "\"reveal\" must be true or false";
  }
  // An entry named as exercise names it is an object like any other of the request: a key
  // repeated in it is refused, not read as its first value.
  auto repeatedInEntry = [this](simdjson::dom::element given) -> std::optional<std::string_view> {
    simdjson::dom::object object;
    if (given.get(object) != simdjson::SUCCESS) return std::nullopt;
    return reader_.repeatedKey(object);
  };
  AnswerKey key = KeyOf(*desc, fields_);
  std::optional<size_t> entry;
  if (simdjson::dom::element given; request["entry"].get(given) == simdjson::SUCCESS) {
    if (auto twice = repeatedInEntry(given))
      return reader_.error("repeated key \"" + std::string(*twice) + "\"");
    entry = EntryIndex(given, key.entries.size());
    if (!entry) return "\"entry\" must be the index of one of the window's entries";
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
    if (simdjson::dom::element given; line["entry"].get(given) == simdjson::SUCCESS) {
      if (auto twice = repeatedInEntry(given))
        return reader_.error("repeated key \"" + std::string(*twice) + "\"");
      a.entry = EntryIndex(given, key.entries.size());
      if (!a.entry) return "an answer line's \"entry\" must be the index of one of the window's entries";
    }
  }
  AnswerMarking m = MarkAnswer(key, answer_, options, entry);
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
    AppendJsonReal(out, m.score);
  }
  out += ",\"rows\":[";
  for (size_t i = 0; i < m.rows.size(); ++i) {
    out += i > 0 ? ",{\"mark\":" : "{\"mark\":";
    AppendJsonString(out, MarkName(m.rows[i]));
    out += ",\"reason\":";
    AppendJsonString(out, m.reasons[i]);
    if (m.entryOf[i]) {
      out += ",\"entry\":";
      AppendIndex(out, *m.entryOf[i]);
    }
    out += '}';
  }
  out += "],\"missing\":";
  AppendMissing(out, m);
  out += ",\"entries\":[";
  for (size_t i = 0; i < m.entries.size(); ++i) {
    const EntryMarking& e = m.entries[i];
    out += i > 0 ? ",{\"index\":" : "{\"index\":";
    AppendIndex(out, e.index);
    out += ",\"heading\":";
    AppendJsonString(out, e.heading);
    out += ",\"score\":";
    AppendJsonReal(out, e.marking.score);
    out += ",\"rows\":[";
    for (size_t j = 0; j < e.lines.size(); ++j) {
      out += j > 0 ? ",{\"line\":" : "{\"line\":";
      AppendIndex(out, e.lines[j]);
      out += ",\"mark\":";
      AppendJsonString(out, MarkName(e.marking.rows[j]));
      out += ",\"reason\":";
      AppendJsonString(out, e.marking.reasons[j]);
      out += '}';
    }
    out += "],\"missing\":";
    AppendMissing(out, e.marking);
    out += '}';
  }
  // The key of the entry asked for, else of the whole press.
  out += "],\"key\":[";
  const std::vector<KeyLine>& keyLines = entry ? key.entryLines[*entry] : m.key;
  for (size_t i = 0; i < keyLines.size(); ++i) {
    if (i > 0) out += ',';
    AppendKeyLine(out, keyLines[i], true);
  }
  out += ']';
  if (entry) {
    out += ",\"entry\":{\"index\":";
    AppendIndex(out, *entry);
    out += ",\"heading\":";
    AppendJsonString(out, key.entries[*entry].heading);
    out += '}';
  }
  if (m.fault) {
    out += ",\"fault\":";
    AppendJsonString(out, FaultName(*m.fault));
  }
  AppendWarnings(out, texts_);
  out += '}';
  return {};
}

}  // namespace varnello::cli
