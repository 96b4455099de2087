// The two-field posting windows: a description of the account at the top, then the amount of
// the posting and its VAT or tax. The expense windows among them print one common entry that
// differs only in its account texts, and some close the expense to the year's profit.
#pragma once

#include <array>
#include <string_view>

#include "core/engine/topic.h"

namespace varnello::postings {

// The column of such a window: the account description on its first row, Text1 and Text2 below.
constexpr std::array<Item, 3> TwoFields(std::string_view description, std::string_view caption1,
                                        std::string_view caption2) {
  return {Note(description), Field(1, caption1), Field(2, caption2)};
}

struct ExpenseTexts {
  std::string_view account = {};         // the expense account
  std::string_view closingHeading = {};  // empty when no closing entry follows
};

// Pays the expense and its input VAT from the bank; then, when the window closes the expense,
// transfers the expense to the year's profit.
inline void PressExpense(Press& p, const ExpenseTexts& texts) {
  Figure expense = p.Read(1), inputVat = p.Read(2);
  p.Debit(texts.account, expense);
  p.Debit("应交税费-应交增值税", inputVat);
  Figure paid = p.Check(inputVat + expense);
  p.Credit("银行存款", paid);
  if (texts.closingHeading.empty()) return;
  p.Blank();
  p.Heading(texts.closingHeading);
  p.Debit("本年利润", expense);
  p.Credit(texts.account, expense);
}

}  // namespace varnello::postings
