#!/usr/bin/env bash
# run_fuzz.sh BUILD SECONDS [TARGET]: runs each fuzz target of BUILD (or
# only TARGET) for SECONDS on its committed corpus and reproducers. New
# inputs go to BUILD/fuzz-new/<target>, crashes to BUILD/fuzz-crashes/<target>;
# the committed corpus is only read. Stops with a failure at the first
# target that crashes, naming the input it kept.
set -euo pipefail

build=$1
seconds=$2
only=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
targets=(scenario engine_record chemicals assessment_file grid number_text concentration_csv)

# The scenario input holds a whole record and up to 800 schedule rows.
max_len() {
  case $1 in
    scenario) echo 110000 ;;
    chemicals | grid | concentration_csv) echo 16384 ;;
    *) echo 4096 ;;
  esac
}

if [ -n "$only" ] && [[ ! " ${targets[*]} " == *" $only "* ]]; then
  echo "run_fuzz: no target \"$only\"; the targets are: ${targets[*]}" >&2
  exit 2
fi

summary=()
for target in "${targets[@]}"; do
  [ -n "$only" ] && [ "$target" != "$only" ] && continue
  program=$build/bin/fuzz_$target
  if [ ! -x "$program" ]; then
    echo "run_fuzz: $program was not built" >&2
    exit 2
  fi
  new=$build/fuzz-new/$target
  crashes=$build/fuzz-crashes/$target
  mkdir -p "$new" "$crashes"
  log=$build/fuzz-$target.log
  echo "== fuzz_$target for ${seconds}s (log: $log)"
  status=0
  "$program" -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=60 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$crashes/" \
    "$new" "$here/corpus/$target" "$here/repro/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  summary+=("$(printf '%-14s %10s runs %8s per second' "$target" "${runs:-?}" "${rate:-?}")")
  if [ "$status" -ne 0 ]; then
    grep -E "^(property failed|==[0-9]+==ERROR|SUMMARY|.*Test unit written)" "$log" >&2 || true
    echo "run_fuzz: fuzz_$target failed (exit status $status); see $log" >&2
    echo "  replay the input with: $program <input>   (LUMO_FUZZ_VERBOSE=1 says how far it went)" >&2
    exit 1
  fi
done
printf '%s\n' "${summary[@]}"
