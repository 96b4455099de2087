#include "core/engine/window_id.h"

#include <array>
#include <ostream>

namespace varnello {

namespace {

struct NameText {
  char text[8] = {};
  std::size_t size = 0;
};

// "FormN" of every window, spelled out at compile time.
constexpr std::array<NameText, WindowId::kCount + 1> kNames = [] {
  std::array<NameText, WindowId::kCount + 1> names{};
  for (int n = 1; n <= WindowId::kCount; ++n) {
    NameText& t = names[static_cast<std::size_t>(n)];
    for (char c : std::string_view("Form")) t.text[t.size++] = c;
    char digits[3];
    int count = 0;
    for (int rest = n; rest > 0; rest /= 10) digits[count++] = static_cast<char>('0' + rest % 10);
    while (count > 0) t.text[t.size++] = digits[--count];
  }
  return names;
}();

}  // namespace

std::string_view WindowId::name() const {
  const NameText& t = kNames[number_];
  return {t.text, t.size};
}

std::ostream& operator<<(std::ostream& out, WindowId id) {
  return out << (id ? id.name() : std::string_view("(none)"));
}

}  // namespace varnello
