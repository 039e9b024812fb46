#!/usr/bin/env bash
# The Debian package: built with cpack, checked by lintian (errors fail the
# test; warnings are shown), unpacked into a temporary root and run from there.
# Arguments: the build folder, its program folder (build/bin), the sources.
BUILD=$1 BIN=$2 SOURCE=$3
WORK=$BUILD/package-test
source "$(dirname "$0")/common.sh"
command -v dpkg-deb > /dev/null || { echo "dpkg-deb not found: skipped"; exit 0; }

[ -d "$WORK" ] && chmod -R u+w "$WORK" && rm -rf "$WORK"
mkdir -p "$WORK"
(cd "$BUILD" && cpack -G DEB -B "$WORK/out" > "$WORK/cpack.log" 2>&1) ||
  fail "cpack: $(tail -20 "$WORK/cpack.log")"
DEB=$(ls "$WORK"/out/lumo_*.deb)
[ -f "$DEB" ] || fail "no package in $WORK/out"

dpkg-deb -I "$DEB" > "$WORK/info.txt"
fields=("Package: lumo" "Section: science" "Depends: .*libc6")
[ -x "$BIN/lumo" ] && fields+=("Depends: .*libqt6widgets6")
for field in "${fields[@]}"; do
  grep -q "^ *$field" "$WORK/info.txt" || fail "the package has no \"$field\": $(cat "$WORK/info.txt")"
done
dpkg-deb -c "$DEB" > "$WORK/contents.txt"
files=(./usr/bin/lumo-run ./usr/share/doc/lumo/copyright ./usr/share/doc/lumo/changelog.gz
       ./usr/share/lumo/Chems.dat)
[ -e "$BUILD/doc/lumo-run.1.gz" ] && files+=(./usr/share/man/man1/lumo-run.1.gz)
for f in "${files[@]}"; do
  grep -q " $f\$" "$WORK/contents.txt" || fail "$f is not in the package"
done

if command -v lintian > /dev/null; then
  lintian --tag-display-limit 0 "$DEB" > "$WORK/lintian.txt" 2>&1 || true
  cat "$WORK/lintian.txt"
  ! grep -q '^E: ' "$WORK/lintian.txt" || fail "lintian reports errors"
fi

ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT"
fresh_home
reference_results "$BIN" "$WORK/expected.txt"
"$ROOT/usr/bin/lumo-run" --default > "$WORK/packaged.txt" || fail "the packaged lumo-run --default"
results_of "$WORK/packaged.txt" > "$WORK/actual.txt"
diff -u "$WORK/expected.txt" "$WORK/actual.txt" || fail "the packaged program's results differ"

rm -rf "$WORK"
echo "Debian package: OK"
