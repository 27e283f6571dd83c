#pragma once

#include <optional>
#include <string>

// Floating-point text as the user reads and types it: with the decimal separator of the user's
// LC_NUMERIC. The program never calls setlocale, so the separator is looked up in the
// environment rather than taken from the global C locale.

// The decimal separator of the named locale ("" for the one the environment names); nullopt when
// that locale is not installed.
std::optional<std::string> LocaleDecimalSeparator(const std::string& localeName);
// The user's separator, looked up once; "." when the user's locale is not installed.
const std::string& UserDecimalSeparator();

// Up to 15 significant digits without trailing zeros, in fixed notation unless the value needs
// more than 15 integer digits or is below 0.0001 ("1E20", "1.5E-7"). Infinities and NaN give
// "INF", "-INF" and "NAN", which TextToFloat refuses.
std::string FloatToText(double value, const std::string& separator);
std::string FloatToText(double value);

// An optional sign, digits with at most one separator, and an optional exponent; nothing else,
// not even blanks. Throws Exception ("'abc' is not a valid floating point value") for anything
// else, including values beyond the double range; only the largest double as FloatToText writes
// it (1.79769313486232E308, just beyond) reads back as that double. Values too small for a double
// round towards zero.
double TextToFloat(const std::string& text, const std::string& separator);
double TextToFloat(const std::string& text);
