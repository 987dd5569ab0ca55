// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fingerprints of constant tables. A test pins a whole table with one value
// instead of a copy of it: any changed, added or removed cell changes the
// value, and the failure shows the new one. After a deliberate change, check
// the table against its source table once more, then take the new value.

#include <charconv>
#include <concepts>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace zerbo::testing {

class Fingerprint {
  public:
    Fingerprint& operator<<(std::string_view text) {
        for (unsigned char c : text)
            mix(c);
        mix(0x1f); // {"ab", "c"} and {"a", "bc"} differ
        return *this;
    }
    Fingerprint& operator<<(const char* text) { return *this << std::string_view(text); }
    Fingerprint& operator<<(const std::string& text) { return *this << std::string_view(text); }
    template <class Number>
    requires std::integral<Number> || std::floating_point<Number> Fingerprint&
    operator<<(Number value) {
        char buf[40];
        const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
        return *this << std::string_view(buf, static_cast<size_t>(end - buf));
    }
    // A missing cell counts as a cell of its own.
    template <class T> Fingerprint& operator<<(const std::optional<T>& cell) {
        return cell ? *this << *cell : *this << "\x1e";
    }
    template <class Range> Fingerprint& all(const Range& cells) {
        for (const auto& cell : cells)
            *this << cell;
        return *this;
    }

    std::string hex() const {
        char buf[17];
        std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(hash_));
        return buf;
    }

  private:
    void mix(unsigned char c) {
        hash_ ^= c;
        hash_ *= 0x100000001b3ULL; // FNV-1a
    }
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

} // namespace zerbo::testing
