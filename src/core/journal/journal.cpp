#include "core/journal/journal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace varnello {

namespace {

// Exponent form: mantissa digits with a point after the first, "E", sign, at least two digits.
std::string ExponentForm(const std::string& digits, int exponent) {
  std::string out(1, digits[0]);
  if (digits.size() > 1) {
    out += '.';
    out.append(digits, 1, std::string::npos);
  }
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  int mag = std::abs(exponent);
  if (mag < 10) out += '0';
  out += std::to_string(mag);
  return out;
}

std::string PlainForm(const std::string& digits, int exponent) {
  std::string out;
  int count = static_cast<int>(digits.size());
  if (exponent < 0) {
    out = "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  int intDigits = exponent + 1;
  if (count <= intDigits) {
    out = digits;
    out.append(static_cast<size_t>(intDigits - count), '0');
  } else {
    out.assign(digits, 0, static_cast<size_t>(intDigits));
    out += '.';
    out.append(digits, static_cast<size_t>(intDigits), std::string::npos);
  }
  return out;
}

}  // namespace

std::string FormatAmount(double value) {
  if (value == 0.0 || !std::isfinite(value)) {
    // Non-finite amounts never reach printing (the fault rule stops them); zero of either sign is " 0 ".
    return value == 0.0 ? " 0 " : (std::isnan(value) ? " NaN " : (value < 0 ? "-Inf " : " Inf "));
  }
  std::string out = value < 0 ? "-" : " ";
  // Round to 15 significant digits; the exponent is taken after rounding so 999999999999999.9
  // becomes 1E+15.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 14);
  int exponent = std::atoi(buf + 17);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  if (exponent >= 15 || exponent < -4) {
    out += ExponentForm(digits, exponent);
  } else {
    out += PlainForm(digits, exponent);
  }
  out += ' ';
  return out;
}

std::string& OutputBuffer::Current() {
  if (!open_) lines_.emplace_back();
  return lines_.back();
}

void OutputBuffer::PrintHeading(std::string_view text) {
  Current() += text;
  open_ = false;
}

void OutputBuffer::PrintJournalLine(std::string_view caption, std::optional<double> amount) {
  std::string& line = Current();
  line += caption;
  if (amount) line += FormatAmount(*amount);
  open_ = false;
}

void OutputBuffer::PrintBlankLine() {
  Current();
  open_ = false;
}

void OutputBuffer::PrintOpenText(std::string_view text) {
  Current() += text;
  open_ = true;
}

void OutputBuffer::ClearOutput() {
  lines_.clear();
  open_ = false;
}

}  // namespace varnello
