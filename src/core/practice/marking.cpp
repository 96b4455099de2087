#include "core/practice/marking.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <set>

#include "core/engine/read_amount.h"
#include "core/journal/fen.h"
#include "core/journal/journal.h"
#include "core/practice/exercise.h"

namespace varnello {

namespace {

// In one pass into a new string, so that the time stays linear however many there are.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  size_t at = text.find(from);
  if (at == std::string::npos) return;
  std::string replaced;
  replaced.reserve(text.size());
  size_t done = 0;
  for (; at != std::string::npos; at = text.find(from, done)) {
    replaced.append(text, done, at - done);
    replaced += to;
    done = at + from.size();
  }
  replaced.append(text, done);
  text = std::move(replaced);
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Blanks dropped (the ideographic space too), parentheses and dashes half-width, in one pass.
// 交易性金融资产——成本 is the textbook form of 交易性金融资产-成本: a pair of em dashes, blanks
// between them or not, is one dash.
std::string Fold(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  bool loneEmDash = false;  // the last character kept is '-' from one em dash
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
    // Only characters led by E2, E3 or EF (the dashes, the ideographic space, the full-width
    // forms) are changed; every other byte is kept as it is.
    if (unsigned char lead = static_cast<unsigned char>(c); lead != 0xE2 && lead != 0xE3 && lead != 0xEF) {
      folded += c;
      loneEmDash = false;
      continue;
    }
    std::string_view rest = text.substr(i);
    auto at = [&rest](std::string_view s) { return rest.starts_with(s); };
    char kept = c;
    size_t length = 1;
    if (at("\u3000")) {
      i += 2;
      continue;
    } else if (at("（") || at("）")) {
      kept = at("（") ? '(' : ')';
      length = 3;
    } else if (at("—")) {
      i += 2;
      if (loneEmDash) {
        loneEmDash = false;
        continue;
      }
      folded += '-';
      loneEmDash = true;
      continue;
    } else if (at("－") || at("–")) {
      kept = '-';
      length = 3;
    }
    folded += kept;
    loneEmDash = false;
    i += length - 1;
  }
  return folded;
}

struct Marker {
  std::string_view text;
  Side side;
};
constexpr Marker kMarkers[] = {
    {"(借)", Side::Debit}, {"(借方)", Side::Debit}, {"(贷)", Side::Credit}, {"(贷方)", Side::Credit}};

}  // namespace

std::string NormalizeAccount(std::string_view account) {
  std::string folded = Fold(account);
  for (const Marker& m : kMarkers) {
    if (EndsWith(folded, m.text)) {
      folded.resize(folded.size() - m.text.size());
      break;
    }
  }
  return folded;
}

std::optional<Side> ReadSide(std::string_view text) {
  std::string folded = Fold(text);
  if (folded == "借" || folded == "借方") return Side::Debit;
  if (folded == "贷" || folded == "贷方") return Side::Credit;
  for (const Marker& m : kMarkers) {
    if (EndsWith(folded, m.text)) return m.side;
  }
  return std::nullopt;
}

double Cents(double amount) {
  if (std::optional<std::int64_t> fen = WholeFen(amount)) return static_cast<double>(*fen);
  // Beyond 10^16 元 the amount as printed, scaled like the rest so that none meets an amount in
  // range; NaN meets nothing, not even itself.
  std::string shown = FormatAmount(amount);
  double printed = amount;
  std::from_chars(shown.data() + 1, shown.data() + shown.size(), printed);
  return std::copysign(printed, amount) * 100;
}

std::optional<double> ReadCents(std::string_view text) {
  std::string folded = Fold(text);
  ReplaceAll(folded, ",", "");
  ReplaceAll(folded, "，", "");
  if (EndsWith(folded, "元")) folded.resize(folded.size() - std::string_view("元").size());
  if (folded.find_first_of("0123456789") == std::string::npos) return std::nullopt;
  try {
    return Cents(ReadAmount(folded));
  } catch (const Fault&) {
    return std::nullopt;  // beyond the range of a double: no key amount is that large
  }
}

Marking MarkLines(const std::vector<KeyLine>& key, const std::vector<AnswerLine>& answer) {
  struct Wanted {
    std::string account;
    Side side;
    double cents;
    bool taken = false;
  };
  std::vector<Wanted> wanted;
  for (const KeyLine& k : key) wanted.push_back({NormalizeAccount(k.account), k.side, Cents(k.amount)});

  struct Given {
    std::string account;
    std::optional<Side> side;
    std::optional<double> cents;
  };
  std::vector<Given> given;
  for (const AnswerLine& a : answer) {
    std::optional<Side> side = ReadSide(a.side);
    if (!side && Fold(a.side).empty()) side = ReadSide(a.account);
    given.push_back({NormalizeAccount(a.account), side, ReadCents(a.amount)});
  }

  Marking result;
  result.key = key;
  result.rows.assign(answer.size(), Mark::NotInKey);
  result.matched.assign(answer.size(), -1);
  std::vector<bool> marked(answer.size(), false);
  // Closest fits first, so that a wrong line cannot take the key line a right one stands for:
  // account, side and amount; then account and amount (wrong side); account and side (wrong
  // amount); the account alone (wrong side, the amount withheld as well).
  auto pass = [&](Mark mark, bool sameSide, bool sameAmount) {
    for (size_t i = 0; i < given.size(); ++i) {
      if (marked[i]) continue;
      for (size_t k = 0; k < wanted.size(); ++k) {
        Wanted& w = wanted[k];
        if (w.taken || w.account != given[i].account) continue;
        if (sameSide != (given[i].side == w.side)) continue;
        if (sameAmount != (given[i].cents == w.cents)) continue;
        w.taken = true;
        marked[i] = true;
        result.rows[i] = mark;
        result.matched[i] = static_cast<int>(k);
        break;
      }
    }
  };
  pass(Mark::Correct, true, true);
  pass(Mark::WrongSide, false, true);
  pass(Mark::WrongAmount, true, false);
  pass(Mark::WrongSide, false, false);

  size_t counted = 0;
  for (size_t i = 0; i < wanted.size(); ++i) {
    bool optional = wanted[i].cents == 0;
    if (!optional || wanted[i].taken) ++counted;
    if (!optional && !wanted[i].taken) result.missing.push_back(key[i]);
  }
  long long correct = std::count(result.rows.begin(), result.rows.end(), Mark::Correct);
  long long extra = std::count(result.rows.begin(), result.rows.end(), Mark::NotInKey);
  if (counted == 0) {
    result.score = extra == 0 ? 1.0 : 0.0;
  } else {
    result.score = static_cast<double>(std::max(0LL, correct - extra)) / static_cast<double>(counted);
  }
  return result;
}

AnswerKey KeyOf(const TopicDesc& desc, const std::map<int, std::string>& texts) {
  // Only the entries are needed, not the printed lines as strings.
  EntryRecord record;
  AnswerKey key;
  key.fault = PressEntriesInto(desc, FieldTexts(texts), record).fault;
  key.entries = EntriesOf(record);
  for (const Entry& entry : key.entries) {
    for (const EntryRow& row : entry.rows) {
      // An empty holder on a journal line counts as 0.
      if (row.side != Side::None) key.lines.push_back({row.account, row.side, row.amount.value_or(0)});
    }
  }
  return key;
}

Marking MarkAnswer(const TopicDesc& desc, const std::map<int, std::string>& texts,
                   const std::vector<AnswerLine>& answer) {
  AnswerKey key = KeyOf(desc, texts);
  Marking marking = MarkLines(key.lines, answer);
  marking.fault = key.fault;
  return marking;
}

const std::vector<std::string>& KnownAccounts() {
  // Every account a window prints with all of its fields filled: an exercise fills them all, so
  // every group of lines is printed.
  static const std::vector<std::string> accounts = [] {
    std::set<std::string> seen;
    for (const TopicDesc* desc : AllTopics()) {
      for (const Entry& entry : PressEntries(*desc, FieldTexts(MakeExercise(*desc, 0))).entries) {
        for (const EntryRow& row : entry.rows) {
          if (row.side != Side::None) seen.insert(row.account);
        }
      }
    }
    return std::vector<std::string>(seen.begin(), seen.end());
  }();
  return accounts;
}

std::string_view MarkName(Mark mark) {
  switch (mark) {
    case Mark::Correct:
      return "correct";
    case Mark::WrongSide:
      return "wrong_side";
    case Mark::WrongAmount:
      return "wrong_amount";
    case Mark::NotInKey:
      return "not_in_key";
  }
  return "";
}

std::string_view MarkReason(Mark mark) {
  switch (mark) {
    case Mark::Correct:
      return "正确";
    case Mark::WrongSide:
      return "借贷方向错误";
    case Mark::WrongAmount:
      return "金额错误";
    case Mark::NotInKey:
      return "答案中没有这一行";
  }
  return "";
}

std::string_view SideText(Side side) {
  switch (side) {
    case Side::Debit:
      return "借";
    case Side::Credit:
      return "贷";
    case Side::None:
      break;
  }
  return "";
}

}  // namespace varnello
