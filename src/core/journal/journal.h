// Journal output: the one textual form of an amount, the sink that topic computations print
// into, lines of text held as one string, and the side a caption prints.
#pragma once

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/journal/number_text.h"

namespace varnello {

// Renders an amount: sign slot (" " or "-"), at most 15 significant digits,
// exponent form from 1E+15 (and below 1E-4), one trailing space. Negative zero renders as zero.
std::string FormatAmount(double value);
// The amount as a plain number: FormatAmount without the sign slot's space and the trailing space.
std::string PlainAmount(double value);
// Appends FormatAmount(value) to `out`.
void AppendAmount(std::string& out, double value);

// The significant digits an amount prints with: its magnitude rounded to 15 significant digits
// (correctly, half to even, as printf's %.14e), without trailing zeros, and the place value
// 10^exponent of the first digit, taken after rounding.
using PrintedDigits = DecimalDigits;
// For a finite magnitude above zero.
PrintedDigits PrintedDigitsOf(double magnitude);

// The side of a journal line: the side a window books it on, or the side a person's text states.
enum class Side { None, Debit, Credit };

// How a caption prints the side it books, after the account: the regular form "（借）", and the
// irregular forms some windows print, each kept as it prints.
enum class SideMark : std::uint8_t {
  Full,       // 银行存款（借）
  Half,       // 长期债权投资-面值(借): half-width parentheses
  HalfClose,  // 生产成本（贷): a half-width closing parenthesis
  Unclosed,   // 固定资产（贷: no closing parenthesis
};
// The marker text of `side` in that form ("（借）", "(贷)" ...); empty for no side.
std::string_view SideMarkText(Side side, SideMark mark);

// What a journal line books, as the window states it: the account (the caption's text before the
// side marker), the side and how its marker prints. A line without a side prints the account
// alone: a figure named by its caption (入账价值), or a posting whose side its entry implies
// (应交税费-应交增值税（进） beside a debit and a credit that differ by its amount). A balance
// line states an account's balance rather than posting to it (未分配利润总（贷）, printed above the
// year's closing entries): it is no journal entry and takes no part in its entry's sums.
struct Posting {
  std::string_view account;
  Side side = Side::None;
  SideMark mark = SideMark::Full;
  bool balance = false;
};
// The caption the line prints: the account, then the side marker.
std::string CaptionOf(const Posting& posting);

// The journal output operations of one window.
class JournalSink {
 public:
  virtual ~JournalSink() = default;
  virtual void PrintHeading(std::string_view text) = 0;
  // Prints the posting's caption and amount; an empty amount prints the caption alone.
  virtual void PrintJournalLine(const Posting& posting, std::optional<double> amount) = 0;
  virtual void PrintBlankLine() = 0;
  // Prints text and leaves the line open: the next print continues on the same line.
  virtual void PrintOpenText(std::string_view text) = 0;
  virtual void ClearOutput() = 0;
};

// Lines of text held as one string, with the offset where each line begins: a press's printed
// lines cost a few allocations in all rather than one each. Lines are read as string views, valid
// until the lines change.
class TextLines {
 public:
  class Iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    Iterator() = default;
    Iterator(const TextLines* lines, size_t i) : lines_(lines), i_(i) {}
    std::string_view operator*() const { return (*lines_)[i_]; }
    std::string_view operator[](difference_type d) const { return *(*this + d); }
    Iterator& operator++() { return *this += 1; }
    Iterator operator++(int) { return std::exchange(*this, *this + 1); }
    Iterator& operator--() { return *this -= 1; }
    Iterator operator--(int) { return std::exchange(*this, *this - 1); }
    Iterator& operator+=(difference_type d) {
      i_ = static_cast<size_t>(static_cast<difference_type>(i_) + d);
      return *this;
    }
    Iterator& operator-=(difference_type d) { return *this += -d; }
    friend Iterator operator+(Iterator it, difference_type d) { return it += d; }
    friend Iterator operator+(difference_type d, Iterator it) { return it += d; }
    friend Iterator operator-(Iterator it, difference_type d) { return it -= d; }
    friend difference_type operator-(Iterator a, Iterator b) {
      return static_cast<difference_type>(a.i_) - static_cast<difference_type>(b.i_);
    }
    friend bool operator==(Iterator a, Iterator b) { return a.i_ == b.i_; }
    friend auto operator<=>(Iterator a, Iterator b) { return a.i_ <=> b.i_; }

   private:
    const TextLines* lines_ = nullptr;
    size_t i_ = 0;
  };
  using iterator = Iterator;
  using const_iterator = Iterator;
  using value_type = std::string_view;

  TextLines() = default;
  TextLines(std::initializer_list<std::string_view> lines);

  size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  std::string_view operator[](size_t i) const {
    size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
    return std::string_view(text_).substr(starts_[i], end - starts_[i]);
  }
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }
  // Each line as a string of its own, for consumers that keep them apart.
  std::vector<std::string> ToStrings() const { return {begin(), end()}; }

  // Begins a new, empty last line.
  void AddLine() { starts_.push_back(text_.size()); }
  // Continues the last line (there must be one).
  void Append(std::string_view text) { text_ += text; }
  void AppendAmount(double value) { varnello::AppendAmount(text_, value); }
  void reserve(size_t lines, size_t chars) {
    starts_.reserve(lines);
    text_.reserve(chars);
  }
  void clear() {
    starts_.clear();
    text_.clear();
  }

  friend bool operator==(const TextLines& a, const TextLines& b) {
    return a.starts_ == b.starts_ && a.text_ == b.text_;
  }
  friend bool operator==(const TextLines& a, const std::vector<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  std::string text_;
  std::vector<size_t> starts_;
};

// Reads a side out of text a person wrote (a student's answer, a user's chart); what a window
// prints carries its side as data (Posting). Where the text's side marker begins: the account is
// its first `account` bytes. The marker is read from the text's end in the regular form "（借）" /
// "（贷）", in the irregular forms of SideMark ("(借)", "（贷)", "（贷"), and with 方 as a student
// writes it, "(借方)". A text without a marker ("入账价值", "应交税费-应交增值税（进）") has no side
// and is all account.
struct CaptionSide {
  std::size_t account = 0;
  Side side = Side::None;
};
CaptionSide FindSide(std::string_view caption);
// "debit" / "credit" for the JSON answers, "" for none.
std::string_view SideName(Side side);
// "借" / "贷" as a student writes them, "" for none.
std::string_view SideText(Side side);

}  // namespace varnello
