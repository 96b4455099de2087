// Worked cases as plain text: tests/cases/<subject>/FormN.case holds the cases of window FormN,
// each the texts typed into its fields and what one press of 确定 prints. The core test and the
// GUI sweep both read them. A file reads:
//
//   # A comment.
//   case 10 a share, 1000 shares          starts a case; the rest of the line is its title
//   Text1 = 10                            a field's text: all after "=", blanks around it left out
//   Text3 = 1000                          (fields not named stay empty)
//   |短期持有股票|                         a printed line, exactly what stands between the bars
//   |交易性金融资产-成本（借） 10000 |
//       = 每股价格 10 × 股数 1000           the working of the line above, as --explain shows it
//   ||                                    a blank line
//   fault overflow                        the press ends with this fault (or division_by_zero)
//
// A case without printed lines prints nothing. A case that gives the working of one line gives
// it for every amount line, and is checked with its working; the others are checked by their
// lines alone. Blank lines between cases are only for the eye.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/topic.h"

namespace varnello::testing {

struct WorkedCase {
  std::string file;  // path of the .case file
  int line = 0;      // where its "case" line stands
  std::string title;
  std::string window;  // the file's name: FormN
  std::map<int, std::string> fields;
  std::vector<std::string> lines;
  // The working under each printed line, by line index (the formula, then its steps).
  std::map<size_t, std::vector<std::string>> working;
  std::optional<std::string> fault;  // "overflow", "division_by_zero"

  // "tests/cases/sales/Form16.case:12 (title)", for a failure report.
  std::string where() const {
    return file + ":" + std::to_string(line) + (title.empty() ? "" : " (" + title + ")");
  }
};

inline std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The cases of one file; a line the format does not know is reported in `errors` as file:line.
inline std::vector<WorkedCase> ReadCaseFile(const std::filesystem::path& path,
                                            std::vector<std::string>& errors) {
  std::vector<WorkedCase> cases;
  std::ifstream in(path);
  std::string text;
  int number = 0;
  auto error = [&](const std::string& what) {
    errors.push_back(path.string() + ":" + std::to_string(number) + ": " + what);
  };
  while (std::getline(in, text)) {
    ++number;
    std::string_view raw = text;
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    std::string_view line = Trimmed(raw);
    if (line.empty() || line.starts_with('#')) continue;
    if (line == "case" || line.starts_with("case ")) {
      WorkedCase c;
      c.file = path.string();
      c.line = number;
      c.title = std::string(Trimmed(line.substr(4)));
      c.window = path.stem().string();
      cases.push_back(std::move(c));
      continue;
    }
    if (cases.empty()) {
      error("text before the first case");
      continue;
    }
    WorkedCase& c = cases.back();
    if (c.fault) {
      error("nothing may follow the fault of a case");
    } else if (line.starts_with('|')) {
      if (line.size() < 2 || !line.ends_with('|')) {
        error("a printed line stands between two bars");
        continue;
      }
      c.lines.emplace_back(line.substr(1, line.size() - 2));
    } else if (raw.starts_with(' ') || raw.starts_with('\t')) {
      if (c.lines.empty()) {
        error("working before any printed line");
        continue;
      }
      c.working[c.lines.size() - 1].emplace_back(line);
    } else if (line.starts_with("fault ")) {
      c.fault = std::string(Trimmed(line.substr(6)));
    } else if (line.starts_with("Text") && line.find('=') != std::string_view::npos) {
      size_t eq = line.find('=');
      std::string_view name = Trimmed(line.substr(0, eq));
      int n = FieldNumber(name);
      if (n == 0) {
        error("not a field name: " + std::string(name));
        continue;
      }
      if (!c.lines.empty()) error("fields come before the printed lines");
      if (!c.fields.emplace(n, std::string(Trimmed(line.substr(eq + 1)))).second) error("field given twice");
    } else {
      error("not a case line: " + std::string(line));
    }
  }
  return cases;
}

// Every case under `root`, files in name order.
inline std::vector<WorkedCase> ReadAllCases(const std::filesystem::path& root,
                                            std::vector<std::string>& errors) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().extension() == ".case") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<WorkedCase> all;
  for (const auto& f : files) {
    std::vector<WorkedCase> cases = ReadCaseFile(f, errors);
    all.insert(all.end(), std::make_move_iterator(cases.begin()), std::make_move_iterator(cases.end()));
  }
  return all;
}

}  // namespace varnello::testing
