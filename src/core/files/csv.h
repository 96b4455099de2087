// CSV as RFC 4180 has it: fields quoted when they hold a comma, quote or line break, rows ended
// by CRLF; read back with quoted line breaks and LF, CRLF or CR line ends, from UTF-8 (with or
// without a byte-order mark) or GBK text. Every input file in CSV is read here.
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

// Free text for a cell of a CSV file a spreadsheet program opens: text beginning with =, +, -,
// @, a tab or a carriage return gets a leading apostrophe, which such programs show as text and
// do not run as a formula.
std::string SheetText(std::string_view text);

// Text without control characters (U+0000 to U+001F and U+007F), for reports whose cells came
// from a person's file: a NUL or an escape sequence never reaches a report.
std::string WithoutControls(std::string_view text);
// Whether the text holds a control character (a tab among them).
bool HasControls(std::string_view text);

// One record of a CSV text: its fields, and the line of the text it begins on (1 for the first).
struct CsvRecord {
  std::vector<std::string> fields;
  std::size_t line = 0;
};

// Reads a CSV file record by record, in time linear in its size and keeping only the record at
// hand (and, for a GBK file, the file converted to UTF-8). The file's encoding is found first:
// UTF-8 (a byte-order mark is dropped), or GBK (GB18030), which is converted; UTF-16, or bytes
// that are neither, are refused with the line of the first such byte.
class CsvReader {
 public:
  // `bytes` must outlive the reader.
  explicit CsvReader(std::string_view bytes);
  // The next record; false at the end of the text or at a fault (then error() says which, with
  // its line: "第 3 行：引号没有闭合").
  bool Next(CsvRecord& record);
  const std::string& error() const { return error_; }
  // The encoding the file was read in: "UTF-8" or "GBK".
  std::string_view encoding() const { return encoding_; }

 private:
  std::string converted_;
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
  std::string error_;
  std::string_view encoding_ = "UTF-8";
};

// Reads every record. A quote left open, or a quote inside an unquoted field or after a closing
// one, sets `error` ("第 3 行：引号没有闭合"), as does an encoding that is neither UTF-8 nor
// GBK; the records before it are returned.
std::vector<CsvRecord> ReadCsv(std::string_view text, std::string& error);

}  // namespace varnello
