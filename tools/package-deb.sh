#!/bin/sh
# Makes the Debian package from a built folder (default: build) and checks it: lintian without an error or a
# warning, its dependencies, the program's files, no maintainer scripts (removing the package never touches a
# user's data), and that the programs it unpacks start and make a user's data folder from their own sample.
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
rm -f "$build"/nurugata_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/nurugata_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

fail() { echo "$deb: $*" >&2; exit 1; }
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
depends=$(dpkg-deb --field "$deb" Depends)
for need in libc6 libqt6core6 libqt6gui6 libqt6network6 libqt6widgets6 fonts-ipafont-gothic fonts-ipafont-mincho; do
    echo ", $depends" | grep -Eq ", $need( |,|$)" || fail "no dependency on $need"
done
contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
share=./usr/share
for file in ./usr/bin/vemo ./usr/bin/vemo-cli $share/nurugata/sample/Vemo6Data/KakoData.txt \
    $share/nurugata/sample/Help/index.html $share/applications/com.quorvanex.nurugata.desktop \
    $share/metainfo/com.quorvanex.nurugata.metainfo.xml $share/icons/hicolor/scalable/apps/com.quorvanex.nurugata.svg \
    $share/icons/hicolor/48x48/apps/com.quorvanex.nurugata.png \
    $share/icons/hicolor/256x256/apps/com.quorvanex.nurugata.png \
    $share/man/man1/vemo.1.gz $share/man/man1/vemo-cli.1.gz $share/bash-completion/completions/vemo-cli \
    $share/doc/nurugata/copyright $share/doc/nurugata/changelog.Debian.gz; do
    echo "$contents" | grep -qx "$file" || fail "$file is missing"
done
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -vxE '\./|\./control|\./md5sums' || true)
[ -z "$scripts" ] || fail "maintainer scripts: $scripts"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb --extract "$deb" "$scratch/root"
mkdir "$scratch/home"
HOME=$scratch/home XDG_CONFIG_HOME= XDG_DATA_HOME= "$scratch/root/usr/bin/vemo-cli" info | grep -qx 'draws 2000' \
    || fail "the unpacked vemo-cli does not start on a fresh home folder"
[ -f "$scratch/home/.local/share/Quorvanex/ヌルガタ/Help/index.html" ] || fail "no user data folder was made"
echo "$deb: dependencies, files and a first start are as they should be"
