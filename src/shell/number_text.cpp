// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/number_text.h"

#include "shell/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace zerbo {

ConversionError::ConversionError(std::string text)
    : std::runtime_error(UncaughtConversionText(text)), text_(std::move(text)) {}

std::string UncaughtConversionText(std::string_view text) {
    std::string out = "'";
    out.append(text);
    out.append("' ist kein gültiger Gleitkommawert.");
    return out;
}

std::string NormalizeDecimal(std::string_view text, char separator) {
    std::string out(text);
    const char candidate = out.find(',') != std::string::npos ? ',' : '.';
    const auto pos = out.find(candidate);
    if (pos != std::string::npos) out[pos] = separator;
    return out;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal order of magnitude, floor(log10(|x|)), of a number written as
// "[-]digits[.digits][e[+-]digits]" with a digit other than 0; the exponent
// saturates far beyond any double.
long long DecimalOrder(std::string_view plain) {
    const size_t start = !plain.empty() && plain.front() == '-' ? 1 : 0;
    const size_t end = std::min(plain.find('e'), plain.size());
    const size_t point = std::min(plain.find('.'), end);
    size_t first = start; // the first digit other than 0
    while (first < end && (plain[first] == '0' || plain[first] == '.')) ++first;
    const long long order = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    long long exponent = 0;
    size_t i = end + 1;
    const bool negative = i < plain.size() && plain[i] == '-';
    if (i < plain.size() && (plain[i] == '-' || plain[i] == '+')) ++i;
    for (; i < plain.size(); ++i)
        exponent = std::min(exponent * 10 + (plain[i] - '0'), 1000000000000LL);
    return order + (negative ? -exponent : exponent);
}

} // namespace

std::optional<double> ReadNumber(std::string_view text, char separator) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    size_t end = n;
    while (end > i && text[end - 1] == ' ') --end;

    // Copy the grammar-checked text into a plain "[-]digits[.digits][e[-]digits]".
    std::string plain;
    plain.reserve(end - i + 2);
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain.push_back('-');
        ++i;
    }
    size_t digits = 0;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            plain.push_back(c);
            ++digits;
        } else if (c == separator && !separatorSeen) {
            separatorSeen = true;
            plain.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) plain.push_back(text[i++]);
        size_t expDigits = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++expDigits) plain.push_back(text[i]);
        if (expDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;

    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr != last) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero, however small; too large fails.
        if (DecimalOrder(plain) < 0) return 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string WriteNumber(double value, char separator) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    if (value == 0) return "0";

    // Round to 15 significant digits: d.dddddddddddddde[+-]xx
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    double check = 0;
    if (std::from_chars(buf, res.ptr, check).ec == std::errc::result_out_of_range) {
        // Next to the largest double, rounding up would leave the range and
        // the text would not read back: cut the 17-digit form to 15 digits.
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
        char* e = std::find(buf, res.ptr, 'e');
        std::copy(e, res.ptr, e - 2);
        res.ptr -= 2;
    }
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    const auto epos = sci.find('e');
    std::string mantissa;
    for (char c : sci.substr(0, epos))
        if (IsDigit(c)) mantissa.push_back(c);
    int exponent = 0;
    std::from_chars(sci.data() + epos + 1 + (sci[epos + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                    exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += '0';
            out += separator;
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out += mantissa;
        } else {
            const auto intDigits = static_cast<size_t>(exponent) + 1;
            if (mantissa.size() <= intDigits) {
                out += mantissa;
                out.append(intDigits - mantissa.size(), '0');
            } else {
                out += mantissa.substr(0, intDigits);
                out += separator;
                out += mantissa.substr(intDigits);
            }
        }
    } else {
        out += mantissa.front();
        if (mantissa.size() > 1) {
            out += separator;
            out += mantissa.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

std::string WriteWhole(std::int64_t value) { return std::to_string(value); }

double NumberText::parse(std::string_view text) const {
    if (auto v = ReadNumber(NormalizeDecimal(text, separator_), separator_)) return *v;
    throw ConversionError(std::string(text));
}

std::optional<double> NumberText::tryParse(std::string_view text) const {
    return ReadNumber(NormalizeDecimal(text, separator_), separator_);
}

double NumberText::parseOr(std::string_view text, double fallback) const {
    return text.empty() ? fallback : parse(text);
}

std::int32_t RoundAsShown(double value, int decimals) {
    std::string shown = WriteNumber(value, '.');
    if (!std::isfinite(value) || shown.find('E') != std::string::npos || decimals < 0)
        return RoundHalfEven(static_cast<long double>(value) * std::pow(10.0L, decimals));
    // Move the point `decimals` places to the right, in the text.
    auto point = shown.find('.');
    if (point == std::string::npos) {
        point = shown.size();
        shown += '.';
    }
    std::string fraction = shown.substr(point + 1);
    fraction.resize(std::max(fraction.size(), static_cast<size_t>(decimals)), '0');
    const std::string scaled = shown.substr(0, point) + fraction.substr(0, decimals) + "." +
                               fraction.substr(decimals) + "0";
    return RoundHalfEven(ReadNumber(scaled, '.').value_or(0));
}

std::string NumberText::write(long double value) const {
    return WriteNumber(static_cast<double>(value), separator_);
}

std::string TruncateDecimals(std::string_view text, int k) {
    const auto point = text.find('.');
    if (text.empty() || point == std::string_view::npos || k < 0) return std::string(text);
    const size_t keep = point + 1 + static_cast<size_t>(k);
    return std::string(text.substr(0, std::min(keep, text.size())));
}

std::string FirstWord(std::string_view text) {
    const auto blank = text.find(' ');
    return std::string(blank == std::string_view::npos ? text : text.substr(0, blank + 1));
}

std::string TextBefore(std::string_view text, std::string_view separator) {
    const auto pos = separator.empty() ? std::string_view::npos : text.find(separator);
    return std::string(pos == std::string_view::npos ? text : text.substr(0, pos));
}

std::string TextAfter(std::string_view text, std::string_view separator) {
    const auto pos = separator.empty() ? std::string_view::npos : text.find(separator);
    return std::string(pos == std::string_view::npos ? text : text.substr(pos + 1));
}

} // namespace zerbo
