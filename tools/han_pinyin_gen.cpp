// Build-time generator: writes the toneless pinyin of every character of the CJK Unified
// Ideographs block as a compact C++ table, so that the program itself needs no transliteration
// library at run time.
//   han_pinyin_gen OUT.cpp
// The readings come from ICU's Han-Latin transliteration, one character at a time; words whose
// reading depends on context are corrected where they are used (core/search/keyword_index.cpp).
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: han_pinyin_gen OUT.cpp\n";
    return 2;
  }
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> toLatin(
      icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
  if (U_FAILURE(status) || !toLatin) {
    std::cerr << "han_pinyin_gen: no Han-Latin transliterator: " << u_errorName(status) << "\n";
    return 1;
  }
  constexpr UChar32 kFirst = 0x4E00, kLast = 0x9FFF;
  std::vector<std::string> syllables{""};  // index 0: no reading
  std::map<std::string, size_t> indexOf{{"", 0}};
  std::vector<size_t> index;
  for (UChar32 c = kFirst; c <= kLast; ++c) {
    icu::UnicodeString u(c);
    toLatin->transliterate(u);
    std::string latin;
    u.toUTF8String(latin);
    std::string letters;
    bool plain = !latin.empty();
    for (char ch : latin) {
      if (ch >= 'a' && ch <= 'z') {
        letters += ch;
      } else if (ch >= 'A' && ch <= 'Z') {
        letters += static_cast<char>(ch - 'A' + 'a');
      } else {
        plain = false;  // left untransliterated, or not a single plain syllable
      }
    }
    if (!plain) letters.clear();
    auto [it, added] = indexOf.emplace(letters, syllables.size());
    if (added) syllables.push_back(letters);
    index.push_back(it->second);
  }
  std::string out =
      "// Generated at build time by tools/han_pinyin_gen.cpp from ICU's Han-Latin; do not edit.\n"
      "#include <cstdint>\n\n"
      "#include \"core/search/han_pinyin.h\"\n\n"
      "namespace varnello {\n"
      "namespace {\n\n"
      "constexpr std::string_view kSyllables[] = {";
  for (size_t i = 0; i < syllables.size(); ++i)
    out += (i % 12 == 0 ? "\n    \"" : " \"") + syllables[i] + "\",";
  out += "\n};\n\nconstexpr std::uint16_t kSyllableOf[] = {";
  for (size_t i = 0; i < index.size(); ++i)
    out += (i % 20 == 0 ? "\n    " : " ") + std::to_string(index[i]) + ",";
  out += "\n};\n\n}  // namespace\n\n";
  out += "std::string_view HanSyllable(char32_t c) {\n";
  out += "  if (c < " + std::to_string(kFirst) + " || c > " + std::to_string(kLast) + ") return {};\n";
  out += "  return kSyllables[kSyllableOf[c - " + std::to_string(kFirst) + "]];\n";
  out += "}\n\n}  // namespace varnello\n";
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << out;
  if (!file.flush()) {
    std::cerr << "han_pinyin_gen: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
