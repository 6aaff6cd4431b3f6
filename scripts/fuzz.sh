#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs one of them.
#   scripts/fuzz.sh TARGET SECONDS      e.g. scripts/fuzz.sh fuzz_schematic 300
# The run works on a copy of the target's seed corpus (build-fuzz/corpus/...),
# so the committed seeds under fuzz/corpus never grow; inputs that crash are
# written to build-fuzz/artifacts/.
set -euo pipefail

target=${1:?usage: scripts/fuzz.sh TARGET SECONDS}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

case "$target" in
    fuzz_schematic) seeds=schematic ;;
    fuzz_textform) seeds=textform ;;
    fuzz_tango) seeds=tango ;;
    fuzz_dxfheader) seeds=dxfheader ;;
    fuzz_project) seeds=project ;;
    fuzz_library) seeds=library ;;
    fuzz_libindex) seeds=libindex ;;
    fuzz_textlib) seeds=textlib ;;
    fuzz_reporttemplate) seeds=reporttemplate ;;
    fuzz_wasis) seeds=wasis ;;
    *) echo "unknown fuzz target $target (fuzz_schematic, fuzz_textform, fuzz_tango, fuzz_dxfheader," \
            "fuzz_project, fuzz_library, fuzz_libindex, fuzz_textlib, fuzz_reporttemplate, fuzz_wasis)" >&2; exit 2 ;;
esac

"$root/scripts/install-deps.sh" --fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DVIREO_FUZZ=ON -DVIREO_TESTS=OFF -DVIREO_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "$target"

corpus="$build/corpus/$seeds"
artifacts="$build/artifacts"
mkdir -p "$corpus" "$artifacts"
cp -n "$root/fuzz/corpus/$seeds/"* "$corpus/"

# Richer seeds: every file of the target's kind among the test data and the
# examples (the name carries its folder, so equal names do not collide).
case "$seeds" in
    schematic) kinds=('*.dcd') ;;
    textform) kinds=('*.txt') ;;
    tango) kinds=('*.s' '*.sch') ;;
    dxfheader) kinds=('*.dat') ;;
    project) kinds=('*.dpj') ;;
    library) kinds=('*.lib') ;;
    libindex) kinds=('*.dix') ;;
    textlib) kinds=('*.txt') ;;
    reporttemplate) kinds=('*.dat' '*.cir') ;;
    wasis) kinds=('*.dws') ;;
esac
for kind in "${kinds[@]}"; do
    while IFS= read -r -d '' file; do
        name=${file#"$root"/}
        cp -n "$file" "$corpus/${name//\//_}"
    done < <(find "$root/tests/data" "$root/examples" -type f -name "$kind" -print0)
done

options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$artifacts/$target-")
if [ -f "$root/fuzz/$seeds.dict" ]; then
    options+=(-dict="$root/fuzz/$seeds.dict")
fi
exec "$build/fuzz/$target" "${options[@]}" "$corpus"
