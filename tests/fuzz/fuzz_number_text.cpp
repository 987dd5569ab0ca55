// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: reading and writing number texts.
//
// Properties, under both system separators:
// - a text that reads as a number reads as a finite one; parse() and
//   tryParse() agree;
// - a text reads exactly when it is of the number grammar (checked by an
//   independent reading here) and not beyond the largest double, with the
//   order of magnitude it is written with;
// - what write() makes of it reads back to the same value within the 15
//   digits written, and writing that again gives the same text;
// - any finite double (the input's first 8 bytes) is written as a text that
//   reads back; a non-finite one is written as a text that does not read;
// - the text helpers return parts of their input.

#include "shell/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using namespace zerbo;

namespace {

[[noreturn]] void Fail(const char* what, std::string_view input, const std::string& detail) {
    std::fprintf(stderr, "fault: %s\n  input: \"%.*s\"\n  %s\n", what,
                 static_cast<int>(input.size()), input.data(), detail.c_str());
    std::abort();
}

bool Close(double a, double b) {
    if (a == b) return true;
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= scale * 1e-14;
}

bool WrittenForm(const std::string& w, char separator) {
    for (char c : w)
        if (!((c >= '0' && c <= '9') || c == '-' || c == 'E' || c == separator)) return false;
    return !w.empty();
}

void RoundTrip(const NumberText& nt, double v, std::string_view input) {
    const std::string w = nt.write(v);
    if (!WrittenForm(w, nt.separator())) Fail("odd written form", input, w);
    const auto back = nt.tryParse(w);
    if (!back) Fail("written number does not read back", input, w);
    if (!Close(*back, v)) Fail("written number reads back as another value", input, w);
    if (nt.write(*back) != w) Fail("writing is not stable", input, w + " / " + nt.write(*back));
}

// An independent reading of the number grammar on a normalised text:
// blanks, an optional sign, digits with at most one separator, an optional
// exponent, blanks. Gives the decimal order of magnitude of a text of the
// grammar (kZero for a zero), nothing for any other text.
constexpr long long kZero = -(1LL << 62);

std::optional<long long> GrammarOrder(std::string_view t, char separator) {
    size_t i = 0, end = t.size();
    while (i < end && t[i] == ' ') ++i;
    while (end > i && t[end - 1] == ' ') --end;
    if (i < end && (t[i] == '+' || t[i] == '-')) ++i;
    long long digits = 0, leadingZeros = 0, intDigits = -1;
    bool nonzero = false;
    for (; i < end; ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            if (!nonzero && t[i] == '0') ++leadingZeros;
            nonzero = nonzero || t[i] != '0';
            ++digits;
        } else if (t[i] == separator && intDigits < 0) {
            intDigits = digits;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (intDigits < 0) intDigits = digits;
    long long exponent = 0;
    if (i < end && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < end && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
        const size_t first = i;
        for (; i < end && t[i] >= '0' && t[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (t[i] - '0'), 1LL << 40);
        if (i == first) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != end) return std::nullopt;
    if (!nonzero) return kZero;
    // The first digit other than 0 is digit number leadingZeros + 1.
    return intDigits - leadingZeros - 1 + exponent;
}

bool IsPrefix(std::string_view part, std::string_view whole) {
    return whole.substr(0, part.size()) == part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (char separator : {',', '.'}) {
        const NumberText nt(separator);
        const auto value = nt.tryParse(input);
        bool threw = false;
        try {
            (void)nt.parse(input);
        } catch (const ConversionError& e) {
            threw = true;
            if (e.text() != input) Fail("conversion error names another text", input, e.text());
        }
        if (threw == value.has_value()) Fail("parse and tryParse disagree", input, "");
        if (value) {
            if (!std::isfinite(*value)) Fail("read a non-finite number", input, "");
            RoundTrip(nt, *value, input);
        }
        if (const auto raw = ReadNumber(input, separator); raw && !std::isfinite(*raw))
            Fail("ReadNumber gave a non-finite number", input, "");

        // Every text of the grammar reads, unless it is beyond the largest
        // double; what is too small to hold reads as zero.
        const auto order = GrammarOrder(NormalizeDecimal(input, separator), separator);
        if (!order && value) Fail("read a text that is no number", input, "");
        if (order && *order <= 307 && !value) Fail("did not read a number", input, "");
        if (order && *order >= 309 && value) Fail("read a number beyond the range", input, "");
        if (order && value && *order == kZero && *value != 0)
            Fail("zero read as another number", input, "");
        if (order && value && *order != kZero && *order >= -300 && *order <= 300) {
            const double magnitude = std::log10(std::fabs(*value));
            if (magnitude < static_cast<double>(*order) - 1e-9 ||
                magnitude > static_cast<double>(*order) + 1 + 1e-9)
                Fail("read with another order of magnitude", input, nt.write(*value));
        }

        if (size >= sizeof(double)) {
            double v;
            std::memcpy(&v, data, sizeof v);
            if (std::isfinite(v)) {
                RoundTrip(nt, v, input);
            } else if (nt.tryParse(nt.write(v))) {
                Fail("a non-finite number was written readably", input, nt.write(v));
            }
        }
        if (size >= 10) {
            long double v = 0;
            std::memcpy(&v, data, 10);
            if (std::isfinite(v) && std::fabs(v) <= 1.7976931348623157e308L)
                RoundTrip(nt, static_cast<double>(v), input);
        }
    }

    const int k = size > 0 ? data[0] % 20 - 2 : 0;
    if (!IsPrefix(TruncateDecimals(input, k), input)) Fail("TruncateDecimals", input, "");
    if (!IsPrefix(FirstWord(input), input)) Fail("FirstWord", input, "");
    const std::string_view sep = input.substr(0, size > 0 ? data[0] % 3 : 0);
    if (!IsPrefix(TextBefore(input, sep), input)) Fail("TextBefore", input, "");
    const std::string after = TextAfter(input, sep);
    if (input.substr(input.size() - std::min(after.size(), input.size())) != after)
        Fail("TextAfter", input, after);
    if (NormalizeDecimal(input, ',').size() != size) Fail("NormalizeDecimal", input, "");
    return 0;
}
