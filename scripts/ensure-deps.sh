#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing; with
# arguments, those packages instead (`make test-hwsim` asks for its own this way).
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config googletest libgtest-dev libgmock-dev
          libbenchmark-dev libfltk1.3-dev fluid nlohmann-json3-dev libstb-dev xvfb xauth
          fonts-dejavu-core clang-format desktop-file-utils man-db clang libclang-rt-dev
          libnl-genl-3-dev)
[ $# -gt 0 ] || set -- "${packages[@]}"

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "sdwlan: missing packages (${missing[*]}); run as root or: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "sdwlan: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
