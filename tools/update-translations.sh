#!/usr/bin/env bash
# Refreshes the translation sources translations/zephra_*.ts from the texts of
# src/: new texts are added unfinished, texts no longer used are dropped, and
# every finished translation is kept. The core's texts are marked by
# CoreText(context, text) and ShownText(context, text) (document/TextCatalog.h).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
ts=()
for code in fr it es de pt; do
    ts+=("$root/translations/zephra_$code.ts")
done
"$lupdate" -no-obsolete -locations none -tr-function-alias translate+=CoreText,QT_TRANSLATE_NOOP+=ShownText \
    "$root/src" -ts "${ts[@]}"
