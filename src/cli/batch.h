// The command line's answers: the JSON answer lines of press --json and batch, and the answering
// of batch request lines.
#pragma once

#include <simdjson.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/request.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/json/json_text.h"

namespace varnello::cli {

// The answer to a press: {"window", "lines", "entries", "fault"}, after `id` (JSON text) when not
// empty. With `working` also "working" after "lines": parallel to the lines, for an amount line
// {"text", "expr"}, else null. Then "warnings" for the fields of `texts` not read whole.
void AppendPressAnswer(std::string& out, std::string_view id, std::string_view window,
                       const EntryRecord& record, bool working = false,
                       std::span<const FieldText> texts = {});
// ,"warnings":[{"field": "Text3", "text": "1,00", "read_as": 1}] for the fields of `texts` not
// read whole (each field's last text, by field number); nothing when every one is.
void AppendWarnings(std::string& out, std::span<const FieldText> texts);
void AppendErrorAnswer(std::string& out, std::string_view id, std::string_view error);

// Answers batch request lines, one answer line each, the requests read by a RequestReader.
// Keeps its scratch space from one request to the next.
class BatchAnswerer {
 public:
  BatchAnswerer();
  // `line` must be followed by simdjson::SIMDJSON_PADDING readable bytes.
  void answer(std::string_view line, std::string& out);
  // The answer to a line longer than kMaxRequest.
  void answerTooLong(std::string& out);

 private:
  // Presses and appends the answer; or returns the error text.
  std::string_view press(std::string_view line, std::string& out);

  RequestReader reader_;
  std::vector<FieldText> texts_;
  EntryRecord record_;
};

}  // namespace varnello::cli
