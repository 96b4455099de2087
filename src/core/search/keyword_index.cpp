#include "core/search/keyword_index.h"

#include <simdjson.h>

#include <algorithm>
#include <array>
#include <optional>

#include "core/catalogue/catalogue.h"
#include "core/search/han_pinyin.h"

namespace varnello {
namespace {

// A category window is known by its menu caption, or by its keyword when it has no menu entry.
std::string_view CategoryName(const CategoryDesc& category) {
  for (const MenuEntry& m : Menu()) {
    if (m.opens == category.id) return m.caption;
  }
  for (const KeywordRow& row : Keywords()) {
    if (row.window == category.id) return row.keyword;
  }
  return {};
}

bool IsKeywordOf(std::string_view caption, WindowId window) {
  for (const KeywordRow& row : Keywords()) {
    if (row.window == window && row.keyword == caption) return true;
  }
  return false;
}

// The category whose button bears the keyword itself fits best (改造 is a button of 商品/货物/原材料,
// while 固定资产 lists the same window as 改造固定资产); next one whose button bears another keyword
// of the same window (小规模纳税人 for 改造（小规模纳税人）); next the first category that opens the
// window; last the menu entry that shows it.
std::string_view SubjectOf(const KeywordRow& row) {
  const CategoryDesc* sameWindow = nullptr;
  const CategoryDesc* first = nullptr;
  for (const CategoryDesc& c : Categories()) {
    for (const CategoryButton& b : c.buttons) {
      if (b.opens != row.window) continue;
      if (b.caption == row.keyword) return CategoryName(c);
      if (sameWindow == nullptr && IsKeywordOf(b.caption, row.window)) sameWindow = &c;
      if (first == nullptr) first = &c;
    }
  }
  if (sameWindow != nullptr) return CategoryName(*sameWindow);
  if (first != nullptr) return CategoryName(*first);
  for (const MenuEntry& m : Menu()) {
    if (m.opens == row.window) return m.caption;
  }
  return {};
}

// Words whose characters have more than one reading and which the character table reads wrongly
// in these keywords; each correction applies wherever the word occurs. Every keyword's reading
// was checked once by eye, and 长 of 长期 (long-term, chang) is the only misreading among them:
// the table gives zhang, its reading as "to grow" or "elder". The other polyphonic characters of
// the keywords are read right: 行 in 发行 (xing), 应 in 应收/应付/应税 (ying), 得 in 所得税 (de),
// 模 in 规模 (mo), 卡 in 信用卡 (ka), 转 in 结转/转让 (zhuan), 累 in 累计 (lei), 少 in 少记 (shao),
// 调, 还, 重 and 传 do not occur. Accounts, found the same way in practice, add 行 of 银行 (hang).
struct Correction {
  std::u32string_view word;
  std::array<std::string_view, 2> syllables;
};
constexpr Correction kCorrections[] = {
    {U"长期", {"chang", "qi"}},
    {U"银行", {"yin", "hang"}},
};

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < s.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

// One syllable per Han character; other characters (the full-width parentheses) have none.
std::string Syllables(std::string_view keyword) {
  std::u32string chars = DecodeUtf8(keyword);
  std::vector<std::string_view> syllables;
  for (char32_t c : chars) syllables.push_back(HanSyllable(c));
  for (const Correction& fix : kCorrections) {
    for (size_t at = chars.find(fix.word); at != std::u32string::npos; at = chars.find(fix.word, at + 1)) {
      for (size_t i = 0; i < fix.word.size(); ++i) syllables[at + i] = fix.syllables[i];
    }
  }
  std::string joined;
  for (std::string_view s : syllables) {
    if (s.empty()) continue;
    if (!joined.empty()) joined += ' ';
    joined += s;
  }
  return joined;
}

// The full pinyin, initials and syllable starts of spaced syllables ("mai gu piao").
void Spell(std::string_view syllables, std::string& pinyin, std::string& initials,
           std::vector<size_t>& starts) {
  bool atStart = true;
  for (char c : syllables) {
    if (c == ' ') {
      atStart = true;
      continue;
    }
    if (atStart) {
      starts.push_back(pinyin.size());
      initials += c;
      atStart = false;
    }
    pinyin += c;
  }
}

KeywordEntry MakeEntry(const KeywordRow& row) {
  KeywordEntry e{row.keyword, row.window, SubjectOf(row), Syllables(row.keyword), {}, {}, {}};
  Spell(e.syllables, e.pinyin, e.initials, e.starts);
  return e;
}

// The query as matched: blanks dropped, Latin letters (also full-width ones) in lower case, ASCII
// parentheses as the full-width ones the keywords use. `latin` tells whether it is all letters.
struct Folded {
  std::string text;
  bool latin = true;
};

Folded Fold(std::string_view query) {
  Folded f;
  for (size_t i = 0; i < query.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(query[i]);
    if (c == ' ' || c == '\t') continue;
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    if (c >= 'a' && c <= 'z') {
      f.text += static_cast<char>(c);
      continue;
    }
    if (c == 0xE3 && query.substr(i, 3) == "\xE3\x80\x80") {  // U+3000 ideographic space
      i += 2;
      continue;
    }
    if (c == 0xEF && i + 2 < query.size()) {
      unsigned char c1 = static_cast<unsigned char>(query[i + 1]);
      unsigned char c2 = static_cast<unsigned char>(query[i + 2]);
      // U+FF21..U+FF3A and U+FF41..U+FF5A: full-width Latin letters.
      if ((c1 == 0xBC && c2 >= 0xA1 && c2 <= 0xBA) || (c1 == 0xBD && c2 >= 0x81 && c2 <= 0x9A)) {
        f.text += static_cast<char>('a' + (c1 == 0xBC ? c2 - 0xA1 : c2 - 0x81));
        i += 2;
        continue;
      }
    }
    f.latin = false;
    if (c == '(') {
      f.text += "（";
    } else if (c == ')') {
      f.text += "）";
    } else {
      f.text += static_cast<char>(c);
    }
  }
  if (f.text.empty()) f.latin = false;
  return f;
}

bool PinyinFromSyllable(std::string_view pinyin, const std::vector<size_t>& starts, std::string_view q) {
  for (size_t s : starts) {
    if (pinyin.substr(s).starts_with(q)) return true;
  }
  return false;
}

// How one text matches a folded query, if it does.
std::optional<MatchKind> MatchOf(const Folded& f, std::string_view text, std::string_view pinyin,
                                 std::string_view initials, const std::vector<size_t>& starts) {
  std::string_view q = f.text;
  if (f.latin) {
    if (initials == q || pinyin == q) return MatchKind::PinyinExact;
    if (initials.starts_with(q) || pinyin.starts_with(q)) return MatchKind::PinyinPrefix;
    if (initials.find(q) != std::string_view::npos || PinyinFromSyllable(pinyin, starts, q))
      return MatchKind::PinyinSubstring;
  } else if (text == q) {
    return MatchKind::Exact;
  } else if (text.starts_with(q)) {
    return MatchKind::Prefix;
  } else if (text.find(q) != std::string_view::npos) {
    return MatchKind::Substring;
  }
  return std::nullopt;
}

}  // namespace

const std::vector<KeywordEntry>& KeywordIndex() {
  static const std::vector<KeywordEntry> index = [] {
    std::vector<KeywordEntry> entries;
    for (const KeywordRow& row : Keywords()) entries.push_back(MakeEntry(row));
    return entries;
  }();
  return index;
}

std::vector<KeywordMatch> FindKeywords(std::string_view query) {
  std::vector<KeywordMatch> matches;
  // A stray byte would match inside the characters of any keyword that has it.
  if (!simdjson::validate_utf8(query.data(), query.size())) return matches;
  Folded f = Fold(query);
  if (f.text.empty()) return matches;
  for (const KeywordEntry& e : KeywordIndex()) {
    if (std::optional<MatchKind> kind = MatchOf(f, e.keyword, e.pinyin, e.initials, e.starts))
      matches.push_back({&e, *kind});
  }
  std::stable_sort(matches.begin(), matches.end(),
                   [](const KeywordMatch& a, const KeywordMatch& b) { return a.kind < b.kind; });
  return matches;
}

TextFinder::TextFinder(std::vector<std::string> texts) : texts_(std::move(texts)) {
  for (const std::string& text : texts_) {
    Spelled& s = spelled_.emplace_back();
    Spell(Syllables(text), s.pinyin, s.initials, s.starts);
  }
}

std::vector<size_t> TextFinder::find(std::string_view query) const {
  Folded f = Fold(query);
  std::vector<std::pair<MatchKind, size_t>> found;
  if (f.text.empty()) return {};
  for (size_t i = 0; i < texts_.size(); ++i) {
    const Spelled& s = spelled_[i];
    if (std::optional<MatchKind> kind = MatchOf(f, texts_[i], s.pinyin, s.initials, s.starts))
      found.emplace_back(*kind, i);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<size_t> indices;
  for (const auto& [kind, i] : found) indices.push_back(i);
  return indices;
}

std::string_view MatchKindName(MatchKind kind) {
  switch (kind) {
    case MatchKind::Exact:
      return "exact";
    case MatchKind::Prefix:
      return "prefix";
    case MatchKind::Substring:
      return "substring";
    case MatchKind::PinyinExact:
      return "pinyin";
    case MatchKind::PinyinPrefix:
      return "pinyin prefix";
    case MatchKind::PinyinSubstring:
      return "pinyin substring";
  }
  return "";
}

}  // namespace varnello
