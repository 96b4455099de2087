// Marking: a student's journal lines compared with the lines a window computes (the key).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"

namespace varnello {

// One journal line of the key: an account without its side marker, its side (debit or credit)
// and amount.
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
  std::vector<Mark> rows;  // one per answer line, in the answer's order
  // The key line each answer line stands for (its index in `key`), or -1 for a line not in it.
  std::vector<int> matched;
  std::vector<KeyLine> missing;  // key lines no answer line stands for (zero lines excepted)
  std::vector<KeyLine> key;
  // Correct lines less lines not in the key, over the key lines that count (every line with a
  // non-zero amount, and a zero line the student did write); never below 0.
  double score = 0;
  // The fault that ended the press of the window, if any (the key then holds the lines before it).
  std::optional<FaultKind> fault;
};

// The account as compared: blanks dropped, parentheses half-width, a side marker at the end
// ("（借）", "(贷)", "借", "贷方") taken off.
std::string NormalizeAccount(std::string_view account);
// The side named by a text ("借", "借方", "贷", "贷方"; blanks ignored), or by the side marker at
// the end of an account.
std::optional<Side> ReadSide(std::string_view text);
// An amount as a student writes it, in 分: blanks and thousands separators ignored, "元" allowed
// at the end. Nothing when the text holds no number or one beyond the range of a double.
std::optional<double> ReadCents(std::string_view text);
// A computed amount in 分 as WholeFen rounds it, held as a double; one beyond WholeFen's reach as
// printed, times 100 (a NaN stays NaN).
double Cents(double amount);

Marking MarkLines(const std::vector<KeyLine>& key, const std::vector<AnswerLine>& answer);

// The key of one press of a window with the given field texts: its journal lines with a side,
// the entries they stand in (figures without a side too, for showing), and the fault that ended
// the press, if any.
struct AnswerKey {
  std::vector<KeyLine> lines;
  std::vector<Entry> entries;
  std::optional<FaultKind> fault;
};
AnswerKey KeyOf(const TopicDesc& desc, const std::map<int, std::string>& texts);

// Marks a student's answer on a window with the given field texts.
Marking MarkAnswer(const TopicDesc& desc, const std::map<int, std::string>& texts,
                   const std::vector<AnswerLine>& answer);

// Every account the windows print on a journal line with a side, sorted (for completion).
const std::vector<std::string>& KnownAccounts();

std::string_view MarkName(Mark mark);    // "correct", "wrong_side", ...
std::string_view MarkReason(Mark mark);  // a short reason for the student: "正确", "方向错误", ...
std::string_view SideText(Side side);    // "借", "贷", or "" for none

}  // namespace varnello
