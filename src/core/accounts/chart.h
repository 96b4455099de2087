// Account codes: the printed account captions matched to a chart of accounts, the standard chart
// of the enterprise accounting standards or a user's own chart laid over it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace varnello {

// Where a printed account stands in a chart.
struct AccountCode {
  std::string code;         // the deepest account of the chart that the caption reaches
  std::string name;         // that account's full name, levels joined by "-"
  std::string general;      // the first-level account (总账科目)
  std::string generalCode;  // its code
  std::string detail;       // the caption below the first level (明细科目), empty for none
  bool operator==(const AccountCode&) const = default;
};

class Chart {
 public:
  // The standard chart alone.
  static const Chart& Standard();

  // The standard chart with a user's chart laid over it: CSV text of 科目编码,科目名称 rows as
  // accounting software exports it (UTF-8, an optional byte-order mark, an optional header row,
  // quoted cells, further columns ignored). A user's row replaces the standard account of the
  // same code and adds the others. A user's name may be the account's own name (进项税额) or its
  // full name with the levels joined by "-", "_", "/" or "\" (应交税费-应交增值税-进项税额).
  // Empty, with the reason in `error`, when a row's code is not digits or its name is missing.
  static std::optional<Chart> WithUserCsv(std::string_view csv, std::string* error);

  // The code of a printed account caption (side marker already taken off): the first level by
  // its name, by another name of the table of names (应交税金 → 2221 应交税费), or as the
  // first of two alternatives ("库存现金/银行存款" → 1001); the levels below by "-" or by a
  // parenthesised detail ("长期债券投资（面值）"). A user's sub-account whose name matches the
  // detail is taken as the code. None when the first level is not an account of the chart.
  std::optional<AccountCode> Find(std::string_view account) const;

  // Every account of the chart, by code.
  const std::map<std::string, std::string>& accounts() const { return names_; }

 private:
  Chart() = default;
  // The code of a first-level name, by the chart's names.
  std::optional<std::string> FirstLevel(std::string_view name) const;
  std::map<std::string, std::string> names_;                // code -> own name
  std::map<std::string, std::string, std::less<>> byName_;  // first-level name -> code
};

}  // namespace varnello
