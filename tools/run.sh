#!/usr/bin/env bash
# Sets up and builds ZEPHRA, then starts it through its launcher, which
# creates the default settings file when there is none (as the installed
# menu entry does). Without a display it prints the sample wine's report
# instead. Arguments go to the program (wine files to open).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

sample="$ZEPHRA_ROOT/examples/chardonnay.zph"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found (DISPLAY is not set): printing the sample wine's report instead."
    exec "$ZEPHRA_BUILD/src/cli/zephra-cli" report "$sample"
fi
ZEPHRA_PROGRAM="$ZEPHRA_BUILD/src/app/zephra" exec "$ZEPHRA_ROOT/desktop/zephra-launcher" "$@"
