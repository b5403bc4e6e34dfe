#!/usr/bin/env bash
# Sets up and builds ZEPHRA, then runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ctest --test-dir "$ZEPHRA_BUILD" --output-on-failure
bash "$ZEPHRA_ROOT/tools/tsan-serial.sh"
