#!/usr/bin/env bash
# CI: builds the fuzz targets and runs each for 10 seconds (a minute in all) on its corpus, so
# that a parser that crashes again shows up. Longer runs: `make fuzz FUZZ_SECONDS=...`.
set -euo pipefail
cd "$(dirname "$0")/.."
make fuzz-build
scripts/fuzz.sh "${FUZZ_CI_SECONDS:-10}"
