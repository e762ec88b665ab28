#!/usr/bin/env bash
# Builds the Debian package and checks it as a new user's machine would see
# it: its files, dependencies and maintainer scripts; then, on a pristine
# Debian 12 root (debootstrap, minbase), installs it with apt-get, compiles an
# installed template with brisola-compile, starts brisola without a display
# until its working folders exist (printing nothing), validates the desktop
# entry and the AppStream description, and removes the package again, which
# must leave none of its files behind.
# Run as root. PACKAGE_CHECK_CACHE sets where the root is kept
# (default /var/tmp/brisola-package-check); the first run takes a minute longer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="${PACKAGE_CHECK_CACHE:-/var/tmp/brisola-package-check}"
base="$cache/base"
work="$cache/work"

fail() { echo "package-check: FAILED: $*"; exit 1; }
step() { echo "package-check: $*"; }

package="$("$root/scripts/package.sh" | tail -n 1)"
step "checking $package"

# The package's files, dependencies and maintainer scripts.
files="$(dpkg-deb -c "$package" | awk '{print $6}' | sed 's|^\./|/|')"
for wanted in /usr/bin/brisola /usr/bin/brisola-compile \
    /usr/share/brisola/Templates/Default.zrj /usr/share/brisola/Templates/Modal1.zrx \
    /usr/share/brisola/Templates/close.gif /usr/share/brisola/Templates/resize.gif \
    /usr/share/applications/brisola.desktop /usr/share/icons/hicolor/scalable/apps/brisola.svg \
    /usr/share/metainfo/com.wendmark.brisola.metainfo.xml \
    /usr/share/man/man1/brisola.1.gz /usr/share/man/man1/brisola-compile.1.gz; do
    grep -qx "$wanted" <<<"$files" || fail "the package lacks $wanted"
done
strays="$(grep -v -e '/$' -e '^/usr/bin/' -e '^/usr/share/' <<<"$files" || true)"
[ -z "$strays" ] || fail "files outside /usr/bin and /usr/share: $strays"
depends="$(dpkg-deb -f "$package" Depends)"
for wanted in libqt6webenginecore6 libqt6webenginecore6-bin libqt6widgets6 libqt6svg6 libcurl4 zlib1g libc6; do
    grep -qE "(^|, )$wanted( |,|$)" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
control="$(mktemp -d)"
trap 'rm -rf "$control"' EXIT
dpkg-deb -e "$package" "$control"
scripts="$(ls "$control" | grep -v -x -e control -e md5sums || true)"
# Menus and icon caches follow through the desktop's own triggers: the
# package needs no maintainer script of its own.
[ -z "$scripts" ] || fail "unexpected maintainer scripts: $scripts"

mirror() {
    { grep -hE '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}'
      grep -hE '^deb ' /etc/apt/sources.list 2>/dev/null | awk '{print $2}'; } | grep -v security | head -n 1
}
if [ ! -x "$base/bin/bash" ]; then
    command -v debootstrap >/dev/null || { apt-get update -q >/dev/null; apt-get install -y -q debootstrap >/dev/null; }
    rm -rf --one-file-system "$base.tmp"
    mkdir -p "$cache"
    step "creating a minimal Debian 12 root"
    debootstrap --variant=minbase bookworm "$base.tmp" "$(mirror)" >"$cache/debootstrap.log" 2>&1
    mv "$base.tmp" "$base"
fi
release() {
    for m in dev/shm proc; do umount "$work/$m" 2>/dev/null || true; done
    rm -rf "$control"
}
trap release EXIT
release
rm -rf --one-file-system "$work"
cp -a "$base" "$work"
cp /etc/resolv.conf "$work/etc/resolv.conf"
mount -t proc proc "$work/proc"
mount -t tmpfs tmpfs "$work/dev/shm"
mkdir -p "$work/root/check"
cp "$package" "$work/root/check/"
cat >"$work/root/check/inside.sh" <<'INSIDE'
set -euo pipefail
deb="$1"
cd /root/check
fail() { echo "FAILED: $*"; exit 1; }
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
# The validators first, so that their files are not counted as the package's.
apt-get install -y -q --no-install-recommends desktop-file-utils appstream >validators.log 2>&1 ||
    { cat validators.log; fail "installing the validators"; }
apt-get install -y -q --no-install-recommends "$deb" >install.log 2>&1 || { cat install.log; fail "apt-get install"; }
dpkg-query -L brisola >files.txt

mkdir site
brisola-compile --save-as site/welcome.zrj /usr/share/brisola/Templates/Default.zrj >compile.out 2>compile.err ||
    { cat compile.out compile.err; fail "brisola-compile"; }
ls site/*.js >/dev/null 2>&1 || fail "brisola-compile wrote no script: $(ls site)"
grep -q '<script' compile.out || fail "brisola-compile printed no script lines: $(cat compile.out)"

home=/root/check/home
mkdir -p "$home/run"
chmod 700 "$home/run"
HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen brisola >start.out 2>&1 &
editor=$!
started=""
for _ in $(seq 120); do
    if [ -d "$home/Documents/Brisola/User" ] && [ -d "$home/Documents/Brisola/Templates" ] &&
        grep -qs "Browser window handle" "$home"/Documents/Brisola/Logging/*; then
        started=yes
        break
    fi
    sleep 0.5
done
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
[ -n "$started" ] || { cat start.out; fail "brisola did not start (no working folders or no log)"; }
[ ! -s start.out ] || { cat start.out; fail "brisola printed on the terminal at its start"; }

desktop-file-validate /usr/share/applications/brisola.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/com.wendmark.brisola.metainfo.xml || fail "appstreamcli validate"

apt-get purge -y -q brisola >remove.log 2>&1 || { cat remove.log; fail "apt-get purge"; }
left=""
while read -r file; do
    [ -d "$file" ] && continue
    [ -e "$file" ] && left="$left $file"
done <files.txt
[ -z "$left" ] || fail "files left after removal:$left"
[ ! -e /usr/share/brisola ] || fail "/usr/share/brisola left after removal"
echo "installed, used and removed cleanly"
INSIDE
step "installing, using and removing the package on a fresh Debian 12 root"
chroot "$work" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash /root/check/inside.sh "/root/check/$(basename "$package")" </dev/null ||
    fail "on the fresh root"
step "passed"
