#include "core/files/csv.h"

namespace varnello {

namespace {

std::string RowError(size_t line, std::string_view reason) {
  return "第 " + std::to_string(line) + " 行：" + std::string(reason);
}

// A CSV field, quoted when it holds a comma, quote or line break (RFC 4180).
void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

template <typename Fields>
void AppendRow(std::string& out, const Fields& fields) {
  bool first = true;
  for (std::string_view f : fields) {
    if (!first) out += ',';
    first = false;
    AppendCsvField(out, f);
  }
  out += "\r\n";
}

}  // namespace

void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields) {
  AppendRow(out, fields);
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& fields) {
  AppendRow(out, fields);
}

std::vector<CsvRecord> ReadCsv(std::string_view text, std::string& error) {
  std::vector<CsvRecord> records;
  size_t line = 1;
  size_t i = 0;
  while (i < text.size()) {
    CsvRecord& record = records.emplace_back();
    record.line = line;
    for (;;) {
      std::string field;
      if (i < text.size() && text[i] == '"') {
        size_t opened = line;
        ++i;
        for (;;) {
          if (i >= text.size()) {
            error = RowError(opened, "引号没有闭合");
            return records;
          }
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          if (text[i] == '\n') ++line;
          field += text[i++];
        }
        if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
          error = RowError(line, "引号后面应是逗号或换行");
          return records;
        }
      } else {
        while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
          if (text[i] == '"') {
            error = RowError(line, "引号只能包住整个字段");
            return records;
          }
          field += text[i++];
        }
      }
      record.fields.push_back(std::move(field));
      if (i < text.size() && text[i] == ',') {
        ++i;
        continue;
      }
      if (i < text.size() && text[i] == '\r') ++i;
      if (i < text.size() && text[i] == '\n') ++i;
      ++line;
      break;
    }
  }
  return records;
}

}  // namespace varnello
