#!/usr/bin/env bash
# Installs the Debian packages `make test-hwsim` needs on the host (QEMU) and copies into its
# guest (hostapd, iw, busybox), when any is missing.
set -euo pipefail

packages=(qemu-system-x86 hostapd iw busybox-static cpio xz-utils zstd)

missing=()
for p in "${packages[@]}"; do
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
