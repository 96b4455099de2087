// varnello-cli find: the keywords matching a query.

#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "core/json/json_writer.h"
#include "core/search/keyword_index.h"

namespace varnello::cli {

namespace {

int FindKeyword(const Args& args) {
  Options options(args);
  bool asJson = options.flag("--json");
  if (!options.wordsOnly("find")) return kUsageError;
  if (options.words().size() != 1) return UsageError("find: give one query (see --help)");
  std::string_view query = options.words()[0];
  std::vector<KeywordMatch> matches = FindKeywords(query);
  const int status = matches.empty() ? 1 : 0;
  std::string out;
  if (asJson) {
    JsonWriter json(out);
    json.beginObject().key("query").string(query).key("matches").beginArray();
    for (const KeywordMatch& m : matches) {
      json.beginObject().key("keyword").string(m.entry->keyword).key("window").string(m.entry->window.name());
      json.key("subject").string(m.entry->subject).key("pinyin").string(m.entry->syllables);
      json.key("initials").string(m.entry->initials).key("match").string(MatchKindName(m.kind)).endObject();
    }
    json.endArray().endObject();
    return Emit(out + "\n", status);
  }
  for (const KeywordMatch& m : matches) {
    out += m.entry->keyword;
    out += "  ";
    out += m.entry->window.name();
    if (!m.entry->subject.empty()) {
      out += "  ";
      out += m.entry->subject;
    }
    out += "\n";
  }
  return Emit(out, status);
}

}  // namespace

extern const Command kFindCommand = {
    "find", FindKeyword,
    "  varnello-cli find QUERY [--json]\n"
    "      Lists the keywords matching QUERY, best first: by their characters (股票), their pinyin\n"
    "      initials (mgp) or their full pinyin (gongzi), with window and subject. Exit status:\n"
    "      0 something matched, 1 nothing did.\n"};

}  // namespace varnello::cli
