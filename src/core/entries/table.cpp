#include "core/entries/table.h"

#include "core/engine/topic.h"
#include "core/files/csv.h"

namespace varnello {

namespace {

enum TableColumn { kSummary, kAccount, kDebit, kCredit, kOther, kColumns };

std::string Cell(const std::string& text, char replaceWith, std::string_view specials) {
  std::string out = text;
  for (char& c : out) {
    if (specials.find(c) != std::string_view::npos) c = replaceWith;
  }
  return out;
}

}  // namespace

EntryTable TableOf(const std::vector<Entry>& entries, const TableOptions& options) {
  using Totals = TableOptions::Totals;
  using Row = EntryTable::Row;
  bool other = !options.otherWhenUsed;
  for (const Entry& entry : entries) {
    for (const EntryRow& r : entry.rows) other = other || (r.side == Side::None && r.amount);
  }
  const std::size_t columns = other ? kColumns : kOther;
  EntryTable table;
  table.header = {"摘要", "会计科目", "借方金额", "贷方金额", "其他金额"};
  table.header.resize(columns);
  auto add = [&](std::vector<std::string> cells, Row kind) {
    cells.resize(columns);
    table.rows.push_back(std::move(cells));
    table.kinds.push_back(kind);
  };
  for (const Entry& entry : entries) {
    bool first = true;
    auto row = [&] {
      std::vector<std::string> cells(kColumns);
      if (first) cells[kSummary] = entry.heading;
      first = false;
      return cells;
    };
    if (entry.rows.empty()) add(row(), Row::HeadingAlone);
    bool sided = false;
    for (const EntryRow& r : entry.rows) {
      std::vector<std::string> cells = row();
      cells[kAccount] = r.account;
      TableColumn column = r.side == Side::Debit ? kDebit : r.side == Side::Credit ? kCredit : kOther;
      if (r.amount) cells[column] = PlainAmount(*r.amount);
      add(std::move(cells), Row::Posting);
      sided = sided || (r.side != Side::None && !r.balanceLine);
    }
    if (options.totals == Totals::None) continue;
    // The sums leave out a line that states a balance.
    EntryBalance balance = BalanceOf(entry);
    if (options.totals == Totals::Unbalanced && !balance.balanced) {
      add({"", "合计", PlainAmount(balance.debit), PlainAmount(balance.credit), UnbalancedFlag(balance)},
          Row::Total);
    } else if (options.totals == Totals::Sided && sided) {
      std::string total = "合计";
      if (!balance.balanced) total += " ⚠ " + UnbalancedFlag(balance);
      add({"", total, PlainAmount(balance.debit), PlainAmount(balance.credit), ""}, Row::Total);
    }
  }
  return table;
}

EntryTable TableOf(const std::vector<Entry>& entries, bool flagUnbalanced) {
  return TableOf(entries, {flagUnbalanced ? TableOptions::Totals::Unbalanced : TableOptions::Totals::None});
}

std::string UnbalancedFlag(const EntryBalance& balance) {
  return "借贷不平，差额 " + PlainAmount(balance.debit - balance.credit);
}

std::string UnbalancedNote(const Entry& entry, const std::map<std::size_t, std::string>& exprs,
                           const std::map<int, std::string>& captions) {
  EntryBalance b = BalanceOf(entry);
  std::string note = "借贷不平\n借方合计 " + PlainAmount(b.debit) + "\n贷方合计 " + PlainAmount(b.credit) +
                     "\n差额 " + PlainAmount(b.debit - b.credit);
  // The fields each side's figures were typed in, when every figure is one field as typed.
  std::string debit, credit;
  for (const EntryRow& r : entry.rows) {
    if (r.side == Side::None || r.balanceLine || !r.amount) continue;
    auto expr = exprs.find(r.line);
    int n = expr == exprs.end() ? 0 : FieldNumber(expr->second);
    auto caption = captions.find(n);
    if (caption == captions.end()) return note;
    std::string& side = r.side == Side::Debit ? debit : credit;
    side += (side.empty() ? "" : " + ") + caption->second;
  }
  if (debit.empty() || credit.empty()) return note;
  return note + "\n可能原因：所填数字彼此不符（" + debit + " 与 " + credit + " 应相等）";
}

EntryTotals TotalsOf(const Entry& entry) {
  EntryTotals totals;
  for (const EntryRow& r : entry.rows) {
    if (!r.amount) continue;
    if (r.side == Side::Debit) totals.debit += *r.amount;
    if (r.side == Side::Credit) totals.credit += *r.amount;
  }
  return totals;
}

std::string ToTsv(const EntryTable& table) {
  std::string out;
  auto line = [&out](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) out += '\t';
      out += Cell(cells[i], ' ', "\t\r\n");
    }
    out += '\n';
  };
  line(table.header);
  for (const auto& row : table.rows) line(row);
  return out;
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ToCsv(const EntryTable& table, bool bom) {
  std::string out = bom ? "\xEF\xBB\xBF" : "";
  AppendCsvRow(out, table.header);
  for (const auto& row : table.rows) AppendCsvRow(out, row);
  return out;
}

std::string ToHtml(const EntryTable& table, const HtmlOptions& options) {
  const char* newline = options.document ? "\n" : "";
  std::string out = options.document ? "<html><head><meta charset=\"utf-8\"></head><body>" : "";
  out += "<table " + std::string(options.tableAttributes) + ">" + newline;
  auto line = [&](const std::vector<std::string>& cells, const char* tag, EntryTable::Row kind) {
    bool total = options.boldTotals && kind == EntryTable::Row::Total;
    out += "<tr>";
    for (std::size_t i = 0; i < cells.size(); ++i) {
      // Amount columns right-aligned, as in a ledger; a printout aligns only the amounts of
      // entry rows and sums.
      bool right = i >= kDebit;
      if (!options.document) {
        right = (kind == EntryTable::Row::Posting && i >= kDebit) || (total && (i == kDebit || i == kCredit));
      }
      bool bold = total && i >= kAccount && i <= kCredit;
      out += std::string("<") + tag + (right ? " align=\"right\">" : ">");
      out += bold ? "<b>" + EscapeHtml(cells[i]) + "</b>" : EscapeHtml(cells[i]);
      out += std::string("</") + tag + ">";
    }
    out += "</tr>";
    out += newline;
  };
  line(table.header, "th", options.document ? EntryTable::Row::Posting : EntryTable::Row::HeadingAlone);
  for (std::size_t r = 0; r < table.rows.size(); ++r)
    line(table.rows[r], "td", r < table.kinds.size() ? table.kinds[r] : EntryTable::Row::Posting);
  out += "</table>";
  if (options.document) out += "</body></html>\n";
  return out;
}

}  // namespace varnello
