#!/usr/bin/env bash
# The utility against the kernel's wireless stack: boots a Debian kernel under QEMU (TCG) with
# an initramfs holding sdwlan (and the libraries ldd names), mac80211_hwsim, hostapd and iw,
# runs guest-init.sh there and checks each run's output against expected.txt.
#
# Usage: tests/hwsim/run.sh SDWLAN_BINARY [WORK_DIR]
# The kernel package is downloaded once into WORK_DIR (default: build-hwsim/ in the source
# tree, outside the build folder, whose programs must be the project's own). Exit status: 0 passed or skipped (QEMU cannot start here, said in one line), 1 failed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(realpath "$1")
work=$(realpath -m "${2:-$here/../../build-hwsim}")
timeout_s=${HWSIM_TIMEOUT:-900}

skip() {
  echo "test-hwsim: SKIPPED: $*"
  exit 0
}
die() {
  echo "test-hwsim: FAILED: $*" >&2
  exit 1
}

# QEMU on the host; hostapd, iw and busybox are copied into the guest.
"$here/../../scripts/ensure-deps.sh" qemu-system-x86 hostapd iw busybox-static cpio xz-utils zstd ||
  skip "the QEMU and hostapd packages cannot be installed"
command -v qemu-system-x86_64 >/dev/null || skip "qemu-system-x86_64 is not installed"
mkdir -p "$work"
cd "$work"

# The kernel of the release's linux-image-amd64, unpacked here, not installed.
kernel_package=$(apt-cache depends linux-image-amd64 |
  sed -n 's/.*Depends: \(linux-image-[0-9].*-amd64\)$/\1/p' | head -n1)
[ -n "$kernel_package" ] || skip "no Debian kernel package is known to apt"
version=${kernel_package#linux-image-}
if [ ! -d "kernel/lib/modules/$version" ]; then
  rm -rf kernel ./*.deb
  apt-get download "$kernel_package" >/dev/null || skip "the kernel package cannot be downloaded"
  mkdir kernel
  dpkg-deb -x "$kernel_package"_*.deb kernel
  rm -f ./*.deb
fi
modules=kernel/lib/modules/$version
[ -e "$modules/modules.dep" ] || busybox depmod -b kernel "$version"

# The guest's root: busybox, the modules mac80211_hwsim needs, the programs and their libraries.
root=$work/root
rm -rf "$root"
mkdir -p "$root"/{bin,sbin,etc/sdwlan,proc,sys,dev,tmp,run,var/run,lib/modules/$version}
cp /bin/busybox "$root/bin/busybox"
ln -s busybox "$root/bin/sh"
for module in $(grep -E '/mac80211_hwsim\.ko(\.[a-z]+)?:' "$modules/modules.dep" | tr -d ':'); do
  target=$root/lib/modules/$version/${module%.xz}
  target=${target%.zst}
  mkdir -p "$(dirname "$target")"
  case $module in
    *.xz) xz -dc "$modules/$module" >"$target" ;;
    *.zst) zstd -qdc "$modules/$module" >"$target" ;;
    *) cp "$modules/$module" "$target" ;;
  esac
done
busybox depmod -b "$root" "$version"
# The Linux driver is a module the utility loads from beside itself.
module=$(dirname "$binary")/sdwlan-linux.so
for program in /usr/sbin/hostapd /usr/sbin/iw "$binary" "$module"; do
  cp "$program" "$root/sbin/"
  for library in $(ldd "$program" | grep -o '/[^ ]*'); do
    mkdir -p "$root$(dirname "$library")"
    cp -L "$library" "$root$library"
  done
done
# The guest calls the utility by its name, whatever the file given here is called.
[ "$(basename "$binary")" = sdwlan ] || mv "$root/sbin/$(basename "$binary")" "$root/sbin/sdwlan"
cp "$here/guest-init.sh" "$root/init"
chmod +x "$root/init"
cp "$here"/hostapd-*.conf "$root/etc/"
cp "$here"/*.script "$root/etc/sdwlan/"
(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) >initrd.gz

# QEMU must start at all: a kernel without initramfs panics at once, which proves it.
if ! timeout 120 qemu-system-x86_64 -accel tcg -m 256 -nographic -no-reboot \
  -kernel "kernel/boot/vmlinuz-$version" -append "console=ttyS0 panic=-1" </dev/null 2>&1 |
  grep -q 'Kernel panic'; then
  skip "QEMU cannot start a kernel on this machine"
fi

start=$(date +%s)
timeout "$timeout_s" qemu-system-x86_64 -accel tcg -m 512 -smp 1 -nographic -no-reboot \
  -kernel "kernel/boot/vmlinuz-$version" -initrd initrd.gz \
  -append "console=ttyS0 quiet panic=-1" </dev/null >console.log 2>&1 || true
tr -d '\r' <console.log >console.txt
echo "test-hwsim: guest ran $(($(date +%s) - start)) s; console in $work/console.txt"

grep -q '^@@@ setup-done' console.txt || die "the guest's setup failed: $(grep -m1 '^@@@ setup-failed' console.txt || echo 'no setup line (see the console)')"
grep -q '^@@@ done' console.txt || die "the guest did not finish its runs (see the console)"

# The output of run NAME: the lines between its markers.
section() { awk -v n="$1" '$0 == "@@@ begin " n {on = 1; next} index($0, "@@@ end " n " ") == 1 {on = 0} on' console.txt; }
failures=0
for name in $(grep -v '^#' "$here/expected.txt" | awk '{print $1}' | sort -u); do
  if ! grep -q "^@@@ end $name status=0$" console.txt; then
    echo "test-hwsim: run '$name' ended with $(grep -o "^@@@ end $name status=[0-9]*" console.txt || echo 'no status')"
    failures=$((failures + 1))
  fi
done
while read -r name pattern; do
  case $name in '#'* | '') continue ;; esac
  if ! section "$name" | grep -Eq -- "$pattern"; then
    echo "test-hwsim: run '$name' does not show: $pattern"
    failures=$((failures + 1))
  fi
done <"$here/expected.txt"
if [ $failures -ne 0 ]; then
  die "$failures check(s) failed (console: $work/console.txt)"
fi
echo "test-hwsim: passed ($(grep -vc '^#' "$here/expected.txt") checks)"
