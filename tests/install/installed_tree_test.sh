#!/usr/bin/env bash
# `cmake --install` into a temporary prefix, the tree made read-only, used by
# a user whose home is empty: the programs run, and every file they write goes
# to the user's folders, none into the installation.
# Arguments: the build folder, its program folder (build/bin), the sources.
BUILD=$1 BIN=$2 SOURCE=$3
WORK=$BUILD/install-test
source "$(dirname "$0")/common.sh"

[ -d "$WORK" ] && chmod -R u+w "$WORK" && rm -rf "$WORK"
mkdir -p "$WORK"
PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" > "$WORK/install.log" || fail "cmake --install"

# The layout.
for f in bin/lumo-run share/lumo/Chems.dat share/lumo/help/Chemicals.kbn \
         "share/lumo/House - One Bedroom.vkx" "share/lumo/House - One Bedroom.vk1"; do
  [ -e "$PREFIX/$f" ] || fail "$f is not installed"
done
ENGINE=$(find "$PREFIX/lib" -name liblumo32.so)
[ -n "$ENGINE" ] && [ "$(dirname "$ENGINE")" != "$PREFIX/bin" ] || fail "no private engine folder"
case "$ENGINE" in "$PREFIX"/lib/*/lumo/liblumo32.so | "$PREFIX"/lib/lumo/liblumo32.so) ;;
  *) fail "the engine is at $ENGINE" ;; esac
[ ! -e "$PREFIX/bin/liblumo32.so" ] || fail "the engine is beside the programs"
if readelf -d "$PREFIX/bin/lumo-run" | grep -qE 'R(UN)?PATH'; then
  fail "lumo-run keeps a library search path: $(readelf -d "$PREFIX/bin/lumo-run" | grep PATH)"
fi

chmod -R a-w "$PREFIX"
touch "$WORK/before"
sleep 1
fresh_home

# The start-up scenario gives the build tree's ten results.
reference_results "$BIN" "$WORK/expected.txt"
(cd / && "$PREFIX/bin/lumo-run" --default > "$WORK/installed.txt") || fail "installed lumo-run --default"
results_of "$WORK/installed.txt" > "$WORK/actual.txt"
diff -u "$WORK/expected.txt" "$WORK/actual.txt" || fail "the installed program's results differ"
grep -q "^Scenario: $HOME/Documents/lumo.vkx" "$WORK/installed.txt" ||
  fail "the start-up scenario is not in the documents folder: $(head -1 "$WORK/installed.txt")"
[ -s "$HOME/Documents/lumo.CSV" ] || fail "no lumo.CSV in the documents folder"

# The diagnostic files in the user's state folder, the chemical list copied
# into the user's data folder.
for f in emission.csv xferlumo32.txt; do
  [ -s "$HOME/.local/state/lumo/$f" ] || fail "$f is not in the user's state folder"
done
cmp -s "$HOME/.local/share/lumo/Chems.dat" "$SOURCE/data/Chems.dat" ||
  fail "the user's chemical list is not a copy of the shipped one"

# A saved scenario in a user folder runs and writes its CSV beside itself.
mkdir -p "$HOME/work"
cp "$PREFIX/share/lumo/House - One Bedroom.vkx" "$PREFIX/share/lumo/House - One Bedroom.vk1" \
   "$HOME/work/"
chmod u+w "$HOME/work/"*
"$PREFIX/bin/lumo-run" "$HOME/work/House - One Bedroom.vkx" > "$WORK/saved.txt" ||
  fail "the saved scenario did not run: $(cat "$WORK/saved.txt")"
[ -s "$HOME/work/House - One Bedroom.CSV" ] || fail "no CSV beside the saved scenario"

# --paths says where each file is, the same in both programs.
"$PREFIX/bin/lumo-run" --paths > "$WORK/paths-run.txt"
grep -qx "Chemical list (read and edited): $HOME/.local/share/lumo/Chems.dat" "$WORK/paths-run.txt" ||
  fail "lumo-run --paths: $(cat "$WORK/paths-run.txt")"
grep -qx "Diagnostic files: $HOME/.local/state/lumo/emission.csv, $HOME/.local/state/lumo/xferlumo32.txt" \
  "$WORK/paths-run.txt" || fail "lumo-run --paths: $(cat "$WORK/paths-run.txt")"
"$PREFIX/bin/lumo-run" --version | grep -qx "lumo-run [0-9.]*" || fail "lumo-run --version"
if [ -x "$PREFIX/bin/lumo" ]; then
  "$PREFIX/bin/lumo" --paths > "$WORK/paths-lumo.txt" || fail "lumo --paths"
  diff -u "$WORK/paths-run.txt" "$WORK/paths-lumo.txt" || fail "lumo and lumo-run disagree on the paths"
  "$PREFIX/bin/lumo" --version | grep -qx "lumo [0-9.]*" || fail "lumo --version"
  command -v desktop-file-validate > /dev/null &&
    { desktop-file-validate "$PREFIX/share/applications/lumo.desktop" || fail "desktop-file-validate"; }
  command -v appstreamcli > /dev/null &&
    { appstreamcli validate --no-net "$PREFIX"/share/metainfo/*.metainfo.xml > /dev/null ||
        fail "appstreamcli validate"; }
fi

# Nothing was written into the installation.
changed=$(find "$PREFIX" -newer "$WORK/before" | head -5)
[ -z "$changed" ] || fail "written into the installation: $changed"

chmod -R u+w "$WORK"
rm -rf "$WORK"
echo "installed tree: OK"
