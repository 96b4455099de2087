// Small edits of text as students write it, shared by the reading of their accounts and of their
// amounts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnello {

// Replaces every `from` by `to`. In one pass into a new string, so that the time stays linear
// however many there are.
inline void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  size_t at = text.find(from);
  if (at == std::string::npos) return;
  std::string replaced;
  replaced.reserve(text.size());
  size_t done = 0;
  for (; at != std::string::npos; at = text.find(from, done)) {
    replaced.append(text, done, at - done);
    replaced += to;
    done = at + from.size();
  }
  replaced.append(text, done);
  text = std::move(replaced);
}

// Takes `end` off the end of the text; whether it was there.
inline bool StripEnd(std::string& text, std::string_view end) {
  if (!text.ends_with(end)) return false;
  text.resize(text.size() - end.size());
  return true;
}

}  // namespace varnello
