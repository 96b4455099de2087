// varnello-cli mark: students' answers from JSON request lines, marked against the windows' keys.

#include "cli/answer_lines.h"
#include "cli/commands.h"
#include "cli/mark.h"
#include "cli/options.h"

namespace varnello::cli {

namespace {

int MarkAnswers(const Args& args) {
  return AnswerLines<cli::MarkAnswerer>(args, "mark");
}

}  // namespace

extern const Command kMarkCommand = {
    "mark", MarkAnswers,
    "  varnello-cli mark\n"
    "      Reads JSON lines {\"window\", \"fields\", \"answer\": [{\"account\", \"side\": \"借\"|\"贷\", "
    "\"amount\",\n"
    "      \"entry\"}, ...], \"entry\", \"format\": \"初级\"|\"中级\", \"detail\": "
    "\"required\"|\"optional\", \"unit\":\n"
    "      \"yuan\"|\"wan\", \"reveal\"} and marks the answer entry by entry against the entries the\n"
    "      window computes: with \"entry\" (an index, or exercise's {\"index\", \"heading\"}) against\n"
    "      that entry alone; without, each line against the entry it names, else the entry being\n"
    "      written (lines read in order). Accounts in their usual forms (：, ——, 进项税额, old\n"
    "      names), sides as 借/借方/贷/贷方, Dr/Cr or debit/credit, amounts as written (¥, grouping\n"
    "      commas, full-width digits; within one 分 when the entry balances); a wrong account on a\n"
    "      line is one error. Format 初级 (the default): detail accounts required, amounts in 元;\n"
    "      中级: the first-level account is enough, amounts in 万元 to two decimals (within 0.01\n"
    "      万元 when the entry balances). detail optional: the first-level account is enough; unit\n"
    "      wan: amounts in 万元 (both over the format's); reveal: reasons give the right amounts.\n"
    "      One JSON line each: {\"window\", \"score\" (the mean of the entries'), \"rows\": [{\"mark\":\n"
    "      \"correct\"|\"wrong_side\"|\"wrong_amount\"|\"wrong_detail\"|\"wrong_account\"|\"not_in_key\",\n"
    "      \"reason\", \"entry\"}], \"missing\": [{\"account\", \"side\", \"reason\"}], \"entries\": "
    "[{\"index\",\n"
    "      \"heading\", \"score\", \"rows\", \"missing\"}], \"key\": [{\"account\", \"side\", \"amount\"}]} "
    "(the key\n"
    "      of the entry asked for; \"entry\" then too; \"warnings\" as for press), or {\"error\"}; when\n"
    "      the press faults, \"fault\" in place of \"score\". Requests are read as batch reads them\n"
    "      (\"id\" echoed, the same errors). Exit status: 0 done.\n"};

}  // namespace varnello::cli
