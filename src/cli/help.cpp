// The help text of varnello-cli.

#include <span>
#include <string>

#include "cli/commands.h"

namespace varnello::cli {

std::string HelpText(std::span<const Command* const> commands) {
  std::string text = "varnello-cli: compute journal entries without a screen.\n\n";
  for (const Command* c : commands) {
    text += c->help;
    for (const Command& part : c->parts) text += part.help;
  }
  text += "  varnello-cli --help | --version | COMMAND --help\n";
  text +=
      "\nField names are exact (Text1, not Text01). Unknown options or arguments: exit status 2.\n"
      "Options take their value as --name VALUE or --name=VALUE; an option or field given twice\n"
      "is refused. Every command ends with exit status 4 when its input cannot be read or its\n"
      "output cannot be written, a reader that went away included (a message on stderr says why).\n"
      "\nExamples:\n"
      "  $ varnello-cli press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50\n"
      "  购入股票\n"
      "  交易性金融资产-成本（借） 9550\n"
      "  ...\n"
      "  $ varnello-cli capital 10050\n"
      "  壹万零伍拾元整\n"
      "  $ echo '{\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}}' | varnello-cli batch\n"
      "  {\"window\":\"Form6\",\"lines\":[\"购入股票\",...],\"fault\":null}\n";
  return text;
}

}  // namespace varnello::cli
