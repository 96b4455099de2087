#include "core/files/csv.h"

#if __has_include(<iconv.h>)
#include <iconv.h>
#define VARNELLO_HAVE_ICONV 1
#endif

#include <algorithm>
#include <cerrno>

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

bool IsControl(char c) {
  auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;
}

// The position of the first byte that does not belong to well-formed UTF-8 (no overlong forms,
// no surrogates, nothing beyond U+10FFFF), or npos.
size_t InvalidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      n = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      return i;
    }
    for (size_t k = 1; k <= n; ++k) {
      if (i + k >= text.size()) return i;
      auto c = static_cast<unsigned char>(text[i + k]);
      if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) return i;
    }
    i += n + 1;
  }
  return std::string_view::npos;
}

// The line (from 1) that the byte at `pos` stands on; LF, CRLF and CR each end a line.
size_t LineAt(std::string_view text, size_t pos) {
  size_t line = 1;
  for (size_t i = 0; i < pos && i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  }
  return line;
}

// GB18030 (of which GBK and GB2312 are parts) converted to UTF-8; false, with the position of the
// first byte that does not convert, when the text is not such.
bool FromGbk(std::string_view text, std::string& out, size_t& bad) {
#ifdef VARNELLO_HAVE_ICONV
  iconv_t cd = ::iconv_open("UTF-8", "GB18030");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    bad = 0;
    return false;
  }
  out.assign(text.size() * 3 / 2 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  size_t done = 0;
  bool ok = true;
  while (inLeft > 0) {
    char* dst = out.data() + done;
    size_t outLeft = out.size() - done;
    size_t r = ::iconv(cd, &in, &inLeft, &dst, &outLeft);
    done = out.size() - outLeft;
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    ok = false;
    bad = text.size() - inLeft;
    break;
  }
  ::iconv_close(cd);
  out.resize(done);
  return ok;
#else
  (void)text;
  (void)out;
  bad = 0;
  return false;
#endif
}

}  // namespace

void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields) {
  AppendRow(out, fields);
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& fields) {
  AppendRow(out, fields);
}

std::string SheetText(std::string_view text) {
  if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
    return "'" + std::string(text);
  return std::string(text);
}

std::string WithoutControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (!IsControl(c)) out += c;
  }
  return out;
}

bool HasControls(std::string_view text) {
  for (char c : text) {
    if (IsControl(c)) return true;
  }
  return false;
}

CsvReader::CsvReader(std::string_view bytes) : text_(bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    error_ = "文件是 UTF-16 编码，请另存为 UTF-8 或 GBK 编码的 CSV";
    return;
  }
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  bool marked = bytes.starts_with(kBom);
  if (marked) text_.remove_prefix(kBom.size());
  size_t bad = InvalidUtf8(text_);
  if (bad == std::string_view::npos) return;
  if (marked) {
    error_ = RowError(LineAt(text_, bad), "文件标明是 UTF-8 编码，这里却不是 UTF-8 文字");
    return;
  }
  // Not UTF-8: the default CSV of a spreadsheet program set to Chinese is GBK.
  size_t badGbk = 0;
  if (FromGbk(text_, converted_, badGbk)) {
    text_ = converted_;
    encoding_ = "GBK";
    return;
  }
  converted_.clear();
  converted_.shrink_to_fit();
  error_ = RowError(LineAt(text_, std::max(bad, badGbk)),
                    "既不是 UTF-8 也不是 GBK 编码的文字，请另存为 UTF-8 编码的 CSV");
}

bool CsvReader::Next(CsvRecord& record) {
  record.fields.clear();
  if (!error_.empty() || pos_ >= text_.size()) return false;
  record.line = line_;
  std::string_view t = text_;
  size_t& i = pos_;
  auto lineEnd = [&t](size_t at) { return t[at] == '\n' || t[at] == '\r'; };
  // Steps over one line end (LF, CRLF or CR) at i.
  auto skipLineEnd = [&] {
    if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
    ++i;
    ++line_;
  };
  for (;;) {
    std::string& field = record.fields.emplace_back();
    if (i < t.size() && t[i] == '"') {
      size_t opened = line_;
      ++i;
      for (;;) {
        size_t stop = t.find_first_of("\"\r\n", i);
        if (stop == std::string_view::npos) {
          error_ = RowError(opened, "引号没有闭合");
          return false;
        }
        field.append(t.substr(i, stop - i));
        i = stop;
        if (t[i] == '"') {
          if (i + 1 < t.size() && t[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        // A line break inside the quotes is part of the field, as written.
        size_t from = i;
        skipLineEnd();
        field.append(t.substr(from, i - from));
      }
      if (i < t.size() && t[i] != ',' && !lineEnd(i)) {
        error_ = RowError(line_, "引号后面应是逗号或换行");
        return false;
      }
    } else {
      size_t stop = t.find_first_of(",\r\n\"", i);
      if (stop == std::string_view::npos) stop = t.size();
      if (stop < t.size() && t[stop] == '"') {
        error_ = RowError(line_, "引号只能包住整个字段");
        return false;
      }
      field.append(t.substr(i, stop - i));
      i = stop;
    }
    if (i < t.size() && t[i] == ',') {
      ++i;
      continue;
    }
    if (i < t.size()) {
      skipLineEnd();
    } else {
      ++line_;
    }
    return true;
  }
}

std::vector<CsvRecord> ReadCsv(std::string_view text, std::string& error) {
  std::vector<CsvRecord> records;
  CsvReader reader(text);
  CsvRecord record;
  while (reader.Next(record)) records.push_back(std::move(record));
  error = reader.error();
  return records;
}

}  // namespace varnello
