#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zerbo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# check_package.sh installed|deb BUILD_DIR APP_ID VERSION
#   installed: installs into a temporary root and validates the desktop file
#              and the metainfo as a distribution would
#   deb:       builds the Debian package, reads its contents list and
#              Depends, unpacks it and asks the packaged program for its
#              version and help, compares the manual page with the help
#              and has lintian check the package
set -euo pipefail
part=$1 build=$2 id=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake=${CMAKE:-cmake} cpack=${CPACK:-cpack}

desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml
icon=usr/share/icons/hicolor/scalable/apps/$id.svg

case $part in
installed)
    DESTDIR=$work/root "$cmake" --install "$build" --prefix /usr >/dev/null
    for f in usr/bin/zerbo "$desktop" "$metainfo" "$icon"; do
        [ -e "$work/root/$f" ] || fail "not installed: /$f"
    done
    find "$work/root/usr/lib" -path '*/zerbo/print/libzerbo_print.so' | grep -q . ||
        fail "not installed: the print module"
    desktop-file-validate "$work/root/$desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$work/root/$metainfo" || fail "appstreamcli validate"
    grep -qx "Icon=$id" "$work/root/$desktop" || fail "the desktop file names another icon"
    grep -q "<id>$id</id>" "$work/root/$metainfo" || fail "the metainfo has another id"
    newest=$(grep -o '<release version="[^"]*"' "$work/root/$metainfo" | head -n1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "newest release in the metainfo is $newest, the program is $version"
    ;;
deb)
    "$cpack" --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack"; }
    debs=("$work"/pkg/zerbo_*.deb)
    [ -f "${debs[0]}" ] || fail "no zerbo_*.deb"
    deb=${debs[0]}
    contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
    for f in usr/bin/zerbo "$desktop" "$metainfo" "$icon"; do
        grep -qx "\./$f" <<<"$contents" || fail "the package lacks /$f"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    grep -q '^\./usr/lib/.*zerbo/print/libzerbo_print\.so$' <<<"$contents" || fail "the package lacks the print module"
    for d in libc6 libqt6widgets6 libqt6printsupport6 qt6-translations-l10n; do
        grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d"
    done
    dpkg-deb -x "$deb" "$work/root"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/zerbo" --version)
    [ "$answer" = "Zerbo $version" ] || fail "zerbo --version answered '$answer'"
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/zerbo" --help)
    grep -q "^Aufruf: .*zerbo \\[Optionen\\]" <<<"$help" || fail "zerbo --help is not German: $help"
    manual=$(zcat "$work/root/usr/share/man/man1/zerbo.1.gz" | sed 's/\\-/-/g')
    grep -q "^\.TH ZERBO 1 .*Zerbo $version" <<<"$manual" || fail "the manual page is not zerbo(1) of $version"
    for option in $(grep -oE '^ +(-[a-zA-Z], )?--[a-z-]+' <<<"$help" | tr -d ','); do
        grep -qe "$option\b" <<<"$manual" || fail "the manual page lacks $option of --help"
    done
    lintian --fail-on error,warning "$deb" || fail "lintian"
    ;;
*)
    fail "unknown part $part"
    ;;
esac
echo "package $part: OK"
