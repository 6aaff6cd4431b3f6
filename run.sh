#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job.
#
# With a display the editor vireo opens the example project
# examples/demo/demo.dpj.  Without one the batch front end vireo-cli runs on
# the example sheet: it prints the sheet's header and item counts, writes the
# sheet in the readable text form to build/sample.txt and draws it with its
# title block as build/sample.pdf.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/editor/vireo ]; then
    exec build/editor/vireo examples/demo/demo.dpj
fi

cli=build/cli/vireo-cli
example=examples/sample.dcd
echo
echo "== $cli info $example"
"$cli" info "$example"
echo
echo "== $cli convert $example build/sample.txt"
"$cli" convert "$example" build/sample.txt
head -n 12 build/sample.txt
echo "..."
echo
echo "== $cli pdf $example -o build/sample"
"$cli" pdf "$example" -o build/sample
echo "written: build/sample.pdf"
