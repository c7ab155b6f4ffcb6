#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed layout file by file:
# programs, data, menu entries, icons and metainfo (with the validators when they are
# there), then starts the installed vokabrix with a fresh HOME and checks that it reads its
# data from the share folder and keeps what it writes in the user's folder. With
# --package it also makes the Debian package and checks its contents and dependencies.
set -euo pipefail
build=$1
shift
package=0
[ "${1:-}" = "--package" ] && package=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
share="$root/share/vokabrix"

[ -x "$root/bin/vokabrix" ] || fail "bin/vokabrix missing"
[ -x "$root/bin/vokabrix-edit" ] || fail "bin/vokabrix-edit missing"
[ -e "$root/bin/edit" ] && fail "the editor must not be installed as bin/edit"
for f in VOKABRIX.DCT LANG.CRP VERB01.TXT VERB02.TXT VERB03.TXT VERB04.TXT VERB05.TXT README.TXT Vokabrix.html own.dct; do
    [ -s "$share/$f" ] || fail "share/vokabrix/$f missing or empty"
done
# Every help document with every picture it shows, found beside it as the viewer looks.
for html in "$build"/Vokabrix*.html; do
    name=$(basename "$html")
    [ -s "$share/$name" ] || fail "share/vokabrix/$name missing or empty"
    for picture in $(grep -o 'src="[^"]*"' "$share/$name" | sed 's/^src="//; s/"$//'); do
        [ -s "$share/$picture" ] || fail "$name shows $picture, which is not installed"
    done
done
# The example, not whatever the build folder's own.dct holds now.
cmp -s "$share/own.dct" "$build/data/example/own.dct" || fail "share/vokabrix/own.dct is not the example"
for id in org.example.Vokabrix org.example.Vokabrix.Editor; do
    desktop="$root/share/applications/$id.desktop"
    icon="$root/share/icons/hicolor/scalable/apps/$id.svg"
    [ -s "$desktop" ] || fail "$id.desktop missing"
    [ -s "$icon" ] || fail "$id.svg missing"
    grep -q "^Icon=$id$" "$desktop" || fail "$id.desktop names another icon"
    for lang in sv de fr es; do
        grep -q "^Name\[$lang\]=" "$desktop" || fail "$id.desktop has no Name[$lang]"
        grep -q "^Comment\[$lang\]=" "$desktop" || fail "$id.desktop has no Comment[$lang]"
    done
    grep -q '^Categories=.*Education;.*Languages;' "$desktop" || fail "$id.desktop categories"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "desktop-file-validate $id.desktop"
    fi
    exec_name=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$root/bin/$exec_name" ] || fail "$id.desktop starts $exec_name, which is not installed"
done
metainfo="$root/share/metainfo/org.example.Vokabrix.metainfo.xml"
[ -s "$metainfo" ] || fail "metainfo missing"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate"
fi

# The installed program with a fresh HOME: the user's folder is made with the example
# own.dct, and nothing is written into the share folder.
home="$work/home"
mkdir -p "$home"
before=$(cd "$share" && ls -l --time-style=+%s | md5sum)
for program in vokabrix vokabrix-edit; do
    HOME="$home" XDG_DATA_HOME= XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen VOKABRIX_QUIT_ON_FIRST_WINDOW=1 \
        timeout 60 "$root/bin/$program" >/dev/null 2>&1 || fail "$program did not start"
done
user="$home/.local/share/vokabrix"
[ -d "$user" ] || fail "the user's folder $user was not made"
cmp -s "$user/own.dct" "$share/own.dct" || fail "own.dct was not copied from the example"
[ -w "$user/own.dct" ] || fail "the user's own.dct is not writable"
after=$(cd "$share" && ls -l --time-style=+%s | md5sum)
[ "$before" = "$after" ] || fail "the program wrote into the share folder"

if [ "$package" = 1 ]; then
    if ! command -v dpkg-shlibdeps >/dev/null || ! command -v dpkg-deb >/dev/null; then
        echo "skipped the package: dpkg-dev is not installed"
    else
        (cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null) || fail "cpack -G DEB"
        deb=$(ls "$work/deb"/vokabrix_*_*.deb 2>/dev/null | head -n 1)
        [ -n "$deb" ] || fail "no vokabrix_<version>_<arch>.deb"
        depends=$(dpkg-deb -f "$deb" Depends)
        for dep in libqt6widgets6 libqt6svg6 libqt6printsupport6 qt6-qpa-plugins fonts-dejavu-core; do
            echo "$depends" | grep -q "$dep" || fail "the package does not depend on $dep: $depends"
        done
        contents=$(dpkg-deb -c "$deb")
        for f in ./usr/bin/vokabrix ./usr/bin/vokabrix-edit ./usr/share/vokabrix/LANG.CRP \
                 ./usr/share/applications/org.example.Vokabrix.desktop ./usr/share/metainfo/org.example.Vokabrix.metainfo.xml; do
            echo "$contents" | grep -q " $f\$" || fail "the package lacks $f"
        done
    fi
fi
echo "installed layout checked"
