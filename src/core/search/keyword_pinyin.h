// The toneless pinyin of every keyword, generated at build time (tools/keyword_pinyin_gen.cpp).
#pragma once

#include <string_view>
#include <vector>

namespace varnello {

struct KeywordPinyin {
  std::string_view keyword;
  std::string_view syllables;  // "mai gu piao": one syllable per Han character, blank-separated
};

// One row per keyword, in keyword-table order.
const std::vector<KeywordPinyin>& GeneratedKeywordPinyin();

}  // namespace varnello
