// The identity of a window: the number N of its name "FormN", 1 to 125.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace varnello {

class WindowId {
 public:
  static constexpr int kCount = 125;

  // No window: the target of a caption that opens nothing.
  constexpr WindowId() = default;
  // A window named in the source ("Form6"): a malformed or out-of-range name does not compile.
  consteval WindowId(const char* name) : number_(NumberOf(name)) {}

  // The window of a name typed at run time ("Form6"); nullopt for anything else.
  static std::optional<WindowId> Parse(std::string_view name);
  static constexpr std::optional<WindowId> FromNumber(int n) {
    if (n < 1 || n > kCount) return std::nullopt;
    WindowId id;
    id.number_ = static_cast<std::uint8_t>(n);
    return id;
  }

  constexpr int number() const { return number_; }
  constexpr explicit operator bool() const { return number_ != 0; }
  // "Form6"; empty for no window.
  std::string_view name() const;

  friend constexpr bool operator==(WindowId, WindowId) = default;
  friend constexpr auto operator<=>(WindowId, WindowId) = default;

 private:
  static consteval std::uint8_t NumberOf(const char* name) {
    std::string_view s(name);
    if (s.substr(0, 4) != "Form" || s.size() < 5 || s.size() > 7 || s[4] == '0') throw "not a window name";
    int n = 0;
    for (char c : s.substr(4)) {
      if (c < '0' || c > '9') throw "not a window name";
      n = n * 10 + (c - '0');
    }
    if (n > kCount) throw "no such window";
    return static_cast<std::uint8_t>(n);
  }

  std::uint8_t number_ = 0;
};

inline constexpr WindowId kMainWindow = "Form1";

// Writes the name, for messages and test output.
std::ostream& operator<<(std::ostream& out, WindowId id);

}  // namespace varnello
