#!/usr/bin/env bash
# Makes the sample wine chardonnay.zph with zephra-cli, the way a user
# enters a trial without the window: the conditions first, then the 36
# readings of chardonnay.csv, skipping the first point.
#
# Usage: examples/make-sample.sh [PATH/TO/zephra-cli]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cli="${1:-$here/../build/src/cli/zephra-cli}"
# The "C" locale gives "," as the thousands separator of the gallon totals.
export LC_ALL=C

"$cli" new "$here/chardonnay.zph" --force \
    --wine "Chardonnay 2024" --filter "Membrane 0.65" --type normal \
    --lab-pressure 30 --filter-diameter 47 \
    --max-pressure 30 --area 10 --rate 100 --units bpm
"$cli" edit-data "$here/chardonnay.zph" --csv --skip 1 < "$here/chardonnay.csv"
