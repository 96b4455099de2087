// The arithmetic fault that ends a press.
#pragma once

#include <string_view>

namespace varnello {

enum class FaultKind { DivisionByZero, Overflow };

struct Fault {
  FaultKind kind;
};

// Message box text of a fault ("除数为零" / "溢出").
constexpr std::string_view FaultMessage(FaultKind kind) {
  return kind == FaultKind::DivisionByZero ? "除数为零" : "溢出";
}
// Machine name of a fault ("division_by_zero" / "overflow").
constexpr std::string_view FaultName(FaultKind kind) {
  return kind == FaultKind::DivisionByZero ? "division_by_zero" : "overflow";
}

}  // namespace varnello
