#include "widgets/core/LocaleFloat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <langinfo.h>
#include <limits>
#include <locale.h>

#include "gui/graphics/Exception.h"

namespace {

// Like the classic general format: fixed notation for decimal exponents from -4 to 14.
constexpr int SignificantDigits = 15;
constexpr int LowestFixedExponent = -4;
// The largest double rounded to 15 digits lies just beyond the double range; reading it back as
// the largest double lets every written value load again.
constexpr long double LargestWritten = 1.79769313486232e308L;

struct TDecimal {
    bool negative = false;
    std::string digits; // significant digits without trailing zeros, never empty
    int exponent = 0;   // of the first digit: value = d.ddd * 10^exponent
};

TDecimal ToDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string text(buffer, result.ptr);
    TDecimal decimal;
    decimal.negative = text.front() == '-';
    const std::size_t first = decimal.negative ? 1 : 0;
    const std::size_t e = text.find('e');
    decimal.digits = text.substr(first, 1) + text.substr(first + 2, e - first - 2);
    decimal.exponent = std::atoi(text.c_str() + e + 1);
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

std::string FixedText(const TDecimal& d, const std::string& separator) {
    if (d.exponent < 0)
        return "0" + separator + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') +
               d.digits;
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits)
        return d.digits + std::string(integerDigits - d.digits.size(), '0');
    return d.digits.substr(0, integerDigits) + separator + d.digits.substr(integerDigits);
}

std::string ExponentText(const TDecimal& d, const std::string& separator) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += separator + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(const std::string& text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

std::size_t SkipSign(const std::string& text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

// The text with "." for the separator when it has the accepted form; nullopt otherwise. Checking
// the form first keeps strtod from taking hexadecimal, "inf", "nan" or leading blanks.
std::optional<std::string> CFormOf(const std::string& text, const std::string& separator) {
    std::size_t pos = SkipSign(text, 0);
    const std::size_t integerEnd = SkipDigits(text, pos);
    std::string cForm = text.substr(0, integerEnd);
    pos = integerEnd;
    if (!separator.empty() && text.compare(pos, separator.size(), separator) == 0) {
        const std::size_t fractionEnd = SkipDigits(text, pos + separator.size());
        cForm += '.';
        cForm.append(text, pos + separator.size(), fractionEnd - pos - separator.size());
        pos = fractionEnd;
    }
    if (cForm.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const std::size_t digits = SkipSign(text, pos + 1);
        const std::size_t exponentEnd = SkipDigits(text, digits);
        if (exponentEnd == digits)
            return std::nullopt;
        cForm += text.substr(pos, exponentEnd - pos);
        pos = exponentEnd;
    }
    if (pos != text.size())
        return std::nullopt;
    return cForm;
}

locale_t CNumericLocale() {
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return locale;
}

} // namespace

std::optional<std::string> LocaleDecimalSeparator(const std::string& localeName) {
    const locale_t locale = newlocale(LC_NUMERIC_MASK, localeName.c_str(), nullptr);
    if (locale == nullptr)
        return std::nullopt;
    std::string separator = nl_langinfo_l(RADIXCHAR, locale);
    freelocale(locale);
    if (separator.empty())
        return std::nullopt;
    return separator;
}

const std::string& UserDecimalSeparator() {
    static const std::string separator = LocaleDecimalSeparator("").value_or(".");
    return separator;
}

std::string FloatToText(double value, const std::string& separator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    const TDecimal decimal = ToDecimal(value);
    const bool fixed =
        decimal.exponent >= LowestFixedExponent && decimal.exponent < SignificantDigits;
    const std::string text =
        fixed ? FixedText(decimal, separator) : ExponentText(decimal, separator);
    return decimal.negative ? "-" + text : text;
}

std::string FloatToText(double value) {
    return FloatToText(value, UserDecimalSeparator());
}

double TextToFloat(const std::string& text, const std::string& separator) {
    const std::optional<std::string> cForm = CFormOf(text, separator);
    const locale_t locale = CNumericLocale();
    if (cForm && locale != nullptr) {
        const double value = strtod_l(cForm->c_str(), nullptr, locale);
        if (std::isfinite(value))
            return value;
        const long double wide = strtold_l(cForm->c_str(), nullptr, locale);
        if (std::fabs(wide) <= LargestWritten)
            return std::copysign(std::numeric_limits<double>::max(), static_cast<double>(wide));
    }
    throw Exception("'" + text + "' is not a valid floating point value");
}

double TextToFloat(const std::string& text) {
    return TextToFloat(text, UserDecimalSeparator());
}
