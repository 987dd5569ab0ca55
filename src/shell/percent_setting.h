#pragma once
// A whole percentage that a pair of glyph buttons steps by one within fixed
// bounds, shown in its field as the number followed by "%" ("50%"). The
// drilling, reaming and countersinking pages raise speeds, feeds and
// allowances with it.

#include "shell/controls.h"

namespace zerbo {

class PercentSetting {
  public:
    PercentSetting(Field& field, int low, int high) : field_(field), low_(low), high_(high) {}

    int value() const { return value_; }
    // Sets the value, whatever the bounds, and shows it.
    void set(int value);
    // One press of a button: moves the value by `delta` and shows it when
    // the result stays within the bounds; returns false and changes nothing
    // otherwise.
    bool step(int delta);

  private:
    Field& field_;
    int low_;
    int high_;
    int value_ = 0;
};

} // namespace zerbo
