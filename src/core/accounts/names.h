// The one table of account names: every account with its code, the editions of the chart it stands
// in, and the other names that stand for it (earlier names, colloquial names, a detail printed
// without its account, the windows' own words). The chart of accounts, the marking of answers and
// the vouchers all read it; docs/accounts.md explains each doubtful mapping.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace varnello {

// The editions of the chart an account stands in (a bit set).
enum ChartEdition : unsigned {
  // The chart the program books with: the standard chart of 财会〔2006〕18号 as later amended
  // (6403 renamed, 6702 added).
  kChart2006 = 1,
  // The current chart: the accounts the standards revised since 2017 brought in.
  kChartCurrent = 2,
};
inline constexpr unsigned kBothEditions = kChart2006 | kChartCurrent;

// Where an account's code comes from.
enum class CodeSource {
  kStandard,      // the chart of accounts published with the standards
  kConventional,  // the number accounting software commonly gives an account the chart lacks
};

struct AccountRow {
  std::string_view code;
  std::string_view name;
  unsigned editions = kBothEditions;
  CodeSource source = CodeSource::kStandard;
  // The name of the account that takes its place in the current chart, when it is another ("" for
  // none or for the same account).
  std::string_view current = {};
};

// Why another name stands for an account.
enum class NameKind {
  kEarlier,     // the account's name before the standards of 2006 or a later change
  kColloquial,  // the word in everyday use (现金 for 库存现金)
  kDetail,      // a detail account printed without its general account
  kWindowWord,  // a window's own word for the account, decided in docs/accounts.md
};

// A name that stands for an account of the 2006 edition, with the detail it implies.
struct OtherName {
  std::string_view name;
  std::string_view account;
  std::string_view detail;  // put before any detail written below the name; "" for none
  NameKind kind;
};

// A short or other written form of a detail account under the level above it (进 under
// 应交增值税 for 进项税额). `to` may hold several levels joined by "-".
struct DetailForm {
  std::string_view parent;
  std::string_view from;
  std::string_view to;
};

std::span<const AccountRow> AccountRows();
std::span<const OtherName> OtherNames();
std::span<const DetailForm> DetailForms();

// What a first-level name stands for in the 2006 edition: the account's own name and the detail the
// name implies. An account's own name stands for itself. Nothing for a name of no account.
struct NameMeaning {
  std::string_view account;
  std::string_view detail;
};
std::optional<NameMeaning> MeaningOf(std::string_view name);

}  // namespace varnello
