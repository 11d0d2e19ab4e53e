#!/usr/bin/env bash
# Runs each fuzz target for SECONDS (default 60), one after the other, niced, on its seed corpus
# (fuzz/corpus/<target>, never modified) plus a working corpus in build-fuzz/corpus/<target>.
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]; FUZZ_BUILD names the build folder. With FUZZ_RUNS
# set, each target stops after that many executions instead (SECONDS then only caps the time;
# 0 means no cap). FUZZ_MAX_LEN caps the input size (default 4096).
# Prints the executions of each target; exits 1 at the first target that finds a crash, whose
# input is then in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${FUZZ_BUILD:-build-fuzz}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(scenario registry_file script binding_list network_list oid_reply eeprom_image)

mkdir -p "$build/artifacts"
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  log="$build/fuzz-$t.log"
  limit=()
  [ -n "${FUZZ_RUNS:-}" ] && limit=(-runs="$FUZZ_RUNS")
  start=$(date +%s)
  if ! nice -n 19 "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="${FUZZ_MAX_LEN:-4096}" -timeout=10 \
      -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
      "${limit[@]}" "${dict[@]}" "$build/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $t found a crash (see $log and $build/artifacts/)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz: $t: ${runs:-?} executions in $(($(date +%s) - start)) s, no crash"
done
