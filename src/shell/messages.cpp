#include "shell/messages.h"

namespace zerbo {

void ShowDecimalError(Messages& messages) { messages.error(kDecimalErrorText); }

void ShowInputNotice(Messages& messages, int which) {
    if (which == 1) messages.information(kInputNotice1);
    if (which == 2) messages.information(kInputNotice2);
}

} // namespace zerbo
