#!/usr/bin/env bash
# Writes the pictures of docs/screenshots/: each script below runs against the built-in
# scenario in the desktop window on a private X server, with a fresh registry.
# To add pictures, add lines to a script, or a script with its options to the list at the end.
set -euo pipefail
program=${1:?usage: scripts/screenshots.sh PATH/TO/sdwlan}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p docs/screenshots

shoot() {
  local script=$1
  shift
  echo "screenshots: $script"
  rm -f "$work/registry.reg"
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$program" --registry "$work/registry.reg" --script "$here/screenshots/$script" "$@"
}

shoot pages.script
shoot engineering.script --engineering
