#include "core/practice/marking.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/accounts/names.h"
#include "core/catalogue/catalogue.h"
#include "core/journal/journal.h"
#include "core/practice/exercise.h"
#include "core/practice/text_edits.h"

namespace varnello {

namespace {

// One form of an account by its levels: 应交税费 / 应交增值税 / 进项税额.
using Levels = std::vector<std::string>;
// The forms an account may be written in: one, or each account of a caption "A/B".
using Forms = std::vector<Levels>;

// Separators between the levels of an account as students write them, each made "-".
constexpr std::string_view kSeparators[] = {"——", "—", "－", "–", "：", ":", "\u3000", " ", "\t", "\r", "\n"};

std::string Folded(std::string_view account) {
  std::string text(account);
  ReplaceAll(text, "（", "(");
  ReplaceAll(text, "）", ")");
  ReplaceAll(text, "／", "/");
  for (std::string_view s : kSeparators) ReplaceAll(text, s, "-");
  return text;
}

void TrimDashes(std::string& text) {
  while (StripEnd(text, "-")) {
  }
  size_t start = text.find_first_not_of('-');
  text.erase(0, start == std::string::npos ? text.size() : start);
}

// The folded account without a side marker at its end; the marker's side, if there was one.
std::optional<Side> TakeMarker(std::string& folded) {
  TrimDashes(folded);
  CaptionSide marker = FindSide(folded);
  if (marker.side == Side::None) return std::nullopt;
  folded.resize(marker.account);
  TrimDashes(folded);
  return marker.side;
}

// Adds a level as the table of account names has it: a first level by the account it stands for
// (应交税金 → 应交税费, 应交增值税 → 应交税费-应交增值税), a detail by its written form under the level
// above (进 → 进项税额).
void AddLevel(Levels& levels, std::string level) {
  if (level.empty()) return;
  std::string_view to;
  if (levels.empty()) {
    if (std::optional<NameMeaning> meaning = MeaningOf(level)) {
      levels.emplace_back(meaning->account);
      to = meaning->detail;
    } else {
      levels.push_back(std::move(level));
    }
  } else {
    std::string_view parent = levels.back();
    auto forms = DetailForms();
    auto form = std::find_if(forms.begin(), forms.end(),
                             [&](const DetailForm& f) { return f.parent == parent && f.from == level; });
    if (form == forms.end()) {
      levels.push_back(std::move(level));
    } else {
      to = form->to;
    }
  }
  for (size_t start = 0; !to.empty();) {
    size_t dash = to.find('-', start);
    levels.emplace_back(to.substr(start, dash - start));
    if (dash == std::string_view::npos) return;
    start = dash + 1;
  }
}

Forms FormsOf(std::string_view account) {
  std::string folded = Folded(account);
  TakeMarker(folded);
  Forms forms;
  for (size_t start = 0;;) {
    size_t slash = folded.find('/', start);
    std::string_view form = std::string_view(folded).substr(start, slash - start);
    Levels levels;
    std::string level;
    for (char c : form) {
      if (c == '-' || c == '(' || c == ')') {
        AddLevel(levels, std::move(level));
        level.clear();
      } else {
        level += c;
      }
    }
    AddLevel(levels, std::move(level));
    if (!levels.empty()) forms.push_back(std::move(levels));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return forms;
}

bool PrefixOf(const Levels& a, const Levels& b) {
  return a.size() <= b.size() && std::equal(a.begin(), a.end(), b.begin());
}

enum class Fit { None, FirstLevel, Account };

// How well a student's account fits a key account: the same account (with the detail accounts when
// they are required; else one may stop short of the other), or only the same first level.
Fit FitOf(const Forms& given, const Forms& key, bool detailRequired) {
  Fit best = Fit::None;
  for (const Levels& g : given) {
    for (const Levels& k : key) {
      if (g.front() != k.front()) continue;
      if (g == k || (!detailRequired && (PrefixOf(g, k) || PrefixOf(k, g)))) return Fit::Account;
      best = Fit::FirstLevel;
    }
  }
  return best;
}

Side Other(Side side) {
  return side == Side::Debit ? Side::Credit : Side::Debit;
}

std::string SideWord(Side side) {
  return std::string(SideText(side)) + "方";
}

// Whether key amounts are taken in 万元 to two decimals: 0.01 万元 is 100 元, 10000 分.
bool ToHundreds(const MarkOptions& options) {
  return options.inWan && options.wanTwoDecimals;
}

// A key amount (in 分, not negative) as the student must write it, still in 分: rounded half up to
// 0.01 万元 when amounts are taken so.
double Written(double cents, const MarkOptions& options) {
  return ToHundreds(options) ? std::floor(cents / 10000 + 0.5) * 10000 : cents;
}

// A key amount in the unit the student writes.
std::string UnitAmount(double cents, const MarkOptions& options) {
  return PlainAmount(options.inWan ? Written(cents, options) / 1000000 : cents / 100);
}

}  // namespace

bool ApplyExamFormat(std::string_view format, MarkOptions& options) {
  if (format == "初级") {
    options.detailRequired = true;
    options.inWan = false;
    options.wanTwoDecimals = false;
    return true;
  }
  // 中级 answers give the first-level accounts and amounts in 万元 with two decimals.
  if (format == "中级") {
    options.detailRequired = false;
    options.inWan = true;
    options.wanTwoDecimals = true;
    return true;
  }
  return false;
}

std::string NormalizeAccount(std::string_view account) {
  std::string text;
  for (const Levels& form : FormsOf(account)) {
    if (!text.empty()) text += '/';
    for (size_t i = 0; i < form.size(); ++i) text += (i == 0 ? "" : "-") + form[i];
  }
  return text;
}

std::optional<Side> ReadSide(std::string_view text) {
  std::string folded = Folded(text);
  std::optional<Side> marker = TakeMarker(folded);
  if (folded == "借" || folded == "借方") return Side::Debit;
  if (folded == "贷" || folded == "贷方") return Side::Credit;
  // The English names, as batch's JSON writes the sides and as bookkeeping abbreviates them.
  std::string word;
  for (char c : folded) word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  StripEnd(word, ".");
  if (word == "dr" || word == "debit") return Side::Debit;
  if (word == "cr" || word == "credit") return Side::Credit;
  return marker;
}

Marking MarkLines(const std::vector<KeyLine>& key, const std::vector<AnswerLine>& answer,
                  const MarkOptions& options) {
  // A negative amount is the same line with its side turned: both key and answer are compared so.
  struct Wanted {
    Forms forms;
    Side side;
    double cents;
    bool taken = false;
    bool answered = false;
  };
  std::vector<Wanted> wanted;
  for (const KeyLine& k : key) {
    double cents = Cents(k.amount);
    wanted.push_back({FormsOf(k.account), cents < 0 ? Other(k.side) : k.side, std::fabs(cents)});
  }

  struct Given {
    Forms forms;
    std::optional<Side> side;
    std::optional<double> cents;
  };
  std::vector<Given> given;
  double debit = 0, credit = 0;
  for (const AnswerLine& a : answer) {
    std::optional<Side> side = ReadSide(a.side);
    std::string sideText = Folded(a.side);
    TrimDashes(sideText);
    if (!side && sideText.empty()) side = ReadSide(a.account);
    std::optional<double> cents = ReadCents(a.amount, options.inWan ? 10000 : 1);
    if (side && cents && *cents < 0) {
      side = Other(*side);
      *cents = -*cents;
    }
    if (side && cents) (*side == Side::Debit ? debit : credit) += *cents;
    given.push_back({FormsOf(a.account), side, cents});
  }
  // Rounding each amount to the 分 is what a student must do: within one 分 of the key when the
  // student's entry balances, else to the 分. In 万元 to two decimals the same with 0.01 万元 in
  // place of the 分, or to the 分 as in 元.
  bool balanced = !answer.empty() && debit == credit;
  auto sumFits = [&](double cents, const Wanted& w) {
    if (std::fabs(cents - w.cents) <= (balanced ? 1.0 : 0.0)) return true;
    return ToHundreds(options) && std::fabs(cents - Written(w.cents, options)) <= (balanced ? 10000.0 : 0.0);
  };
  auto amountFits = [&](const Given& g, const Wanted& w) { return g.cents && sumFits(*g.cents, w); };

  Marking result;
  result.key = key;
  result.rows.assign(answer.size(), Mark::NotInKey);
  result.matched.assign(answer.size(), -1);
  result.reasons.assign(answer.size(), std::string());
  std::vector<bool> marked(answer.size(), false);
  auto take = [&](size_t i, size_t k, Mark mark) {
    marked[i] = true;
    result.rows[i] = mark;
    result.matched[i] = static_cast<int>(k);
    wanted[k].taken = true;
    if (mark == Mark::Correct) wanted[k].answered = true;
  };
  auto accountFits = [&](size_t i, size_t k) {
    return FitOf(given[i].forms, wanted[k].forms, options.detailRequired) == Fit::Account;
  };
  // Closest fits first, so that a wrong line cannot take the key line a right one stands for:
  // account, side and amount; then account and amount (wrong side); account and side (wrong
  // amount); the account alone (wrong side, the amount withheld as well).
  auto pass = [&](Mark mark, bool sameSide, bool sameAmount) {
    for (size_t i = 0; i < given.size(); ++i) {
      for (size_t k = 0; k < wanted.size() && !marked[i]; ++k) {
        if (wanted[k].taken || !accountFits(i, k)) continue;
        if (sameSide != (given[i].side == wanted[k].side)) continue;
        if (sameAmount != amountFits(given[i], wanted[k])) continue;
        take(i, k, mark);
      }
    }
  };
  pass(Mark::Correct, true, true);
  // A key line answered by several lines of its account and side that add up to it.
  for (size_t k = 0; k < wanted.size(); ++k) {
    if (wanted[k].taken) continue;
    std::vector<size_t> parts;
    double sum = 0;
    for (size_t i = 0; i < given.size(); ++i) {
      if (marked[i] || !accountFits(i, k) || given[i].side != wanted[k].side || !given[i].cents) continue;
      parts.push_back(i);
      sum += *given[i].cents;
    }
    if (parts.size() < 2 || !sumFits(sum, wanted[k])) continue;
    for (size_t i : parts) take(i, k, Mark::Correct);
  }
  pass(Mark::WrongSide, false, true);
  pass(Mark::WrongAmount, true, false);
  pass(Mark::WrongSide, false, false);
  // A line the closest passes left stands for the key line left over that it most plausibly
  // answers: of the same side and amount first, then of the same amount, then of the same side
  // (as far as `least`). `fits` says which key lines it may stand for at all.
  enum class Like { SideAndAmount, Amount, Side, Any };
  auto pair = [&](Mark mark, Like least, auto fits) {
    for (Like like : {Like::SideAndAmount, Like::Amount, Like::Side, Like::Any}) {
      if (like > least) break;
      for (size_t i = 0; i < given.size(); ++i) {
        for (size_t k = 0; k < wanted.size() && !marked[i]; ++k) {
          if (wanted[k].taken || !fits(i, k)) continue;
          bool side = given[i].side == wanted[k].side, amount = amountFits(given[i], wanted[k]);
          bool alike = like == Like::Any || (like == Like::SideAndAmount && side && amount) ||
                       (like == Like::Amount && amount) || (like == Like::Side && side);
          if (alike) take(i, k, mark);
        }
      }
    }
  };
  // The right first-level account with the wrong detail: one error, whatever else is wrong.
  pair(Mark::WrongDetail, Like::Any,
       [&](size_t i, size_t k) { return FitOf(given[i].forms, wanted[k].forms, true) == Fit::FirstLevel; });
  // An account the entry does not have, written with the amount of a key line no line of its
  // account answers: one error, not a line too many and one missing. A line whose amount is wrong
  // too, or whose account is in the entry (written twice), stays a line too many; a key line of
  // zero is never taken so.
  std::vector<bool> inEntry(given.size(), false);
  for (size_t i = 0; i < given.size(); ++i) {
    for (size_t k = 0; k < wanted.size(); ++k)
      inEntry[i] = inEntry[i] || FitOf(given[i].forms, wanted[k].forms, true) != Fit::None;
  }
  pair(Mark::WrongAccount, Like::Amount,
       [&](size_t i, size_t k) { return !inEntry[i] && Written(wanted[k].cents, options) != 0; });

  for (size_t i = 0; i < given.size(); ++i) {
    std::string& reason = result.reasons[i];
    if (result.matched[i] < 0) {
      bool inEntry = false;
      for (size_t k = 0; k < wanted.size(); ++k) inEntry = inEntry || accountFits(i, k);
      reason = inEntry ? "多余的一行：本分录的这一科目已经写过" : "本分录没有这一科目";
      continue;
    }
    size_t k = static_cast<size_t>(result.matched[i]);
    const std::string& account = key[k].account;
    reason = MarkReason(result.rows[i]);
    switch (result.rows[i]) {
      case Mark::Correct:
      case Mark::NotInKey:
        break;
      case Mark::WrongSide:
        reason =
            (given[i].side ? "方向错误：" : "没有写借贷方向：") + account + "应记" + SideWord(wanted[k].side);
        break;
      case Mark::WrongAmount:
        if (!given[i].cents) {
          reason += "：没有读出金额";
        } else if (options.reveal) {
          reason += "：应为 " + UnitAmount(wanted[k].cents, options);
        }
        break;
      case Mark::WrongDetail:
        reason += "：应为 " + account;
        break;
      case Mark::WrongAccount:
        reason += "：应为 " + account;
        if (given[i].side != wanted[k].side) reason += "；方向错误：应记" + SideWord(wanted[k].side);
        break;
    }
  }

  size_t counted = 0, answered = 0;
  for (size_t k = 0; k < wanted.size(); ++k) {
    bool optional = Written(wanted[k].cents, options) == 0;
    if (!optional || wanted[k].taken) ++counted;
    if (wanted[k].answered) ++answered;
    if (optional || wanted[k].taken) continue;
    KeyLine line{key[k].account, wanted[k].side, key[k].amount < 0 ? -key[k].amount : key[k].amount};
    std::string reason = "少了一行：" + line.account + " " + std::string(SideText(line.side));
    if (options.reveal) reason += " " + UnitAmount(wanted[k].cents, options);
    result.missing.push_back(std::move(line));
    result.missingReasons.push_back(std::move(reason));
  }
  long long extra = std::count(result.rows.begin(), result.rows.end(), Mark::NotInKey);
  if (counted == 0) {
    result.score = extra == 0 ? 1.0 : 0.0;
  } else {
    result.score = static_cast<double>(std::max(0LL, static_cast<long long>(answered) - extra)) /
                   static_cast<double>(counted);
  }
  return result;
}

AnswerKey KeyOf(const EntryRecord& record) {
  AnswerKey key;
  key.fault = record.fault();
  key.entries = EntriesOf(record);
  for (size_t e = 0; e < key.entries.size(); ++e) {
    std::vector<KeyLine>& lines = key.entryLines.emplace_back();
    bool question = false;
    for (const EntryRow& row : key.entries[e].rows) {
      // A balance line states a balance: no entry to write.
      if (row.side == Side::None || row.balanceLine) continue;
      // An empty holder on a journal line counts as 0.
      lines.push_back({row.account, row.side, row.amount.value_or(0)});
      question = question || Cents(lines.back().amount) != 0;
      key.lines.push_back(lines.back());
    }
    if (question) key.questions.push_back(e);
  }
  return key;
}

AnswerKey KeyOf(const TopicDesc& desc, const std::map<int, std::string>& texts) {
  return KeyOf(PressOnce(desc, FieldTexts(texts)));
}

namespace {

// The entry each answer line answers when the student did not say: the lines are read in order
// as the student wrote the entries, one after another (see MarkAnswer).
std::vector<std::optional<size_t>> PlaceLines(const AnswerKey& key, const std::vector<AnswerLine>& answer,
                                              const MarkOptions& options) {
  std::vector<std::optional<size_t>> placed(answer.size());
  // Every entry with a line a student may write, zero lines too.
  std::vector<size_t> entries;
  for (size_t e = 0; e < key.entryLines.size(); ++e) {
    if (!key.entryLines[e].empty()) entries.push_back(e);
  }
  if (entries.empty()) return placed;
  size_t current = 0;  // among entries
  // The key lines of entry q whose account is the student's: written alike (`same`), or one that
  // fits it; on the given side if any.
  auto count = [&](size_t q, const Forms& forms, const std::string& normal, bool same,
                   std::optional<Side> side) {
    size_t n = 0;
    for (const KeyLine& k : key.entryLines[entries[q]]) {
      if (side && (k.amount < 0 ? Other(k.side) : k.side) != *side) continue;
      if (same ? NormalizeAccount(k.account) == normal
               : FitOf(forms, FormsOf(k.account), options.detailRequired) == Fit::Account)
        ++n;
    }
    return n;
  };
  auto later = [&](const Forms& forms, const std::string& normal, bool same,
                   std::optional<Side> side) -> std::optional<size_t> {
    for (size_t q = current + 1; q < entries.size(); ++q) {
      if (count(q, forms, normal, same, side) > 0) return q;
    }
    return std::nullopt;
  };
  std::vector<std::string> written;  // the accounts written in the current entry
  for (size_t i = 0; i < answer.size(); ++i) {
    if (answer[i].entry) {
      placed[i] = answer[i].entry;
      continue;
    }
    Forms forms = FormsOf(answer[i].account);
    std::optional<Side> side = ReadSide(answer[i].side);
    if (!side) side = ReadSide(answer[i].account);
    // A negative amount stands on the other side, as the key's negative lines are counted.
    if (std::optional<double> cents = ReadCents(answer[i].amount); side && cents && *cents < 0)
      side = Other(*side);
    std::string normal = NormalizeAccount(answer[i].account);
    // The current entry keeps the line while it has a line of its account not yet written; a
    // later entry with the account takes it otherwise. An account written alike counts before
    // one that only fits (either account of "A/B").
    auto times = static_cast<size_t>(std::count(written.begin(), written.end(), normal));
    std::optional<size_t> next;
    for (bool same : {true, false}) {
      if (count(current, forms, normal, same, std::nullopt) > times) break;
      next = later(forms, normal, same, side);
      if (!next) next = later(forms, normal, same, std::nullopt);
      if (next) break;
    }
    if (next) {
      current = *next;
      written.clear();
    }
    written.push_back(normal);
    placed[i] = entries[current];
  }
  return placed;
}

}  // namespace

AnswerMarking MarkAnswer(const TopicDesc& desc, const std::map<int, std::string>& texts,
                         const std::vector<AnswerLine>& answer, const MarkOptions& options,
                         std::optional<size_t> entry) {
  return MarkAnswer(KeyOf(desc, texts), answer, options, entry);
}

AnswerMarking MarkAnswer(const AnswerKey& key, const std::vector<AnswerLine>& answer,
                         const MarkOptions& options, std::optional<size_t> entry) {
  AnswerMarking result;
  result.fault = key.fault;
  result.key = key.lines;
  result.rows.assign(answer.size(), Mark::NotInKey);
  result.matched.assign(answer.size(), -1);
  result.reasons.assign(answer.size(), "本题没有这一分录");
  result.entryOf.assign(answer.size(), std::nullopt);
  if (entry) {
    result.entryOf.assign(answer.size(), *entry);
  } else {
    result.entryOf = PlaceLines(key, answer, options);
  }
  // The entries marked: the one asked for, else every question and any entry a line names.
  std::set<size_t> marked;
  if (entry) {
    marked.insert(*entry);
  } else {
    marked.insert(key.questions.begin(), key.questions.end());
    for (const std::optional<size_t>& e : result.entryOf) {
      if (e) marked.insert(*e);
    }
  }
  static const std::vector<KeyLine> kNone;
  double total = 0;
  for (size_t e : marked) {
    EntryMarking& em = result.entries.emplace_back();
    em.index = e;
    if (e < key.entries.size()) em.heading = key.entries[e].heading;
    std::vector<AnswerLine> lines;
    for (size_t i = 0; i < answer.size(); ++i) {
      if (result.entryOf[i] != e) continue;
      em.lines.push_back(i);
      lines.push_back(answer[i]);
    }
    em.marking = MarkLines(e < key.entryLines.size() ? key.entryLines[e] : kNone, lines, options);
    for (size_t j = 0; j < em.lines.size(); ++j) {
      size_t i = em.lines[j];
      result.rows[i] = em.marking.rows[j];
      result.matched[i] = em.marking.matched[j];
      result.reasons[i] = em.marking.reasons[j];
    }
    result.missing.insert(result.missing.end(), em.marking.missing.begin(), em.marking.missing.end());
    result.missingReasons.insert(result.missingReasons.end(), em.marking.missingReasons.begin(),
                                 em.marking.missingReasons.end());
    total += em.marking.score;
  }
  if (!result.entries.empty()) {
    result.score = total / static_cast<double>(result.entries.size());
  } else {
    result.score = answer.empty() ? 1.0 : 0.0;
  }
  return result;
}

const std::vector<std::string>& KnownAccounts() {
  // Every account a window prints with all of its fields filled: an exercise fills them all, so
  // every group of lines is printed.
  static const std::vector<std::string> accounts = [] {
    std::set<std::string> seen;
    for (const TopicDesc* desc : AllTopics()) {
      for (const Entry& entry : EntriesOf(PressOnce(*desc, FieldTexts(MakeExercise(*desc, 0))))) {
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
    case Mark::WrongDetail:
      return "wrong_detail";
    case Mark::NotInKey:
      return "not_in_key";
    case Mark::WrongAccount:
      return "wrong_account";
  }
  return "";
}

std::string_view MarkReason(Mark mark) {
  switch (mark) {
    case Mark::Correct:
      return "正确";
    case Mark::WrongSide:
      return "方向错误";
    case Mark::WrongAmount:
      return "金额错误";
    case Mark::WrongDetail:
      return "明细科目不符";
    case Mark::NotInKey:
      return "本分录没有这一科目";
    case Mark::WrongAccount:
      return "科目错误";
  }
  return "";
}

}  // namespace varnello
