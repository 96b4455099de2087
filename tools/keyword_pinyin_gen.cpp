// Build-time generator: writes the toneless pinyin of every keyword as a C++ table, so that the
// program itself needs no transliteration library at run time.
//   keyword_pinyin_gen OUT.cpp
// The readings come from ICU's Han-Latin transliteration; the few words it reads wrongly in an
// accounting context are corrected by the list below.
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/tables.h"

namespace {

struct Reading {
  std::string_view word;
  std::string_view syllables;  // one toneless syllable per character, separated by blanks
};

// Words whose characters have more than one reading and which Han-Latin reads wrongly here. Each
// correction applies wherever the word occurs in a keyword. Every keyword's reading was checked
// once by eye; 长 in 长期 (long-term) is the only misreading among them: Han-Latin gives zhang,
// the reading of 长 as "to grow" or "elder". The other polyphonic characters of the keywords are
// read correctly: 行 in 发行 (xing), 应 in 应收/应付/应税 (ying), 得 in 所得税 (de), 模 in
// 规模 (mo), 卡 in 信用卡 (ka), 转 in 结转/转让 (zhuan), 累 in 累计 (lei), 少 in 少记 (shao).
constexpr Reading kCorrections[] = {
    {"长期", "chang qi"},
};

std::u32string ToUtf32(std::string_view s) {
  icu::UnicodeString u =
      icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
  std::u32string out;
  for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1))
    out.push_back(static_cast<char32_t>(u.char32At(i)));
  return out;
}

std::vector<std::string> Split(std::string_view s) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : s) {
    if (c == ' ') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

bool IsHan(char32_t c) {
  return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

// The syllables of a keyword, one per Han character; other characters (the full-width
// parentheses) have no syllable.
std::vector<std::string> Syllables(icu::Transliterator& toLatin, std::string_view keyword) {
  std::u32string chars = ToUtf32(keyword);
  std::vector<std::string> syllables;
  for (char32_t c : chars) {
    if (!IsHan(c)) {
      syllables.emplace_back();
      continue;
    }
    // Each character alone first; words of the correction list then overwrite their characters.
    icu::UnicodeString u(static_cast<UChar32>(c));
    toLatin.transliterate(u);
    std::string latin;
    u.toUTF8String(latin);
    std::string letters;
    for (char ch : latin) {
      if (ch >= 'a' && ch <= 'z') letters += ch;
      if (ch >= 'A' && ch <= 'Z') letters += static_cast<char>(ch - 'A' + 'a');
    }
    syllables.push_back(letters);
  }
  for (const Reading& r : kCorrections) {
    std::u32string word = ToUtf32(r.word);
    std::vector<std::string> fixed = Split(r.syllables);
    for (size_t at = chars.find(word); at != std::u32string::npos; at = chars.find(word, at + 1)) {
      for (size_t i = 0; i < fixed.size(); ++i) syllables[at + i] = fixed[i];
    }
  }
  return syllables;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: keyword_pinyin_gen OUT.cpp\n";
    return 2;
  }
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> toLatin(
      icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
  if (U_FAILURE(status) || !toLatin) {
    std::cerr << "keyword_pinyin_gen: no Han-Latin transliterator: " << u_errorName(status) << "\n";
    return 1;
  }
  std::string out =
      "// Generated at build time by tools/keyword_pinyin_gen.cpp from the keyword table; do not edit.\n"
      "#include \"core/search/keyword_pinyin.h\"\n\n"
      "namespace varnello {\n\n"
      "const std::vector<KeywordPinyin>& GeneratedKeywordPinyin() {\n"
      "  static const std::vector<KeywordPinyin> rows = {\n";
  for (const varnello::KeywordRow& row : varnello::Keywords()) {
    std::string joined;
    for (const std::string& s : Syllables(*toLatin, row.keyword)) {
      if (s.empty()) continue;
      if (!joined.empty()) joined += ' ';
      joined += s;
    }
    if (joined.empty() || row.keyword.find_first_of("\"\\") != std::string_view::npos) {
      std::cerr << "keyword_pinyin_gen: cannot write a reading for " << row.keyword << "\n";
      return 1;
    }
    out += "      {\"" + std::string(row.keyword) + "\", \"" + joined + "\"},\n";
  }
  out += "  };\n  return rows;\n}\n\n}  // namespace varnello\n";
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << out;
  if (!file.flush()) {
    std::cerr << "keyword_pinyin_gen: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
