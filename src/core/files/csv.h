// CSV as RFC 4180 has it: fields quoted when they hold a comma, quote or line break, rows ended
// by CRLF; read back with quoted line breaks, LF or CRLF endings.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace varnello {

// Appends one row and its CRLF.
void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields);
void AppendCsvRow(std::string& out, const std::vector<std::string>& fields);

// One record of a CSV text: its fields, and the line of the text it begins on (1 for the first).
struct CsvRecord {
  std::vector<std::string> fields;
  std::size_t line = 0;
};
// Reads every record. A quote left open, or a quote inside an unquoted field or after a closing
// one, sets `error` ("第 3 行：引号没有闭合"); the records before it are returned.
std::vector<CsvRecord> ReadCsv(std::string_view text, std::string& error);

}  // namespace varnello
