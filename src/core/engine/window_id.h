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

  // The window of a name ("Form6", written exactly so: no blank, sign or leading zero); nullopt
  // for anything else. The one reader of window names, at compile time and at run time.
  static constexpr std::optional<WindowId> Parse(std::string_view name) {
    if (name.size() < 5 || name.size() > 7 || name.substr(0, 4) != "Form" || name[4] == '0')
      return std::nullopt;
    int n = 0;
    for (char c : name.substr(4)) {
      if (c < '0' || c > '9') return std::nullopt;
      n = n * 10 + (c - '0');
    }
    return FromNumber(n);
  }
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
    std::optional<WindowId> id = Parse(name);
    if (!id) throw "not a window name";
    return id->number_;
  }

  std::uint8_t number_ = 0;
};

inline constexpr WindowId kMainWindow = "Form1";

// Writes the name, for messages and test output.
std::ostream& operator<<(std::ostream& out, WindowId id);

}  // namespace varnello
