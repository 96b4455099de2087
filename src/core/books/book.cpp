#include "core/books/book.h"

#include <simdjson.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"

namespace varnello {

std::string FormatFen(Fen amount) {
  bool negative = amount < 0;
  std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
  std::string yuan = std::to_string(magnitude / 100);
  std::string grouped;
  for (std::size_t i = 0; i < yuan.size(); ++i) {
    if (i > 0 && (yuan.size() - i) % 3 == 0) grouped += ',';
    grouped += yuan[i];
  }
  std::uint64_t fen = magnitude % 100;
  return (negative ? "-" : "") + grouped + "." + static_cast<char>('0' + fen / 10) +
         static_cast<char>('0' + fen % 10);
}

std::string PlainFen(Fen amount) {
  bool negative = amount < 0;
  std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
  std::string text = (negative ? "-" : "") + std::to_string(magnitude / 100);
  std::uint64_t fen = magnitude % 100;
  if (fen != 0) {
    text += '.';
    text += static_cast<char>('0' + fen / 10);
    if (fen % 10 != 0) text += static_cast<char>('0' + fen % 10);
  }
  return text;
}

bool IsProfitAndLoss(std::string_view code) {
  return code.starts_with('6');
}

namespace {

// The largest amount a book takes, in 元: sums of many of them stay far inside 64 bits of 分.
constexpr double kMostYuan = 1e13;

// A line refused: why, in words.
struct Refused {
  std::string message;
};

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// An amount of 元 as 分; a refusal when it is no finite number or beyond kMostYuan.
std::optional<Fen> FenOf(double yuan) {
  if (!std::isfinite(yuan) || std::fabs(yuan) > kMostYuan) return std::nullopt;
  return static_cast<Fen>(std::llround(yuan * 100));
}

bool IsDate(std::string_view d) {
  if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (d[i] < '0' || d[i] > '9') return false;
  }
  int month = (d[5] - '0') * 10 + (d[6] - '0');
  int day = (d[8] - '0') * 10 + (d[9] - '0');
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// The posting of an account by the chart; a refusal when the chart knows no such account.
std::optional<Posting> Post(const Chart& chart, std::string_view account, Side side, Fen amount,
                            std::string& error) {
  std::optional<AccountCode> found = chart.Find(account);
  if (!found) {
    error = "unknown account " + Quoted(account);
    return std::nullopt;
  }
  Posting p;
  p.account = std::string(account);
  p.code = found->generalCode;
  p.general = found->general;
  p.detail = found->detail;
  p.side = side;
  p.amount = amount;
  return p;
}

// Whether `chosen` is one of the accounts a caption offers: "应收票据/银行存款" offers 应收票据 and
// 银行存款.
bool IsAlternative(std::string_view caption, std::string_view chosen) {
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t slash = caption.find('/', start);
    std::string_view one =
        caption.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    if (one == chosen) return true;
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return false;
}

// Debit and credit sums of postings, and the words for two that disagree.
std::string Disagreement(const std::vector<Posting>& rows) {
  Fen debit = 0, credit = 0;
  for (const Posting& p : rows) (p.side == Side::Debit ? debit : credit) += p.amount;
  if (debit == credit) return {};
  return "debits " + FormatFen(debit) + " and credits " + FormatFen(credit) + " disagree (difference " +
         FormatFen(debit - credit) + ")";
}

class LineReader {
 public:
  LineReader(const Chart& chart) : chart_(chart) {}

  // Reads one line into the book; the reason when it is refused.
  std::string read(std::string_view line, std::size_t number, bool first, Book& book) {
    simdjson::dom::element element;
    if (parser_.parse(line.data(), line.size(), true).get(element) != simdjson::SUCCESS) {
      return "not a JSON object";
    }
    simdjson::dom::object object;
    if (element.get(object) != simdjson::SUCCESS) return "not a JSON object";
    std::vector<std::string_view> keys;
    for (simdjson::dom::key_value_pair member : object) keys.push_back(member.key);
    std::sort(keys.begin(), keys.end());
    if (auto twice = std::adjacent_find(keys.begin(), keys.end()); twice != keys.end()) {
      return "key " + Quoted(*twice) + " given twice";
    }
    auto has = [&](std::string_view key) { return std::binary_search(keys.begin(), keys.end(), key); };
    if (has("opening")) {
      if (keys.size() != 1) return "an opening line holds \"opening\" alone";
      if (!first) return "opening balances must be the book's first line";
      std::vector<Posting> rows;
      if (std::string e = readRows(object["opening"], "opening", rows); !e.empty()) return e;
      if (std::string e = Disagreement(rows); !e.empty()) return "opening balances do not balance: " + e;
      book.opening = std::move(rows);
      return {};
    }
    if (has("entry")) {
      if (keys.size() != 1) return "an entry line holds \"entry\" alone";
      return readTyped(object["entry"], number, book);
    }
    if (has("window")) {
      constexpr std::string_view kKeys[] = {"choose", "date",    "entries", "fields",
                                            "rules",  "summary", "window"};
      for (std::string_view k : keys) {
        if (std::find(std::begin(kKeys), std::end(kKeys), k) == std::end(kKeys))
          return "unknown key " + Quoted(k);
      }
      return readPress(object, number, book);
    }
    return "a line holds \"opening\", \"entry\" or \"window\"";
  }

 private:
  // Rows [{"account", "side", "amount"}] of `what`.
  std::string readRows(simdjson::dom::element element, std::string_view what, std::vector<Posting>& rows) {
    simdjson::dom::array array;
    if (element.get(array) != simdjson::SUCCESS) return Quoted(what) + " must be a list of rows";
    std::size_t n = 0;
    for (simdjson::dom::element item : array) {
      ++n;
      std::string at = std::string(what) + " row " + std::to_string(n) + ": ";
      simdjson::dom::object row;
      if (item.get(row) != simdjson::SUCCESS) return at + "not an object";
      std::string_view account, side;
      double amount = 0;
      for (simdjson::dom::key_value_pair member : row) {
        if (member.key != "account" && member.key != "side" && member.key != "amount") {
          return at + "unknown key " + Quoted(member.key);
        }
      }
      if (row["account"].get(account) != simdjson::SUCCESS || account.empty()) return at + "no \"account\"";
      if (row["side"].get(side) != simdjson::SUCCESS) return at + "no \"side\"";
      if (row["amount"].get(amount) != simdjson::SUCCESS) return at + "\"amount\" must be a number";
      Side s = side == "debit" || side == "借"    ? Side::Debit
               : side == "credit" || side == "贷" ? Side::Credit
                                                  : Side::None;
      if (s == Side::None) return at + "side " + Quoted(side) + " is neither debit nor credit";
      std::optional<Fen> fen = FenOf(amount);
      if (!fen) return at + "amount out of range";
      std::string error;
      std::optional<Posting> p = Post(chart_, account, s, *fen, error);
      if (!p) return at + error;
      if (p->amount != 0) rows.push_back(std::move(*p));
    }
    if (rows.empty() && what != "opening") return Quoted(what) + " has no amount to post";
    return {};
  }

  std::string readDate(simdjson::dom::object object, std::string& date) {
    simdjson::dom::element element;
    if (object["date"].get(element) != simdjson::SUCCESS) return {};
    std::string_view text;
    if (element.get(text) != simdjson::SUCCESS || !IsDate(text)) return "\"date\" must be a date YYYY-MM-DD";
    date = std::string(text);
    return {};
  }

  std::string readSummary(simdjson::dom::object object, std::string& summary) {
    simdjson::dom::element element;
    if (object["summary"].get(element) != simdjson::SUCCESS) return {};
    std::string_view text;
    if (element.get(text) != simdjson::SUCCESS) return "\"summary\" must be a string";
    summary = std::string(text);
    return {};
  }

  std::string readTyped(simdjson::dom::element element, std::size_t number, Book& book) {
    simdjson::dom::object object;
    if (element.get(object) != simdjson::SUCCESS) return "\"entry\" must be an object";
    for (simdjson::dom::key_value_pair member : object) {
      if (member.key != "date" && member.key != "summary" && member.key != "rows") {
        return "entry: unknown key " + Quoted(member.key);
      }
    }
    BookEntry entry;
    entry.line = number;
    if (std::string e = readDate(object, entry.date); !e.empty()) return e;
    if (std::string e = readSummary(object, entry.summary); !e.empty()) return e;
    simdjson::dom::element rows;
    if (object["rows"].get(rows) != simdjson::SUCCESS) return "entry has no \"rows\"";
    if (std::string e = readRows(rows, "entry", entry.rows); !e.empty()) return e;
    if (std::string e = Disagreement(entry.rows); !e.empty()) return "entry does not balance: " + e;
    book.entries.push_back(std::move(entry));
    return {};
  }

  std::string readPress(simdjson::dom::object object, std::size_t number, Book& book) {
    std::string_view asked;
    if (object["window"].get(asked) != simdjson::SUCCESS) return "\"window\" must be a string";
    std::optional<WindowId> id = WindowId::Parse(asked);
    if (!id) id = DispatchKeyword(asked);
    const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
    if (desc == nullptr) return "no topic window " + Quoted(asked);
    simdjson::dom::element rulesElement;
    if (object["rules"].get(rulesElement) == simdjson::SUCCESS) {
      std::string_view rules;
      if (rulesElement.get(rules) != simdjson::SUCCESS) return "\"rules\" must be a string";
      if (rules == "current") return "rule set \"current\" cannot be pressed yet; only \"classic\" can";
      if (rules != "classic") return "unknown rule set " + Quoted(rules) + " (only \"classic\")";
    }
    std::vector<FieldText> texts;
    simdjson::dom::element fieldsElement;
    if (object["fields"].get(fieldsElement) == simdjson::SUCCESS) {
      simdjson::dom::object fields;
      if (fieldsElement.get(fields) != simdjson::SUCCESS) return "\"fields\" must be an object";
      for (simdjson::dom::key_value_pair member : fields) {
        int n = FieldNumber(member.key);
        if (n == 0 || !HasField(*desc, n))
          return std::string(desc->id.name()) + " has no field " + Quoted(member.key);
        std::string_view text;
        if (member.value.get(text) != simdjson::SUCCESS)
          return "field " + Quoted(member.key) + " must be a string";
        texts.push_back({n, text});
      }
    }
    // Where a window prints two accounts as one caption ("应收票据/银行存款"), "choose" names the
    // one the book posts to; without it the first is taken.
    std::map<std::string, std::string, std::less<>> choices;
    simdjson::dom::element chooseElement;
    if (object["choose"].get(chooseElement) == simdjson::SUCCESS) {
      simdjson::dom::object choose;
      if (chooseElement.get(choose) != simdjson::SUCCESS) return "\"choose\" must be an object";
      for (simdjson::dom::key_value_pair member : choose) {
        std::string_view chosen;
        if (member.value.get(chosen) != simdjson::SUCCESS)
          return "choose " + Quoted(member.key) + " must be a string";
        if (!IsAlternative(member.key, chosen)) {
          return "choose: " + Quoted(chosen) + " is not one of " + Quoted(member.key);
        }
        choices.emplace(std::string(member.key), std::string(chosen));
      }
    }
    std::string date, summary;
    if (std::string e = readDate(object, date); !e.empty()) return e;
    if (std::string e = readSummary(object, summary); !e.empty()) return e;
    EntryRecord record = PressOnce(*desc, texts, true);
    if (record.fault()) {
      std::string why = record.faultText().empty() ? std::string("a fault") : record.faultText();
      return std::string(desc->id.name()) + " faults when pressed: " + why;
    }
    std::vector<Entry> entries = EntriesOf(record);
    auto posts = [](const Entry& e) {
      return std::any_of(e.rows.begin(), e.rows.end(),
                         [](const EntryRow& r) { return r.side != Side::None && !r.balanceLine; });
    };
    std::vector<std::size_t> chosen;
    simdjson::dom::element entriesElement;
    if (object["entries"].get(entriesElement) == simdjson::SUCCESS) {
      simdjson::dom::array array;
      if (entriesElement.get(array) != simdjson::SUCCESS)
        return "\"entries\" must be a list of entry numbers";
      for (simdjson::dom::element item : array) {
        std::uint64_t n = 0;
        if (item.get(n) != simdjson::SUCCESS) return "\"entries\" must be a list of entry numbers";
        if (n >= entries.size()) {
          return std::string(desc->id.name()) + " prints " + std::to_string(entries.size()) +
                 " entries; there is no entry " + std::to_string(n);
        }
        if (!posts(entries[n]))
          return "entry " + std::to_string(n) + " of " + std::string(desc->id.name()) + " posts nothing";
        chosen.push_back(static_cast<std::size_t>(n));
      }
    } else {
      for (std::size_t i = 0; i < entries.size(); ++i) {
        if (posts(entries[i])) chosen.push_back(i);
      }
    }
    if (chosen.empty()) return std::string(desc->id.name()) + " posts no entry";
    std::vector<BookEntry> made;
    for (std::size_t i : chosen) {
      const Entry& e = entries[i];
      BookEntry entry;
      entry.line = number;
      entry.date = date;
      entry.window = std::string(desc->id.name());
      if (summary.empty()) {
        entry.summary = e.heading;
      } else {
        entry.summary = chosen.size() > 1 && !e.heading.empty() ? summary + "：" + e.heading : summary;
      }
      std::string at = std::string(desc->id.name()) + " entry " + std::to_string(i) + ": ";
      for (const EntryRow& r : e.rows) {
        if (r.side == Side::None || r.balanceLine) continue;
        if (!r.amount) return at + Quoted(r.account) + " prints no amount";
        std::optional<Fen> fen = FenOf(*r.amount);
        if (!fen) return at + Quoted(r.account) + " amount out of range";
        if (*fen == 0) continue;
        std::string error;
        auto choice = choices.find(r.account);
        std::string_view account = choice == choices.end() ? std::string_view(r.account) : choice->second;
        std::optional<Posting> p = Post(chart_, account, r.side, *fen, error);
        if (!p) return at + error;
        entry.rows.push_back(std::move(*p));
      }
      if (entry.rows.empty()) return at + "posts no amount";
      if (std::string d = Disagreement(entry.rows); !d.empty()) return at + "does not balance: " + d;
      made.push_back(std::move(entry));
    }
    for (BookEntry& e : made) book.entries.push_back(std::move(e));
    return {};
  }

  const Chart& chart_;
  simdjson::dom::parser parser_;
};

}  // namespace

BookReading ReadBook(std::string_view text, const Chart& chart) {
  BookReading reading;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  LineReader reader(chart);
  std::size_t number = 0;
  bool first = true;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
    if (std::string e = reader.read(line, number, first, reading.book); !e.empty()) {
      reading.refused.push_back({number, std::move(e)});
    }
    first = false;
  }
  // An entry without a date is dated as the one before it; entries then stand in date order.
  std::string last;
  for (BookEntry& e : reading.book.entries) {
    if (e.date.empty()) e.date = last;
    last = e.date;
  }
  std::stable_sort(reading.book.entries.begin(), reading.book.entries.end(),
                   [](const BookEntry& a, const BookEntry& b) { return a.date < b.date; });
  int n = 0;
  for (BookEntry& e : reading.book.entries) e.number = ++n;
  return reading;
}

void CloseProfitAndLoss(Book& book) {
  // Balances of the profit-and-loss accounts by account and detail, debit less credit.
  std::map<std::pair<std::string, std::string>, std::pair<Posting, Fen>> balances;
  auto add = [&](const Posting& p) {
    if (!IsProfitAndLoss(p.code)) return;
    auto [it, fresh] = balances.try_emplace({p.code, p.detail}, p, 0);
    it->second.second += p.side == Side::Debit ? p.amount : -p.amount;
  };
  for (const Posting& p : book.opening) add(p);
  for (const BookEntry& e : book.entries) {
    for (const Posting& p : e.rows) add(p);
  }
  std::optional<AccountCode> profit = Chart::Standard().Find("本年利润");
  Posting year;
  year.account = "本年利润";
  year.code = profit ? profit->generalCode : "4103";
  year.general = "本年利润";
  std::string date = book.entries.empty() ? std::string() : book.entries.back().date;
  int number = book.entries.empty() ? 0 : book.entries.back().number;
  BookEntry revenue, expense;
  revenue.summary = "结转收入、利得类账户";
  expense.summary = "结转成本、费用、损失类账户";
  Fen in = 0, out = 0;
  for (auto& [key, value] : balances) {
    Posting p = value.first;
    p.account = p.detail.empty() ? p.general : p.general + "-" + p.detail;
    if (value.second < 0) {
      p.side = Side::Debit;
      p.amount = -value.second;
      in += p.amount;
      revenue.rows.push_back(p);
    } else if (value.second > 0) {
      p.side = Side::Credit;
      p.amount = value.second;
      out += p.amount;
      expense.rows.push_back(p);
    }
  }
  if (in != 0) {
    year.side = Side::Credit;
    year.amount = in;
    revenue.rows.push_back(year);
  }
  if (out != 0) {
    year.side = Side::Debit;
    year.amount = out;
    expense.rows.insert(expense.rows.begin(), year);
  }
  for (BookEntry* e : {&revenue, &expense}) {
    if (e->rows.empty()) continue;
    e->date = date;
    e->closing = true;
    e->number = ++number;
    book.entries.push_back(std::move(*e));
  }
}

}  // namespace varnello
