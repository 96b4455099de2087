// The toneless pinyin of the common Han characters (U+4E00..U+9FFF), generated at build time from
// ICU's Han-Latin transliteration (tools/han_pinyin_gen.cpp), so the program needs no
// transliteration library at run time.
#pragma once

#include <string_view>

namespace varnello {

// "gu" for 股; empty for a character outside the table or without a reading.
std::string_view HanSyllable(char32_t c);

}  // namespace varnello
