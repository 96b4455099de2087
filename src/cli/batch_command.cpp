// varnello-cli batch: presses from JSON request lines, one JSON answer line each.

#include "cli/answer_lines.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/options.h"

namespace varnello::cli {

namespace {

int RunBatch(const Args& args) {
  return AnswerLines<BatchAnswerer>(args, "batch");
}

}  // namespace

extern const Command kBatchCommand = {
    "batch", RunBatch,
    "  varnello-cli batch\n"
    "      Reads JSON lines {\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}} from stdin and\n"
    "      writes one JSON line per request: {\"window\", \"lines\", \"entries\", \"fault\"} or\n"
    "      {\"error\"}. An entry is {\"heading\", \"rows\": [{\"account\", \"side\": \"debit\" |\n"
    "      \"credit\" | null, \"amount\", \"line\"}], \"debit\", \"credit\", \"balanced\"}, line being\n"
    "      the index into \"lines\"; debit and credit are the sums of its rows, balanced whether\n"
    "      they agree to half a 分. A row whose caption prints no side but whose entry balances\n"
    "      only on one side gets that side and \"side_inferred\": true; a line stating a balance\n"
    "      (未分配利润总) has \"balance_line\": true and is in no sum. A sum past the largest\n"
    "      double is null and its entry, not balanced, has \"fault\": \"overflow\": every answer\n"
    "      is strict JSON. \"warnings\" as for press.\n"
    "      Every input line gets exactly one answer line, in the same order (a blank or malformed\n"
    "      line gets an error answer), so answers pair with requests by position. A request's\n"
    "      optional \"id\" (any JSON value) is echoed first in its answer, as it was written.\n"
    "      Lines longer than 1 MiB, repeated keys, unknown keys, bytes after the object and text\n"
    "      that is not UTF-8 are answered with an error; the batch goes on. A request with\n"
    "      \"explain\": true also gets \"working\", as press --json does. Each answer is written\n"
    "      before the next request is waited for. Exit status: 0 done.\n"};

}  // namespace varnello::cli
