// Finding a keyword without knowing it exactly: by its characters, its pinyin initials or its
// full pinyin, for the main window's suggestions and `varnello-cli find`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/engine/window_id.h"

namespace varnello {

struct KeywordEntry {
  std::string_view keyword;
  WindowId window;
  // Where the window is listed for browsing: the menu caption of its category window (股票/债券),
  // or the category's keyword when the category has no menu entry (固定资产), or its own menu
  // caption (工资); empty when no category window or menu entry lists it.
  std::string_view subject;
  std::string syllables;       // "mai gu piao"
  std::string pinyin;          // "maigupiao"
  std::string initials;        // "mgp"
  std::vector<size_t> starts;  // offset in `pinyin` of each syllable
};

// Every keyword in table order; built on first use.
const std::vector<KeywordEntry>& KeywordIndex();

// How a query matched, best first.
enum class MatchKind {
  Exact,            // the query is the keyword
  Prefix,           // the keyword begins with the query
  Substring,        // the keyword contains the query
  PinyinExact,      // the initials or the full pinyin are the query (gz, gongzi)
  PinyinPrefix,     // the initials or the full pinyin begin with the query (gzx, gong)
  PinyinSubstring,  // the initials contain it, or the full pinyin from a syllable on (gp, gupiao)
};

struct KeywordMatch {
  const KeywordEntry* entry;
  MatchKind kind;
};

// The keywords matching a query, best kind first and in table order within a kind. Latin letters
// match the pinyin, case-insensitively, full-width letters folded and blanks ignored; other text
// matches the keywords' characters (blanks ignored, ASCII parentheses as full-width ones). An
// empty query matches nothing.
std::vector<KeywordMatch> FindKeywords(std::string_view query);

std::string_view MatchKindName(MatchKind kind);

// Texts of one's own (accounts, say) found as keywords are: by their characters, pinyin initials
// or full pinyin, with the same folding of the query and the same order of matches.
class TextFinder {
 public:
  explicit TextFinder(std::vector<std::string> texts);
  // The indices of the matching texts, best kind first and in the texts' order within a kind.
  std::vector<size_t> find(std::string_view query) const;
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  struct Spelled {
    std::string pinyin, initials;
    std::vector<size_t> starts;
  };
  std::vector<std::string> texts_;
  std::vector<Spelled> spelled_;
};

}  // namespace varnello
