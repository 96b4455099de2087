// Marking: a student's journal lines compared with the lines a window computes (the key).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/topic.h"

namespace varnello {

enum class Side { Debit, Credit };

// One journal line of the key: an account without its side marker, its side and amount.
struct KeyLine {
  std::string account;
  Side side = Side::Debit;
  double amount = 0;
};

// One line of a student's answer as typed. The side may be empty when the account carries it
// ("银行存款（贷）").
struct AnswerLine {
  std::string account;
  std::string side;
  std::string amount;
};

enum class Mark { Correct, WrongSide, WrongAmount, NotInKey };

struct Marking {
  std::vector<Mark> rows;        // one per answer line, in the answer's order
  std::vector<KeyLine> missing;  // key lines no answer line stands for (zero lines excepted)
  std::vector<KeyLine> key;
  // Correct lines less lines not in the key, over the key lines that count (every line with a
  // non-zero amount, and a zero line the student did write); never below 0.
  double score = 0;
};

// The account as compared: blanks dropped, parentheses half-width, a side marker at the end
// ("（借）", "(贷)", "借", "贷方") taken off.
std::string NormalizeAccount(std::string_view account);
// The side named by a text ("借", "借方", "贷", "贷方"; blanks ignored), or by the side marker at
// the end of an account.
std::optional<Side> ReadSide(std::string_view text);
// An amount as a student writes it, in 分: blanks and thousands separators ignored, "元" allowed
// at the end. Nothing when the text holds no number.
std::optional<double> ReadCents(std::string_view text);
// A computed amount in 分, rounded half away from zero (a whole number held as a double, so no amount
// overflows it).
double Cents(double amount);

Marking MarkLines(const std::vector<KeyLine>& key, const std::vector<AnswerLine>& answer);

std::string_view MarkName(Mark mark);    // "correct", "wrong_side", ...
std::string_view MarkReason(Mark mark);  // a short reason for the student: "正确", "方向错误", ...
std::string_view SideText(Side side);    // "借" or "贷"

}  // namespace varnello
