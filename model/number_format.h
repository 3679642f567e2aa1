#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Numbers as the model file holds them, independent of the user's locale.

// General format with at most 15 significant digits: plain decimals such as
// "200", "12.5" or "-0.25", and exponent form ("3.5527136788005E-15", "1E15")
// for nonzero magnitudes below 0.0001 or of 1E15 and more. Every result reads
// back through ParseNumber.
std::string FormatGeneral(double value);

// A whole decimal number with an optional sign, a fraction and an exponent;
// nullopt for anything else, including inf, nan and magnitudes that a double
// cannot hold (1E400, 1E-400).
std::optional<double> ParseNumber(std::string_view text);

// A whole decimal integer with an optional sign that fits in 32 bits.
std::optional<int32_t> ParseInteger(std::string_view text);

}  // namespace morvane
