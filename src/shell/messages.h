// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Messages leave the core through this interface: the window shows them in
// modal dialogs, tests record them.

#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

class Messages {
  public:
    virtual ~Messages() = default;
    virtual void error(std::string_view text) = 0;
    virtual void information(std::string_view text) = 0;
};

// Keeps every message shown, in order; for tests and headless runs.
class MessageRecorder : public Messages {
  public:
    struct Entry {
        bool isError;
        std::string text;
    };
    void error(std::string_view text) override { entries.push_back({true, std::string(text)}); }
    void information(std::string_view text) override {
        entries.push_back({false, std::string(text)});
    }
    std::vector<Entry> entries;
};

// The help viewer: opens a help topic by its context number.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void openTopic(int context) = 0;
};

class HelpRecorder : public HelpViewer {
  public:
    void openTopic(int context) override { topics.push_back(context); }
    std::vector<int> topics;
};

// The message shown whenever a number text could not be read.
inline constexpr std::string_view kDecimalErrorText =
    "Es wurde ein nicht erlaubtes Kommazeichen eingegeben. Lösung: Zur aktuellen "
    "Ländereinstellung paßt das von Ihnen eingegebene Zahlentrennzeichen nicht. "
    "Deutschen Einstellung Komma, Englische Einstellung Punkt als Trennzeichen verwenden!";
inline constexpr std::string_view kInputNotice1 =
    "Werkstückdurchmesser darf nicht größer als Sägeblattdurchmesser werden.";
inline constexpr std::string_view kInputNotice2 =
    "Werkstückdurchmesser darf nicht kleiner als 1mm werden.";

// A message text of a page or dialog besides the ones above, declared at
// namespace scope where it is defined:
//   const MessageText kSomeNotice{"..."};
//   shell().messages.information(kSomeNotice);
// Declared texts are listed by DeclaredMessageTexts(), so that the
// robustness checks can tell the program's own messages from any other.
class MessageText {
  public:
    explicit MessageText(std::string_view text);
    operator std::string_view() const { return text_; }
    std::string_view text() const { return text_; }

  private:
    std::string_view text_;
};
const std::vector<std::string_view>& DeclaredMessageTexts();

void ShowDecimalError(Messages& messages);
// Notice 1 or 2; any other number shows nothing.
void ShowInputNotice(Messages& messages, int which);

} // namespace zerbo
