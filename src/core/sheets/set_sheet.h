// The printed sheets of an exercise set: the question sheet a student writes on (name and 学号
// lines, each question with blank answer rows) and the teacher's key (each question's entry with
// its amounts and the working of every figure). Laid out as drawing primitives on A4 pages in
// millimetres, as the vouchers are, so that the windows (painting with Qt) and the command line
// (writing a PDF) print the same sheets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/entries/entries.h"
#include "core/practice/exercise_set.h"
#include "core/vouchers/voucher_layout.h"

namespace varnello {

// One line of a question's key: the account, its side and amount, and how the amount came about
// ("= 每股价格 10 × 数额 1000", then the named figures it uses, one per step); empty for a figure
// typed into a field.
struct SheetKeyLine {
  std::string account;
  Side side = Side::Debit;
  double amount = 0;
  std::vector<std::string> working;
};

struct SheetQuestion {
  int number = 0;
  std::string question;
  std::vector<SheetKeyLine> key;
  // Why the key could not be computed (an unknown window, a fault); empty when it was.
  std::string problem;
};

// The questions of the set with their keys, computed from each exercise's window and figures.
std::vector<SheetQuestion> SheetQuestionsOf(const ExerciseSet& set);

// Blank answer rows a question gets on the sheet beyond the lines of its key.
inline constexpr int kSpareAnswerRows = 2;
// Margins of the sheets on every side of the page.
inline constexpr double kSheetMarginMm = 15;

// The question sheet and the key. Questions follow each other down the page and are never split
// between pages unless one alone is taller than a page; long questions wrap.
std::vector<VoucherPage> LayoutQuestionSheet(std::string_view setId,
                                             const std::vector<SheetQuestion>& questions);
std::vector<VoucherPage> LayoutKeySheet(std::string_view setId, const std::vector<SheetQuestion>& questions);

// A text broken into lines of at most `widthMm` as printed at `points` (a Han character taken as
// one em wide, other characters as six tenths): numbers and Latin words are not split, no line
// begins with a closing mark (，。、；：）) and none ends with an opening one (（“). Used for wrapping; the
// renderers still shrink a line that turns out wider.
std::vector<std::string> WrapText(std::string_view text, double widthMm, double points);

}  // namespace varnello
