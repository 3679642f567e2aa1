#include "model/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace morvane {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = 14;
// The largest 15-digit decimal below the largest double. Doubles above it
// round to 1.79769313486232E308, which no double can hold, so the file would
// not read back; they are written as this value instead.
constexpr double kLargestWritable = 1.79769313486231e308;

// The rounded significant digits, without trailing zeros, and the decimal
// exponent of the first one. Rounding happens before the exponent is taken,
// so 999999999999999.9 yields "1" and 15 and is written in exponent form.
struct Decimal {
  std::string Digits;
  int Exponent = 0;
};

Decimal ToDecimal(double magnitude) {
  char buffer[32];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                     kSignificantDigits - 1);
  const std::string_view text(buffer, written.ptr);
  const size_t e = text.find('e');
  Decimal decimal;
  decimal.Digits = std::string(1, text[0]);
  if (e > 1) {
    decimal.Digits += text.substr(2, e - 2);
  }
  decimal.Digits.erase(decimal.Digits.find_last_not_of('0') + 1);
  std::string_view exponent = text.substr(e + 1);
  const bool negative = exponent.front() == '-';
  exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.Exponent);
  if (negative) {
    decimal.Exponent = -decimal.Exponent;
  }
  return decimal;
}

std::string ExponentForm(const Decimal& d) {
  std::string text = d.Digits.substr(0, 1);
  if (d.Digits.size() > 1) {
    text += '.';
    text += d.Digits.substr(1);
  }
  return text + "E" + std::to_string(d.Exponent);
}

std::string FixedForm(const Decimal& d) {
  if (d.Exponent < 0) {
    return "0." + std::string(-d.Exponent - 1, '0') + d.Digits;
  }
  const size_t wholeDigits = d.Exponent + 1;
  if (d.Digits.size() <= wholeDigits) {
    return d.Digits + std::string(wholeDigits - d.Digits.size(), '0');
  }
  return d.Digits.substr(0, wholeDigits) + "." + d.Digits.substr(wholeDigits);
}

size_t SkipDigits(std::string_view text, size_t pos) {
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    ++pos;
  }
  return pos;
}

size_t SkipSign(std::string_view text, size_t pos) {
  return pos < text.size() && (text[pos] == '-' || text[pos] == '+') ? pos + 1 : pos;
}

// from_chars would also take "inf", "nan" and hexadecimal digits, so the
// shape is checked first: sign, digits, optional fraction, optional exponent.
bool IsDecimalNumber(std::string_view text) {
  const size_t start = SkipSign(text, 0);
  size_t pos = SkipDigits(text, start);
  size_t digits = pos - start;
  if (pos < text.size() && text[pos] == '.') {
    const size_t fraction = pos + 1;
    pos = SkipDigits(text, fraction);
    digits += pos - fraction;
  }
  if (digits == 0) {
    return false;
  }
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    const size_t exponent = SkipSign(text, pos + 1);
    pos = SkipDigits(text, exponent);
    if (pos == exponent) {
      return false;
    }
  }
  return pos == text.size();
}

bool IsDecimalInteger(std::string_view text) {
  const size_t start = SkipSign(text, 0);
  return start < text.size() && SkipDigits(text, start) == text.size();
}

// from_chars accepts a leading "-" but not a "+".
std::string_view WithoutPlus(std::string_view text) {
  return !text.empty() && text.front() == '+' ? text.substr(1) : text;
}

template <typename T>
std::optional<T> Convert(std::string_view text) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

// A sound model holds only finite numbers. Should a NaN or infinity slip in
// all the same, the file gets "0" there: a file that the reader refuses would
// lose the whole model, while a part at 0 can be seen and mended.
std::string FormatGeneral(double value) {
  if (!std::isfinite(value) || value == 0) {
    return "0";
  }
  const Decimal d = ToDecimal(std::min(std::fabs(value), kLargestWritable));
  const bool fixed = d.Exponent >= kSmallestFixedExponent && d.Exponent <= kLargestFixedExponent;
  std::string text = value < 0 ? "-" : "";
  text += fixed ? FixedForm(d) : ExponentForm(d);
  return text;
}

std::optional<double> ParseNumber(std::string_view text) {
  if (!IsDecimalNumber(text)) {
    return std::nullopt;
  }
  const std::optional<double> value = Convert<double>(WithoutPlus(text));
  if (!value || !std::isfinite(*value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<int32_t> ParseInteger(std::string_view text) {
  if (!IsDecimalInteger(text)) {
    return std::nullopt;
  }
  return Convert<int32_t>(WithoutPlus(text));
}

}  // namespace morvane
