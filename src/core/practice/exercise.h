// Exercise figures: fills a topic window's fields with figures that make a sensible exercise,
// chosen from the field captions and reproducible from a seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/topic.h"
#include "core/entries/entries.h"

namespace varnello {

// What a field's caption asks for, and so the range its exercise figure is drawn from.
enum class FigureKind {
  Rate,        // a rate or share typed as a fraction: 0.01 to 0.5
  VatRate,     // a VAT rate: 0.13, 0.09 or 0.06
  IncomeRate,  // an income-tax rate: 0.25, 0.2 or 0.15
  Exchange,    // a currency's exchange rate: 6.5 to 7.3
  Years,       // a term or useful life in years: 3 to 10
  YearsUsed,   // years already elapsed: 1 to 3, below any life
  Months,      // 1 to 12
  Quarters,    // 1 to 4
  Days,        // a term in days: 30 to 180 in steps of 30
  DaysLeft,    // days still to run: 1 to 29, below any term
  Times,       // a number of payments or uses: 1 to 6
  Quantity,    // shares, goods, bonds: 100 to 5000 in hundreds
  TotalWork,   // a lifetime's units of work: 10000 to 50000 in thousands
  Work,        // one period's units of work: 500 to 5000 in hundreds
  UnitPrice,   // a price per share or unit: 1 to 50
  PerShare,    // a dividend or par value per share: 0.1 to 2
  // Amounts are drawn around one size of business per exercise (10000 to 100000):
  Fee,    // fees, taxes, depreciation, residues and the like: 1 % to 10 % of it, in hundreds
  Money,  // a principal amount: half to twice it, in thousands
};

FigureKind FigureKindOf(std::string_view caption);

// What an exercise asks of one entry of the key: its amounts are not all zero, its rows balance
// (BalanceOf, inferred sides counted), and no amount with a side is negative (a balance line
// aside).
struct EntryCheck {
  bool nonZero = false;
  bool balanced = true;
  bool negative = false;
};
EntryCheck CheckEntry(const Entry& entry);

// The field texts of an exercise on `desc`, by field number: every field gets a figure. The same
// window and seed always give the same figures. The figures are drawn again (from the seed) until
// the press neither faults nor prints only zero amounts on its journal lines.
std::map<int, std::string> MakeExercise(const TopicDesc& desc, std::uint64_t seed);

// The kind of figure an exercise draws for a field: its caption's, unless the window says otherwise.
FigureKind FieldKind(const TopicDesc& desc, int field);

// The fields whose figures the entry at `index` of the press depends on: changing one changes an
// amount of the entry (or the entries themselves), in field display order.
std::vector<int> FieldsOfEntry(const TopicDesc& desc, const std::map<int, std::string>& texts,
                               std::size_t index);

// The task of one entry in plain Chinese: the heading, then each caption the entry depends on
// with its figure and unit, then what to do: "购入股票：每股价格 10 元，每股股利 0.5 元，数额 1000，
// 手续费等 50 元。请编制会计分录。"
std::string QuestionText(const TopicDesc& desc, const std::map<int, std::string>& texts, std::size_t index);

}  // namespace varnello
