// varnello-cli accounts: the accounts the windows print, with their codes in the chart.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "core/accounts/chart.h"
#include "core/json/json_writer.h"
#include "core/practice/printed_accounts.h"

namespace varnello::cli {

namespace {

int ListAccounts(const Args& args) {
  Options options(args);
  bool asJson = options.flag("--json");
  int status = 0;
  std::optional<Chart> chart = ChartOption(options, "accounts", status);
  if (!chart) return status;
  if (!options.wordsOnly("accounts")) return kUsageError;
  if (!options.words().empty()) return UsageError("accounts: takes no arguments (see --help)");
  struct Listed {
    PrintedAccount printed;
    std::optional<AccountCode> code;
  };
  std::vector<Listed> listed;
  for (PrintedAccount& a : PrintedAccounts()) {
    std::optional<AccountCode> code = chart->Find(a.account);
    listed.push_back({std::move(a), std::move(code)});
  }
  std::stable_sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
    return (a.code ? a.code->code : "~") < (b.code ? b.code->code : "~");
  });
  bool uncoded = false;
  std::string out;
  JsonWriter json(out);
  if (asJson) json.beginObject().key("accounts").beginArray();
  for (const Listed& l : listed) {
    uncoded = uncoded || !l.code;
    if (asJson) {
      json.beginObject().key("account").string(l.printed.account);
      // A user's chart is read as UTF-8 (GBK converted); the JSON text stays UTF-8 whatever.
      auto part = [&](std::string_view key, const std::string AccountCode::*text) {
        json.key(key);
        l.code ? json.string(ValidUtf8(l.code.value().*text)) : json.null();
      };
      part("code", &AccountCode::code);
      part("name", &AccountCode::name);
      part("general", &AccountCode::general);
      part("general_code", &AccountCode::generalCode);
      part("detail", &AccountCode::detail);
      json.key("windows").beginArray();
      for (const std::string& w : l.printed.windows) json.string(w);
      json.endArray().endObject();
      continue;
    }
    out += l.code ? l.code->code : "----";
    out += "\t" + l.printed.account + "\t" + (l.code ? l.code->name : "(no code)") + "\t";
    for (std::size_t i = 0; i < l.printed.windows.size(); ++i) out += (i ? " " : "") + l.printed.windows[i];
    out += "\n";
  }
  if (asJson) {
    json.endArray().endObject();
    out += '\n';
  }
  return Emit(out, uncoded ? 1 : 0);
}

}  // namespace

extern const Command kAccountsCommand = {
    "accounts", ListAccounts,
    "  varnello-cli accounts [--json] [--chart FILE]\n"
    "      Lists every account the windows print on a debit or credit side, with its code in\n"
    "      the standard chart of accounts and the windows that print it, one per line: code,\n"
    "      account as printed, account in the chart (levels joined by -), windows; tab-separated.\n"
    "      --chart FILE lays the user's own chart over the standard one: CSV rows of\n"
    "      科目编码,科目名称 (a header row allowed; UTF-8 or GBK, any line ends; a fault names its\n"
    "      line); detail accounts then take its codes. json gives\n"
    "      {\"accounts\": [{\"account\", \"code\", \"name\", \"general\", \"general_code\", \"detail\",\n"
    "      \"windows\"}]}. Exit status: 0 every account has a code, 1 some has none.\n"};

}  // namespace varnello::cli
