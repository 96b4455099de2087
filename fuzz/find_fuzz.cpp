// Fuzz target: any bytes as a keyword query. Bytes that are not UTF-8 match nothing; matches
// come best first, each keyword at most once; a keyword (chosen by the first byte) with the
// input's UTF-8 appended still finds itself, and alone finds itself first.
#include <simdjson.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "core/search/keyword_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnello;
  std::string_view query(reinterpret_cast<const char*>(data), size);
  std::vector<KeywordMatch> matches = FindKeywords(query);
  if (!simdjson::validate_utf8(query.data(), query.size()) && !matches.empty()) std::abort();
  std::set<const KeywordEntry*> seen;
  for (size_t i = 0; i < matches.size(); ++i) {
    if (!seen.insert(matches[i].entry).second) std::abort();
    if (i > 0 && matches[i].kind < matches[i - 1].kind) std::abort();
  }
  if (size == 0) return 0;
  const std::vector<KeywordEntry>& index = KeywordIndex();
  const KeywordEntry& keyword = index[data[0] % index.size()];
  std::vector<KeywordMatch> alone = FindKeywords(keyword.keyword);
  if (alone.empty() || alone[0].kind != MatchKind::Exact || alone[0].entry->keyword != keyword.keyword) {
    std::abort();
  }
  return 0;
}
