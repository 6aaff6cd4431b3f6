#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing.  This is the one list of system dependencies.
#   scripts/install-deps.sh          build and test
#   scripts/install-deps.sh --fuzz   also the fuzzing tool chain (clang, libFuzzer)
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev zlib1g-dev)
# Readers the export tests check our PDF and DXF files with.
packages+=(qpdf poppler-utils poppler-data python3-ezdxf librsvg2-bin)
# A board tool and a simulator the netlist tests import our netlists into.
packages+=(pcb-rnd ngspice)
# The editor: Qt 6 Widgets, the translation tools and Qt's own catalogues, the
# faces that stand in for the stored font names, and for screenshots of the
# running program a virtual display and ImageMagick.
packages+=(qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev)
packages+=(fontconfig fonts-liberation fonts-ipafont-gothic xvfb xauth imagemagick)
# The Debian package: cpack finds the programs with file and their library
# dependencies with dpkg-shlibdeps.
packages+=(file dpkg-dev)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
