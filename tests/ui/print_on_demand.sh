#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zerbo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# print_on_demand.sh ZERBO: the program starts and builds every page without
# loading the print module or Qt Print Support; they load on first use only.
set -euo pipefail
zerbo=${1:?usage: print_on_demand.sh ZERBO}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# With a report descriptor the program quits once every page is built.
ZERBO_STARTUP_REPORT_FD=3 LD_DEBUG=files QT_QPA_PLATFORM=offscreen "$zerbo" 3>/dev/null 2>"$log"
grep -q 'Qt6Widgets' "$log" || { echo "the loader's log names no library"; exit 1; }
if grep -E 'PrintSupport|zerbo_print' "$log" | grep -m3 'file='; then
    echo "loaded at start-up: the print module belongs to the first print"
    exit 1
fi
echo "no print library at start-up"
