#!/usr/bin/env bash
# The Debian package as a user gets it: built with cpack, unpacked with
# dpkg-deb -x into an empty folder, and its vireo-cli run there on the
# example project (netlist with the HTML report, and PDF).  A package that
# lacks a library or a data file fails here.
#
#   deb_test.sh BUILD_DIR EXAMPLES_DIR VERSION
set -u
build=$1 examples=$2 version=$3
source "$(dirname "$0")/../cli/testlib.sh"
failures=0
for tool in dpkg-deb cpack; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed; the package was not built"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deb=$work/vireo_${version}_amd64.deb
if ! (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
[ -f "$deb" ] || { ls "$work"; echo "FAIL: no $(basename "$deb")"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
case $depends in
    *libqt6widgets6*) ;;
    *) fail "Depends lacks the Qt libraries: $depends" ;;
esac
root=$work/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/vireo usr/bin/vireo-cli usr/lib/libkeldra.so.0 usr/lib/libtolvane.so.0 \
    usr/share/vireo/vireohtml.dat usr/share/vireo/DXF_HDR.DAT usr/share/vireo/pcadhead.txt \
    usr/share/vireo/Title.A4 usr/share/applications/vireo.desktop \
    usr/share/mime/packages/vireo.xml usr/share/icons/hicolor/48x48/apps/vireo.png \
    usr/share/icons/hicolor/scalable/apps/vireo.svg; do
    [ -e "$root/$f" ] || fail "the package lacks $f"
done
grep -q 'x-scheme-handler/vireo' "$root/usr/share/applications/vireo.desktop" ||
    fail "the desktop entry does not take vireo: links"
for glob in '\*.dcd' '\*.dpj' '\*.lib'; do
    grep -q "pattern=\"$glob\"" "$root/usr/share/mime/packages/vireo.xml" ||
        fail "no MIME type for $glob"
done

# The unpacked program on its own: no build tree, no settings, no data
# folder but its own.
design=$work/設計/回路
mkdir -p "$design"
cp "$examples"/demo/*.dcd "$examples"/demo/demo.dpj "$design/"
cli=$root/usr/bin/vireo-cli
run() {
    env -u VIREO_DATA -u LD_LIBRARY_PATH HOME="$work/home" VIREO_CONFIG="$work/none.ini" \
        "$cli" "$@"
}
out=$(run netlist "$design/demo.dpj" --format PADS-PCB --html 2>&1) ||
    fail "netlist from the package: $out"
[ -s "$design/demo.net" ] || fail "no netlist written"
grep -q 'vireo:' "$design/demo.nrp.html" 2>/dev/null || fail "no HTML report with its links"
out=$(run pdf "$design/demo.dpj" -o "$design/demo" 2>&1) || fail "pdf from the package: $out"
head -c 5 "$design/demo.pdf" 2>/dev/null | grep -q '%PDF-' || fail "no PDF written"
# Every library the programs need is found.
missing=$(env -u LD_LIBRARY_PATH ldd "$cli" "$root/usr/bin/vireo" | grep 'not found')
[ -z "$missing" ] || fail "libraries not found: $missing"

[ "$failures" -eq 0 ] && echo "package ok: $(basename "$deb"), Depends: $depends"
exit $((failures > 0))
