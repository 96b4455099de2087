// The arithmetic fault that ends a press.
#pragma once

#include <string_view>

namespace varnello {

enum class FaultKind { DivisionByZero, Overflow };

struct Fault {
  FaultKind kind;
};

// Message box text of a fault ("除数为零" / "溢出").
std::string_view FaultMessage(FaultKind kind);
// Machine name of a fault ("division_by_zero" / "overflow").
std::string_view FaultName(FaultKind kind);

}  // namespace varnello
