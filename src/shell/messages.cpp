// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/messages.h"

namespace zerbo {

namespace {

std::vector<std::string_view>& Declared() {
    static std::vector<std::string_view> texts;
    return texts;
}

} // namespace

MessageText::MessageText(std::string_view text) : text_(text) { Declared().push_back(text); }

const std::vector<std::string_view>& DeclaredMessageTexts() { return Declared(); }

void ShowDecimalError(Messages& messages) { messages.error(kDecimalErrorText); }

void ShowInputNotice(Messages& messages, int which) {
    if (which == 1) messages.information(kInputNotice1);
    if (which == 2) messages.information(kInputNotice2);
}

} // namespace zerbo
