// libFuzzer target: reading and writing number texts.
//
// Properties, under both system separators:
// - a text that reads as a number reads as a finite one; parse() and
//   tryParse() agree;
// - what write() makes of it reads back to the same value within the 15
//   digits written, and writing that again gives the same text;
// - any finite double (the input's first 8 bytes) is written as a text that
//   reads back; a non-finite one is written as a text that does not read;
// - the text helpers return parts of their input.

#include "shell/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
