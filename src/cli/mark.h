// The answering of mark request lines: a student's journal lines marked against a window's key.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cli/request.h"
#include "core/practice/marking.h"

namespace varnello::cli {

// Answers mark request lines, one answer line each, the requests read by a RequestReader.
class MarkAnswerer {
 public:
  MarkAnswerer();
  // `line` must be followed by simdjson::SIMDJSON_PADDING readable bytes.
  void answer(std::string_view line, std::string& out);
  void answerTooLong(std::string& out);

 private:
  // Marks and appends the answer; or returns the error text.
  std::string_view mark(std::string_view line, std::string& out);

  RequestReader reader_;
  std::vector<FieldText> texts_;
  std::map<int, std::string> fields_;
  std::vector<AnswerLine> answer_;
};

}  // namespace varnello::cli
