#pragma once
// The help topics the program opens by context number: one per operation
// page (104..109) and one for the precise-material dialog (110).

#include <string_view>

namespace zerbo {

struct HelpTopic {
    int context;
    std::string_view title;
    std::string_view text;
};

// The topic for a context number, or nullptr.
const HelpTopic* FindHelpTopic(int context);

inline constexpr std::string_view kNoHelpText = "Zu diesem Thema ist keine Hilfe vorhanden.";

} // namespace zerbo
