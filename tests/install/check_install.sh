#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree: a program that runs, a valid
# desktop entry, the icons at their sizes, a manual page that renders, the documentation, and the
# modules the installed program loads: the Linux driver and the desktop window.
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install_tree: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

version=$("$prefix/bin/sdwlan" --version) || fail "sdwlan --version failed"
[[ $version =~ ^sdwlan\ [0-9]+(\.[0-9]+)+$ ]] || fail "sdwlan --version printed '$version'"

desktop-file-validate "$prefix/share/applications/sdwlan.desktop" ||
  fail "the desktop entry is not valid"

# Width and height of a PNG: big-endian words at bytes 16 and 20 of its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3*256+$4 "x" $7*256+$8 }'; }
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/sdwlan.png
  [ -f "$icon" ] || fail "no icon $icon"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
done

page=$prefix/share/man/man1/sdwlan.1
[ -f "$page" ] || fail "no manual page"
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q -- '--version' ||
  fail "the manual page does not render the options"

for doc in README.md docs/script.md docs/scenario.md docs/registry.md; do
  [ -f "$prefix/share/doc/sdwlan/$doc" ] || fail "no $doc in share/doc/sdwlan"
done

# The installed program finds its Linux driver module (on a machine without Wi-Fi it ends with
# status 5 and says so).
message=$("$prefix/bin/sdwlan" --backend linux --report --registry "$prefix/registry.reg" 2>&1 \
  >/dev/null) || true
case $message in
  *"cannot be loaded"*) fail "the installed program did not load its Linux driver: $message" ;;
esac

# The installed program finds its desktop module and opens the window (a screenshot of it under
# a private X server). Leaks of the window system's libraries at exit are not this check's.
if [ -f "$build/main/sdwlan-desktop.so" ]; then
  module=$(find "$prefix" -name sdwlan-desktop.so)
  [ -n "$module" ] || fail "no desktop module installed"
  ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1024x768x24" "$prefix/bin/sdwlan" \
    --registry "$prefix/registry.reg" --screenshot "$prefix/window.png" --after 0 ||
    fail "the installed program did not open its window"
  [ -f "$prefix/window.png" ] || fail "the installed program wrote no screenshot"
fi
