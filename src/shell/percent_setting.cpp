#include "shell/percent_setting.h"

#include "shell/number_text.h"

namespace zerbo {

void PercentSetting::set(int value) {
    value_ = value;
    field_.setText(WriteWhole(value) + "%");
}

bool PercentSetting::step(int delta) {
    const long long next = static_cast<long long>(value_) + delta;
    if (next < low_ || next > high_) return false;
    set(static_cast<int>(next));
    return true;
}

} // namespace zerbo
