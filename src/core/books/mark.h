// Practice on a book: a student's filled trial balance or statements, marked cell by cell against
// the book's own, with the right figure on request and, for a wrong statement line, the accounts
// that fill it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/books/book.h"

namespace varnello {

struct BookMark {
  std::size_t line = 0;  // the answer file's line
  std::string report;    // 试算平衡表, 资产负债表 or 利润表
  std::string item;      // the account (code and name) or the statement line
  std::string column;    // 期初借方 … 期末贷方, 期末余额 or 本期金额
  Fen given = 0;
  Fen right = 0;
  bool correct = false;
  std::string feeds;    // which accounts fill the line or cell
  std::string problem;  // a cell that names no account, line or column of the book
};

struct BookMarking {
  std::vector<BookMark> marks;
  int right = 0, wrong = 0;
};

// Marks an answer file: CSV rows 表,项目,栏,金额 (a header row allowed). 表 is 试算平衡表 (trial),
// 资产负债表 (balance-sheet) or 利润表 (income); 项目 an account's code or name, or a statement
// line's caption (with or without its "减：" or "一、" and its parenthesised remark); 栏 for the
// trial balance one of 期初借方 期初贷方 本期借方 本期贷方 期末借方 期末贷方, for a statement empty,
// 期末余额 or 本期金额; 金额 a number (commas allowed, empty for 0). Empty, with the reason in
// `error`, when the file is no CSV.
std::optional<BookMarking> MarkBook(const Book& book, std::string_view csv, std::string& error);

// The marks as text: one line a cell, "✓" or "✗", with `reveal` the right figure of a wrong
// cell, and what fills it; then how many are right.
std::string MarkText(const BookMarking& marking, bool reveal);

}  // namespace varnello
