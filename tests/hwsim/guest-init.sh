#!/bin/sh
# The guest's first process. Three simulated radios: the two access points ("Harbor" on
# channel 6, "Quay" on channel 11) in a network namespace of their own, so that traffic between
# them and the station goes over the simulated air; the station wlan2 joined to "Harbor". Then
# the utility's runs, each between "@@@ begin NAME" and "@@@ end NAME status=N" lines that the
# host reads from the serial console; the guest powers off at the end.
/bin/busybox --install -s /bin
export PATH=/sbin:/bin:/usr/sbin:/usr/bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mkdir -p /tmp /run /var/run
chmod 1777 /tmp
# An unprivileged user for the run that checks the refusals.
printf 'root:x:0:0::/:/bin/sh\nnobody:x:65534:65534::/tmp:/bin/sh\n' >/etc/passwd
printf 'root:x:0:\nnogroup:x:65534:\n' >/etc/group

mark() { echo "@@@ $*"; }
fail() {
  mark "setup-failed $*"
  [ -f /tmp/hostapd.log ] && cat /tmp/hostapd.log
  poweroff -f
}
# Polls a condition every 100 ms for at most N tries; the kernel's events are waited for, never
# a blocking call.
wait_for() {
  i=0
  until eval "$1"; do
    [ $i -ge "$2" ] && return 1
    sleep 0.1
    i=$((i + 1))
  done
}

modprobe mac80211_hwsim radios=3 || fail "modprobe mac80211_hwsim"
unshare -n sleep 1000000 &
ns=$!
wait_for "[ -e /proc/$ns/ns/net ]" 50 || fail "namespace"
sleep 0.2
iw phy phy0 set netns "$ns" || fail "moving phy0"
iw phy phy1 set netns "$ns" || fail "moving phy1"
ap() { nsenter -t "$ns" -n "$@"; }
ap ip link set lo up
ap hostapd -B -f /tmp/hostapd.log /etc/hostapd-harbor.conf /etc/hostapd-quay.conf ||
  fail "hostapd"
wait_for '[ "$(grep -c AP-ENABLED /tmp/hostapd.log 2>/dev/null)" -ge 2 ]' 600 ||
  fail "access points"
ap ip addr add 10.0.0.1/24 dev wlan0
ap ip addr add 10.0.1.1/24 dev wlan1
ip link set lo up
ip link set wlan2 up
ip addr add 10.0.0.2/24 dev wlan2
iw dev wlan2 connect Harbor
wait_for 'iw dev wlan2 link | grep -q "^Connected"' 300 || fail "joining Harbor"
mark "setup-done"

S="sdwlan --backend linux --registry /tmp/sdwlan.reg"
run() {
  name=$1
  shift
  mark "begin $name"
  "$@" 2>&1
  mark "end $name status=$?"
}
run report $S --report --trace /tmp/trace.txt
run trace grep -m 20 wlan2 /tmp/trace.txt
run unprivileged su -s /bin/sh -c "sdwlan --backend linux --registry /tmp/nobody.reg --report" nobody
run status $S --headless --script /etc/sdwlan/status.script
ping -i 0.2 10.0.0.1 >/dev/null 2>&1 &
pinger=$!
run statistics $S --headless --script /etc/sdwlan/statistics.script
kill $pinger
run rescan $S --headless --script /etc/sdwlan/rescan.script
run radio $S --headless --script /etc/sdwlan/radio.script
run join $S --headless --engineering --script /etc/sdwlan/join.script
mark "done"
poweroff -f
