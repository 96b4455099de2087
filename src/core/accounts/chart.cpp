#include "core/accounts/chart.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/accounts/names.h"
#include "core/files/csv.h"

namespace varnello {

namespace {

// Separators of the levels of a user's full account name.
constexpr std::string_view kLevelSeparators[] = {"-", "_", "/", "\\", "－", "—"};

bool IsDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The caption with the spaces around a "-" taken out ("应交税费 - 应交增值税" is one account).
std::string Tight(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ' ') {
      std::size_t j = s.find_first_not_of(' ', i);
      bool nearDash = (j != std::string_view::npos && s[j] == '-') || (!out.empty() && out.back() == '-');
      if (nearDash) continue;
    }
    out += s[i];
  }
  return out;
}

// Where a parenthesised tail begins ("（面值）" or "(面值)"), or npos.
std::size_t ParenTail(std::string_view s) {
  constexpr std::string_view kOpen = "（", kClose = "）";
  if (s.ends_with(kClose)) {
    std::size_t open = s.rfind(kOpen);
    return open == std::string_view::npos || open == 0 ? std::string_view::npos : open;
  }
  if (s.ends_with(")")) {
    std::size_t open = s.rfind('(');
    return open == std::string_view::npos || open == 0 ? std::string_view::npos : open;
  }
  return std::string_view::npos;
}

std::string_view ParenInner(std::string_view tail) {
  std::size_t open = tail.starts_with("（") ? std::string_view("（").size() : 1;
  std::size_t close = tail.ends_with("）") ? std::string_view("）").size() : 1;
  return tail.substr(open, tail.size() - open - close);
}

// The last level of a user's full name.
std::string_view OwnName(std::string_view name) {
  std::size_t cut = 0;
  for (std::string_view sep : kLevelSeparators) {
    std::size_t at = name.rfind(sep);
    if (at != std::string_view::npos) cut = std::max(cut, at + sep.size());
  }
  return name.substr(cut);
}

// Longest code a user's chart may give: codes of accounting software run to a few levels of
// two to four digits; a longer "code" is not one (and sub-account lookups stay short).
constexpr std::size_t kLongestCode = 32;
// Longest name: what a spreadsheet cell holds (32,767 characters), so that every output that
// shows the name (import CSV, workbook, voucher) shows it whole.
constexpr std::size_t kLongestName = 32767;

// A user's cell as a message quotes it: without control characters, and its first 40
// characters only.
std::string Shown(std::string_view cell) {
  std::size_t at = 0;
  for (std::size_t chars = 0; at < cell.size(); ++at) {
    if ((static_cast<unsigned char>(cell[at]) & 0xC0) != 0x80 && chars++ == 40) break;
  }
  return WithoutControls(cell.substr(0, at)) + (at < cell.size() ? "…" : "");
}

std::size_t Utf8Length(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace

const Chart& Chart::Standard() {
  static const Chart chart = [] {
    Chart c;
    for (const AccountRow& row : AccountRows()) {
      if (!(row.editions & kChart2006)) continue;
      c.names_.emplace(row.code, row.name);
      c.byName_.emplace(row.name, row.code);
    }
    return c;
  }();
  return chart;
}

std::optional<Chart> Chart::WithUserCsv(std::string_view csv, std::string* error) {
  Chart chart = Standard();
  auto fail = [error](std::size_t line, const std::string& reason) {
    if (error != nullptr) *error = (line == 0 ? "" : "第 " + std::to_string(line) + " 行：") + reason;
    return std::nullopt;
  };
  CsvReader reader(csv);
  CsvRecord record;
  bool first = true;
  std::map<std::string, std::string> user;
  while (reader.Next(record)) {
    std::vector<std::string>& cells = record.fields;
    std::string code(Trim(cells[0]));
    std::string name(cells.size() > 1 ? Trim(cells[1]) : std::string_view());
    if (code.empty() && name.empty()) continue;
    // A header row names its columns (科目编码, 科目代码 …) instead of giving a code.
    bool header = first && !IsDigits(code);
    first = false;
    if (header) continue;
    if (!IsDigits(code)) return fail(record.line, "科目编码“" + Shown(code) + "”不是数字");
    if (name.empty()) return fail(record.line, "缺少科目名称");
    if (code.size() > kLongestCode)
      return fail(record.line, "科目编码超过 " + std::to_string(kLongestCode) + " 位");
    if (HasControls(name)) return fail(record.line, "科目名称含有控制字符（如 NUL、换行、制表符）");
    if (Utf8Length(name) > kLongestName)
      return fail(record.line, "科目名称超过 " + std::to_string(kLongestName) + " 个字符");
    user[code] = name;
  }
  if (!reader.error().empty()) return fail(0, reader.error());
  if (user.empty()) return fail(0, "科目表里没有科目行（每行应是 科目编码,科目名称）");
  // The user's name replaces the standard one; the standard name still leads to the code.
  for (const auto& [code, name] : user) chart.names_[code] = std::string(OwnName(name));
  // First-level accounts are those no other account of the chart is a prefix of: the user's
  // own first-level names lead to their codes before the standard names do.
  for (const auto& [code, name] : chart.names_) {
    bool top = true;
    for (std::size_t n = 1; n < code.size() && top; ++n) top = !chart.names_.contains(code.substr(0, n));
    if (top && user.contains(code)) chart.byName_[name] = code;
  }
  return chart;
}

std::optional<std::string> Chart::FirstLevel(std::string_view name) const {
  if (auto it = byName_.find(name); it != byName_.end()) return it->second;
  return std::nullopt;
}

std::optional<AccountCode> Chart::Find(std::string_view printed) const {
  std::string account = Tight(Trim(printed));
  // Of two alternatives printed as one caption ("库存现金/银行存款"), the first.
  if (std::size_t slash = account.find('/'); slash != std::string::npos) account.resize(slash);
  // The first level: the text before the first "-", or before a parenthesised tail.
  std::size_t dash = account.find('-');
  std::string_view head = std::string_view(account).substr(0, dash);
  std::string_view rest =
      dash == std::string::npos ? std::string_view() : std::string_view(account).substr(dash + 1);
  std::string detail(rest);
  std::optional<std::string> code;
  std::string_view prefix;
  auto resolve = [&](std::string_view name) {
    if ((code = FirstLevel(name))) return true;
    std::optional<NameMeaning> meaning = MeaningOf(name);
    if (!meaning) return false;
    code = FirstLevel(meaning->account);
    prefix = meaning->detail;
    return code.has_value();
  };
  if (!resolve(head)) {
    std::size_t paren = ParenTail(head);
    if (paren == std::string_view::npos || !resolve(head.substr(0, paren))) return std::nullopt;
    std::string_view tail = head.substr(paren);
    // Under an alias's detail the parenthesised part stays as printed (应交增值税（进）).
    std::string inner = prefix.empty() ? std::string(ParenInner(tail)) : std::string(tail);
    detail = rest.empty() ? inner : inner + "-" + std::string(rest);
  }
  if (!prefix.empty()) {
    bool joined = !detail.empty() && (detail.starts_with("（") || detail.starts_with("("));
    detail = std::string(prefix) + (detail.empty() || joined ? "" : "-") + detail;
  }
  AccountCode found;
  found.generalCode = *code;
  found.general = names_.at(*code);
  found.detail = detail;
  found.code = *code;
  found.name = found.general;
  // The user's sub-accounts: each level of the detail that names a child of the account reached
  // so far goes one level down (codes extend their parent's code).
  std::string_view left = found.detail;
  while (!left.empty()) {
    std::size_t cut = left.find('-');
    std::string_view level = left.substr(0, cut);
    std::string child;
    for (auto it = names_.upper_bound(found.code); it != names_.end() && it->first.starts_with(found.code);
         ++it) {
      if (it->second == level) {
        child = it->first;
        break;
      }
    }
    if (child.empty()) break;
    found.code = child;
    found.name += "-" + std::string(level);
    left = cut == std::string_view::npos ? std::string_view() : left.substr(cut + 1);
  }
  if (!left.empty()) found.name += "-" + std::string(left);
  return found;
}

}  // namespace varnello
