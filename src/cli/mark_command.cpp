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
    "      Reads JSON lines {\"window\", \"fields\", \"answer\": [{\"account\", \"side\": \"借\"|\"贷\",\n"
    "      \"amount\", \"entry\"}, ...], \"entry\", \"detail\": \"required\"|\"optional\", \"unit\":\n"
    "      \"yuan\"|\"wan\", \"reveal\"} and marks the answer entry by entry against the entries the\n"
    "      window computes: with \"entry\" (an index, or exercise's {\"index\", \"heading\"}) against\n"
    "      that entry alone; without, each line against the entry it names, else the entry being\n"
    "      written (lines read in order). Accounts in their usual forms (：, ——, 进项税额, old\n"
    "      names), amounts as written (¥, grouping commas, full-width digits; within one 分 when\n"
    "      the entry balances); detail optional: the first-level account is enough; unit wan:\n"
    "      amounts in 万元; reveal: reasons give the right amounts. One JSON line each:\n"
    "      {\"window\", \"score\" (the mean of the entries'), \"rows\": [{\"mark\": \"correct\"|\n"
    "      \"wrong_side\"|\"wrong_amount\"|\"wrong_detail\"|\"not_in_key\", \"reason\", \"entry\"}],\n"
    "      \"missing\": [{\"account\", \"side\", \"reason\"}], \"entries\": [{\"index\", \"heading\",\n"
    "      \"score\", \"rows\", \"missing\"}], \"key\": [{\"account\", \"side\", \"amount\"}]} (the key of\n"
    "      the entry asked for; \"entry\" then too; \"warnings\" as for press), or {\"error\"}; when\n"
    "      the press faults, \"fault\" in place of \"score\". Requests are read as batch reads them\n"
    "      (\"id\" echoed, the same errors). Exit status: 0 done.\n"};

}  // namespace varnello::cli
