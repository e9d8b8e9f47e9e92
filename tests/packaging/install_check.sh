#!/bin/sh
# Builds the Debian package and the tarball from the build folder, checks the package with
# lintian, unpacks its files into a temporary root and plays the installed game there: the
# program's options, a crash report, and a flow of the headless harness (which is the program
# with a script driver, placed beside the installed one so that it finds the installed data
# the same way). Then the tarball is unpacked elsewhere and started through its launcher.
# Usage: install_check.sh BUILD_DIR HARNESS VERSION SOURCE_DIR
set -u
build=$1
harness=$2
version=$3
source=$4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/kipto2-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/packages" -G "DEB;TGZ" >cpack.log 2>&1 \
    || { cat cpack.log; fail "cpack failed"; }
deb=$(ls packages/kipto2_*.deb)
tgz=$(ls packages/kipto2-*.tar.gz)

# The Debian package: its version, the libraries it needs, lintian's verdict, its files.
[ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "the package's version is not $version-1"
dpkg-deb -f "$deb" Depends | grep -q 'libsdl2' || fail "the package does not depend on the libraries it links"
# The players' guide lists the same packages for the tarball.
for package in $(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *\([^ ]*\).*/\1/' | grep -v '^lib\(c6\|gcc-s1\|stdc++6\)$'); do
    grep -q -- "$package" "$source/docs/PLAYING.md" || fail "docs/PLAYING.md does not name $package, which the game needs"
done
lintian --tag-display-limit 0 "$deb" >lintian.log 2>&1
if grep -q '^E:' lintian.log; then cat lintian.log; fail "lintian found errors"; fi
dpkg-deb -x "$deb" root
for file in usr/bin/Kipto2 usr/bin/kipto2-scores usr/share/kipto2/Kipto2.bin \
    usr/lib/systemd/system/kipto2-scores.service usr/share/doc/kipto2/copyright \
    usr/share/doc/kipto2/PLAYING.md usr/share/doc/kipto2/changelog.Debian.gz \
    usr/share/man/man6/kipto2.6.gz usr/share/man/man6/Kipto2.6.gz usr/share/man/man1/kipto2-scores.1.gz; do
    [ -f "root/$file" ] || fail "the package lacks /$file"
done
# The desktop's menu entry starts an installed program and shows an installed icon.
entry=$(ls root/usr/share/applications/*.desktop)
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -x "root/usr/bin/$exec_name" ] || fail "the menu entry starts '$exec_name', which is not in /usr/bin"
for size in 16 32 48 64 128 256; do
    [ -f "root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no icon '$icon' of $size pixels"
done
appstreamcli validate-tree --no-net root || fail "appstreamcli refuses the installed tree"

# The installed program, from a folder without a package.
mkdir run && cd run
"$here/options_check.sh" "$work/root/usr/bin/Kipto2" "$version" "$source" || exit 1
"$here/crash_check.sh" "$work/root/usr/bin/Kipto2" || exit 1
cp "$harness" "$work/root/usr/bin/"
"$work/root/usr/bin/$(basename "$harness")" --script "$here/installed_game.script" --out "$work/shots" \
    || fail "the flow on the installed game failed"
cd "$work"

# The tarball: a tree that runs wherever it is unpacked, through its launcher.
mkdir moved && tar -xzf "$tgz" -C moved
top=$(ls -d moved/kipto2-*)
[ -x "$top/kipto2" ] || fail "the tarball has no launcher"
[ ! -e root/usr/kipto2 ] || fail "the launcher got into the Debian package"
"$top/kipto2" --version | grep -q "^Kipto2 $version" || fail "the launcher does not start the program"
"$top/kipto2" --help | grep -q "$work/$top/share/kipto2\$" || fail "the unpacked program does not look for its data in its own tree"
[ -f "$top/share/kipto2/Kipto2.bin" ] || fail "the tarball lacks the data package"
echo "install: passed"
