// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Number text: how every field's text is read and how results are written.
//
// Either "," or "." is accepted as the decimal separator; results are written
// with the system separator, which is injected (the window layer reads it
// from the system locale once). Nothing here depends on the C locale.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zerbo {

// A text that does not read as a number. The steps that read fields catch
// it and show the decimal-separator message.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(std::string text);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// The message for a conversion failure that no step caught.
std::string UncaughtConversionText(std::string_view text);

// Replaces the first "," (or, when there is none, the first ".") by the
// system separator.
std::string NormalizeDecimal(std::string_view text, char separator);

// Reads a number written with `separator` as the only separator (no
// normalisation): optional blanks, optional sign, digits with at most one
// separator, an optional exponent, optional blanks. Fails on anything else
// and on results that are not finite.
std::optional<double> ReadNumber(std::string_view text, char separator);

// Writes the general form: at most 15 significant digits, no trailing zeros,
// fixed notation from 1E-5 up to below 1E15, otherwise "2,5E20" / "1E-6".
std::string WriteNumber(double value, char separator);

// Writes plain decimal digits with a leading minus when negative.
std::string WriteWhole(std::int64_t value);

// A computed value as a bar position in units of 10^-decimals: rounded half
// to even from the value as its field or label shows it (15 significant
// digits), so an exact decimal tie such as 3.45 -> 34.5 goes to the even
// neighbour however the binary value lies.
std::int32_t RoundAsShown(double value, int decimals = 0);

class NumberText {
  public:
    explicit NumberText(char separator = ',') : separator_(separator) {}
    char separator() const { return separator_; }

    // NormalizeDecimal, then ReadNumber; throws ConversionError.
    double parse(std::string_view text) const;
    std::optional<double> tryParse(std::string_view text) const;
    // An empty text gives `fallback`; anything else as parse().
    double parseOr(std::string_view text, double fallback) const;
    std::string write(double value) const { return WriteNumber(value, separator_); }
    std::string write(long double value) const;

  private:
    char separator_;
};

// Keeps at most k decimals behind the first "." (truncating); k = 0 keeps
// the point itself. Texts without a point are returned unchanged.
std::string TruncateDecimals(std::string_view text, int k);
// The text up to and including its first blank, or the whole text.
std::string FirstWord(std::string_view text);
// The part before the first occurrence of the separator, or the whole text.
std::string TextBefore(std::string_view text, std::string_view separator);
// The part after the first character of the first occurrence of the
// separator, or the whole text.
std::string TextAfter(std::string_view text, std::string_view separator);

} // namespace zerbo
