#!/usr/bin/env bash
# Runs every fuzz target over its seeds, then fuzzes each for a while.
#   fuzz/smoke.sh BUILD_DIR [SECONDS]
# BUILD_DIR is a tree configured with clang and YUKIPOM_SANITIZE=ON, with the
# `fuzz` target built. Fails when any seed or any fuzzed input makes a
# target crash, leak, hang (TIMEOUT s) or outgrow RSS_MB; the inputs that
# failed are left in BUILD_DIR/fuzz-smoke/<target>/ to be added to
# fuzz/corpus/<target>/ once the fault is fixed.
#
# fuzz/known-failures lists seeds that fail until a fix lands. They are
# replayed on their own and reported, without failing the run, and left out
# of the fuzzing corpus. A target listed with "*" is known to fail quickly
# when fuzzed: its fuzzing round is run and reported, and does not fail.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$build/fuzz-smoke
limits=(-timeout="${TIMEOUT:-10}" -rss_limit_mb="${RSS_MB:-2048}")
targets=(fuzz_wav fuzz_media_player fuzz_readme)

rm -rf "$work" && mkdir -p "$work" || exit 1
"$build/bin/yukipom-fuzz-wav-seeds" "$work/wav-seeds" || exit 1

known_failure() {  # target file
  grep -qxF "$1 $2" <(sed 's/ *#.*//; /^$/d' "$here/known-failures")
}

# Fills $work/<target>/seeds from the committed corpus and the generated seeds.
gather_seeds() {
  local target=$1 seeds=$work/$1/seeds file
  mkdir -p "$seeds"
  case $target in
    fuzz_wav | fuzz_media_player) cp "$work"/wav-seeds/* "$seeds"/ ;;
    fuzz_readme) cp "$here/../windows/ReadMe.txt" "$seeds"/shipped-readme.txt ;;
  esac
  if [ -d "$here/corpus/$target" ]; then cp "$here/corpus/$target"/* "$seeds"/; fi
  for file in "$seeds"/*; do
    if known_failure "$target" "$(basename "$file")"; then
      mkdir -p "$work/$target/known"
      mv "$file" "$work/$target/known/"
    fi
  done
}

failed=()
summary=()
for target in "${targets[@]}"; do
  bin=$build/bin/$target
  gather_seeds "$target"
  dir=$work/$target
  echo "== $target: $(ls "$dir/seeds" | wc -l) seeds"
  if ! "$bin" "${limits[@]}" -artifact_prefix="$dir/" "$dir"/seeds/* >"$dir/replay.log" 2>&1; then
    tail -40 "$dir/replay.log"
    failed+=("$target: a seed failed (see $dir/replay.log)")
    continue
  fi
  for file in "$dir"/known/*; do
    [ -e "$file" ] || continue
    if "$bin" "${limits[@]}" -artifact_prefix="$dir/known-" "$file" >"$file.log" 2>&1; then
      summary+=("$target: known failure $(basename "$file") PASSES now: remove it from fuzz/known-failures")
    else
      summary+=("$target: known failure $(basename "$file") still fails: $(grep -m1 -oE 'ERROR: [^(]*|timeout after [0-9]+ seconds|out-of-memory[^)]*' "$file.log")")
    fi
  done
  # Seeds of any size were replayed whole above; mutating inputs of tens of
  # kilobytes would only slow the search down.
  mkdir -p "$dir/corpus"
  start=$SECONDS
  "$bin" "${limits[@]}" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" "$dir/seeds" >"$dir/fuzz.log" 2>&1
  status=$?
  done_line=$(grep -E "^#[0-9]+[[:space:]]+DONE" "$dir/fuzz.log" | tail -1)
  runs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$dir/fuzz.log" | grep -oE '[0-9]+$')
  summary+=("$target: ${runs:-?} executions in $((SECONDS - start)) s; ${done_line:-no DONE line}")
  if [ "$status" -eq 0 ] && known_failure "$target" '*'; then
    summary+=("$target: known to fail when fuzzed, but did not: remove its * line from fuzz/known-failures")
  elif [ "$status" -ne 0 ] && known_failure "$target" '*'; then
    summary+=("$target: known failure found again: $(grep -m1 -oE 'ERROR: [^(]*' "$dir/fuzz.log")")
  elif [ "$status" -ne 0 ]; then
    tail -60 "$dir/fuzz.log"
    failed+=("$target: fuzzing failed (exit $status, see $dir/fuzz.log)")
  fi
done

echo "== fuzz smoke summary"
printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -gt 0 ]; then
  printf 'FAILED: %s\n' "${failed[@]}"
  exit 1
fi
echo "all fuzz targets clean"
