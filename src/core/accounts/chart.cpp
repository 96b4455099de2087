#include "core/accounts/chart.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/accounts/names.h"

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

// Splits one CSV record from `text` at `pos` into cells; false at the end of the text.
bool CsvRecord(std::string_view text, std::size_t& pos, std::vector<std::string>& cells) {
  cells.clear();
  if (pos >= text.size()) return false;
  std::string cell;
  bool quoted = false;
  while (pos < text.size()) {
    char c = text[pos++];
    if (quoted) {
      if (c == '"' && pos < text.size() && text[pos] == '"') {
        cell += '"';
        ++pos;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      cells.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\n') {
      break;
    } else {
      cell += c;
    }
  }
  cells.push_back(std::move(cell));
  return true;
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
  if (csv.starts_with("\xEF\xBB\xBF")) csv.remove_prefix(3);
  std::size_t pos = 0;
  std::vector<std::string> cells;
  int line = 0;
  std::map<std::string, std::string> user;
  while (CsvRecord(csv, pos, cells)) {
    ++line;
    std::string code(Trim(cells[0]));
    std::string name(cells.size() > 1 ? Trim(cells[1]) : std::string_view());
    if (code.empty() && name.empty()) continue;
    // A header row names its columns (科目编码, 科目代码 …) instead of giving a code.
    if (line == 1 && !IsDigits(code)) continue;
    if (!IsDigits(code) || name.empty()) {
      if (error != nullptr) {
        *error = "第 " + std::to_string(line) + " 行：" +
                 (IsDigits(code) ? std::string("缺少科目名称") : "科目编码“" + code + "”不是数字");
      }
      return std::nullopt;
    }
    user[code] = name;
  }
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
