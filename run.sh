#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job.
#
# With a display the editor vireo opens the example project
# examples/demo/demo.dpj.  Without one the batch front end vireo-cli runs the
# program's main job on a copy of that project in build/demo: its netlist
# (PADS-PCB) with the net information report, its part list and its PDF, and
# prints a short summary with where each file is.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/editor/vireo ]; then
    exec build/editor/vireo examples/demo/demo.dpj
fi

# The main job without a display: the demo project's netlist (PADS-PCB)
# with its net report, its part list and its PDF, made from a copy of the
# project in build/demo so that the examples stay as they are.
cli=build/cli/vireo-cli
rm -rf build/demo
mkdir -p build/demo
cp examples/demo/*.dcd examples/demo/demo.dpj build/demo/
project=build/demo/demo.dpj
echo
echo "== $cli netlist $project --format PADS-PCB --report"
"$cli" netlist "$project" --format PADS-PCB --report
echo
echo "== $cli partlist $project"
"$cli" partlist "$project"
echo
echo "== $cli pdf $project -o build/demo/demo"
"$cli" pdf "$project" -o build/demo/demo
echo
echo "Sheets: $(grep -c '\.dcd$' "$project") in $project"
for file in demo.net demo.nrp demo.csv demo.pdf; do
    printf '  %-9s %7d bytes  %s\n' "$file" "$(stat -c %s "build/demo/$file")" "$PWD/build/demo/$file"
done
