// The rendering of an amount built from printf's correctly rounded "%.14e" digits: the reference
// that FormatAmount is compared with (differential test, fuzz target).
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace varnello::testing {

inline std::string FormatAmountByPrintf(double value) {
  if (value == 0.0) return " 0 ";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::string digits = buf[0] + std::string(buf + 2, 14);
  int e = std::atoi(buf + 17);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string body;
  size_t whole = static_cast<size_t>(e) + 1;
  if (e >= 15 || e < -4) {
    body = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + "E" +
           (e < 0 ? "-" : "+") + (std::abs(e) < 10 ? "0" : "") + std::to_string(std::abs(e));
  } else if (e < 0) {
    body = "0." + std::string(static_cast<size_t>(-e - 1), '0') + digits;
  } else if (digits.size() <= whole) {
    body = digits + std::string(whole - digits.size(), '0');
  } else {
    body = digits.substr(0, whole) + "." + digits.substr(whole);
  }
  return (value < 0 ? "-" : " ") + body + " ";
}

}  // namespace varnello::testing
