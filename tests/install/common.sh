# Shared by the installation tests: failing with a message, a fresh home,
# and the ten result lines of `lumo-run --default`.
set -euo pipefail

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# A home with nothing in it, and none of the XDG variables that would point
# elsewhere.
fresh_home() {
  HOME=$(mktemp -d "$WORK/home.XXXXXX")
  export HOME
  unset XDG_DATA_HOME XDG_STATE_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR
}

# The result lines of lumo-run's report (without the lines naming files).
results_of() {
  grep -E '^  (LADD|ADD|LADC|ADC|Cpeak|SingleEventDose|APDR|APDRtime|C15min|C8hour) ' "$1"
}

# The build tree's lumo-run in a folder of its own (the build tree's
# layout: program, engine and chemical list side by side), run on --default.
reference_results() {
  local bin=$1 out=$2 dir
  dir=$(mktemp -d "$WORK/buildtree.XXXXXX")
  cp "$bin/lumo-run" "$bin/liblumo32.so" "$bin/Chems.dat" "$dir/"
  "$dir/lumo-run" --default > "$dir/out.txt" || fail "the build tree's lumo-run --default"
  results_of "$dir/out.txt" > "$out"
  [ "$(wc -l < "$out")" -eq 10 ] || fail "the build tree's run printed $(wc -l < "$out") results"
}
