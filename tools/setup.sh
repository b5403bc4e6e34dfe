#!/usr/bin/env bash
# Installs what ZEPHRA needs on Debian 12 (as root) and builds it into build/.
# Sourced by run.sh and test.sh; safe to run again: only missing packages are
# installed and the build is incremental.
set -euo pipefail

ZEPHRA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ZEPHRA_BUILD="${ZEPHRA_BUILD:-$ZEPHRA_ROOT/build}"

packages=(
    g++ cmake ninja-build ccache pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales
    xvfb xauth fonts-dejavu-core fonts-liberation2
    desktop-file-utils libxml2-utils shared-mime-info dpkg-dev file
    nlohmann-json3-dev poppler-utils libinih-dev python3-jsonschema
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales of the languages the program speaks, to try it in them.
generate=0
for locale in fr_FR it_IT es_ES de_DE pt_PT; do
    if ! locale -a | grep -qix "$locale.utf-\?8"; then
        sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        generate=1
    fi
done
if ((generate)); then
    locale-gen >/dev/null
fi

source "$ZEPHRA_ROOT/tools/configure.sh"
zephra_configure "$ZEPHRA_BUILD" -DCMAKE_BUILD_TYPE=Release
cmake --build "$ZEPHRA_BUILD" -j"$(nproc)"
