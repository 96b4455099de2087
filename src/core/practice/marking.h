// Marking: a student's journal lines compared with the entries a window computes (the key), entry
// by entry, as an examiner marks: accounts and amounts in the forms students write them, and a short
// reason for every line.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/practice/answer_amount.h"

namespace varnello {

// One journal line of the key: an account without its side marker, its side (debit or credit)
// and amount.
struct KeyLine {
  std::string account;
  Side side = Side::Debit;
  double amount = 0;
};

// One line of a student's answer as typed. The side may be empty when the account carries it
// ("银行存款（贷）"). `entry` names the key entry the line answers, when the student said so.
struct AnswerLine {
  std::string account;
  std::string side;
  std::string amount;
  std::optional<std::size_t> entry = std::nullopt;
};

struct MarkOptions {
  // Whether the detail accounts must be written; when not, the first-level account is enough.
  bool detailRequired = true;
  // Amounts written in 万元 rather than 元.
  bool inWan = false;
  // The right answer has been shown: reasons may give the right amounts.
  bool reveal = false;
  // With `inWan`: an amount is right when it is the key's in 万元 rounded to two decimals (within
  // 0.01 万元 when the student's entry balances), as well as when it is the key's to the 分.
  bool wanTwoDecimals = false;
};

// The answer rules of an exam into `options`: "初级" as the defaults (detail accounts written,
// amounts in 元 to the 分); "中级" the first-level account enough (a detail written is not wrong
// when it is right), amounts in 万元 to two decimals. False, `options` untouched, for any other name.
bool ApplyExamFormat(std::string_view format, MarkOptions& options);

// WrongAccount: a line that stands for a key line (same side or same amount, and no other line
// answers that key line) with an account the entry does not have.
enum class Mark { Correct, WrongSide, WrongAmount, WrongDetail, NotInKey, WrongAccount };

// The marking of one entry of the key, or of a whole answer.
struct Marking {
  std::vector<Mark> rows;  // one per answer line, in the answer's order
  // The key line each answer line stands for (its index in `key`), or -1 for a line not in it.
  std::vector<int> matched;
  std::vector<std::string> reasons;  // one per answer line, for the student
  std::vector<KeyLine> missing;      // key lines no answer line stands for (zero lines excepted)
  std::vector<std::string> missingReasons;
  std::vector<KeyLine> key;
  // Key lines answered, less lines not in the key, over the key lines that count (every line with
  // an amount that is not zero in the unit and places the student writes, and a zero line the
  // student did write); never below 0. A line with a wrong account is one error, not two.
  double score = 0;
  // The fault that ended the press of the window, if any (the key then holds the lines before it).
  std::optional<FaultKind> fault;
};

// One entry of the key as marked: where it stands among the press's entries, its heading, the
// answer lines it was given (indices into the answer) and their marks.
struct EntryMarking {
  std::size_t index = 0;
  std::string heading;
  std::vector<std::size_t> lines;
  Marking marking;
};

// A whole answer marked entry by entry: `rows`, `matched` and `reasons` of the whole answer in its
// order (matched indices into its entry's key), `missing` of every entry, `key` every key line,
// `score` the mean of the entries' scores.
struct AnswerMarking : Marking {
  std::vector<EntryMarking> entries;
  std::vector<std::optional<std::size_t>> entryOf;  // per answer line: the entry it was marked in
};

// The account as compared, its levels joined by "-": blanks, dashes and colons between levels,
// a trailing "（…）" as one more level, each level as the table of account names has it (a first
// level by the account it stands for in the chart, 应交税金 → 应交税费, 银行贷款 → 银行存款; a detail
// by its written form, 进 → 进项税额), a side marker at the end taken off. An account of a caption
// "A/B" is either A or B: the forms are joined by "/".
std::string NormalizeAccount(std::string_view account);
// The side named by a text ("借", "借方", "贷", "贷方", and as written in English: Dr/Cr, DR, dr.,
// debit/credit in any case; blanks ignored), or by the side marker at the end of an account.
std::optional<Side> ReadSide(std::string_view text);

// Marks answer lines against the key lines of one entry.
Marking MarkLines(const std::vector<KeyLine>& key, const std::vector<AnswerLine>& answer,
                  const MarkOptions& options = {});

// The key of one press of a window with the given field texts: the entries it prints (figures
// without a side too, for showing), the journal lines with a side of each entry, and the fault
// that ended the press, if any.
struct AnswerKey {
  std::vector<Entry> entries;
  std::vector<std::vector<KeyLine>> entryLines;  // parallel to `entries`
  std::vector<KeyLine> lines;                    // every entry's lines, in order
  std::optional<FaultKind> fault;
  // The entries a question can be asked of: each has a line with a side and an amount that is
  // not zero to the 分.
  std::vector<std::size_t> questions;
};
// The key of a press already made (its record), and of a fresh press of the window.
AnswerKey KeyOf(const EntryRecord& record);
AnswerKey KeyOf(const TopicDesc& desc, const std::map<int, std::string>& texts);

// Marks a student's answer on a window with the given field texts. With `entry`, every line is
// marked against that entry alone (and `entries` holds just it); without, each line answers the
// entry it names, or else the entry the student is writing: lines are read in order, and a line
// whose account the current entry lacks while a later entry has it moves on to that entry.
AnswerMarking MarkAnswer(const TopicDesc& desc, const std::map<int, std::string>& texts,
                         const std::vector<AnswerLine>& answer, const MarkOptions& options = {},
                         std::optional<std::size_t> entry = std::nullopt);
// The same against a key already made.
AnswerMarking MarkAnswer(const AnswerKey& key, const std::vector<AnswerLine>& answer,
                         const MarkOptions& options = {}, std::optional<std::size_t> entry = std::nullopt);

// Every account the windows print on a journal line with a side, sorted (for completion).
const std::vector<std::string>& KnownAccounts();

std::string_view MarkName(Mark mark);    // "correct", "wrong_side", ...
std::string_view MarkReason(Mark mark);  // the reason's first words: "正确", "方向错误", ...

}  // namespace varnello
