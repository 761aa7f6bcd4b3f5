#!/usr/bin/env bash
# Checks the program as a user gets it, from a build folder:
#   installed.sh <build> install   installs into a scratch prefix, validates the launcher and
#                                  metainfo, and starts the installed program for a user whose
#                                  home is empty: its database appears in the user's data folder
#   installed.sh <build> package   makes the .deb and checks what it holds and depends on
set -euo pipefail
build=$1
id=io.github.quillane.Quillane
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Everything the launcher, the icon theme and the program look for, under a prefix.
check_layout() {
    local prefix=$1 size
    for file in bin/quillane share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$id.svg share/quillane/quillane97.mdb \
        share/quillane/quillane_online_help.htm share/quillane/features.htm \
        share/quillane/writer.hlp share/quillane/images/frmMainMenu.png; do
        [ -s "$prefix/$file" ] || { echo "missing: $prefix/$file"; return 1; }
    done
    for size in 16 32 48 64 128 256; do
        [ -s "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" ] ||
            { echo "missing: ${size}x$size icon"; return 1; }
    done
    # The chart plugin, when the build made one, in the program's library folder.
    if [ -e "$build/bin/quillane-wordschart.so" ]; then
        [ -s "$prefix/lib/quillane/quillane-wordschart.so" ] ||
            { echo "missing: the chart plugin"; return 1; }
    fi
    grep -qx "Exec=quillane" "$prefix/share/applications/$id.desktop"
    grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
}

case "$2" in
install)
    prefix=$scratch/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    check_layout "$prefix"
    desktop-file-validate "$prefix/share/applications/$id.desktop"
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
    home=$scratch/home
    mkdir "$home"
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen QUILLANE_QUIT_WHEN_SHOWN=1 \
        timeout 60 "$prefix/bin/quillane"
    cmp "$home/.local/share/Quillane/quillane97.mdb" "$prefix/share/quillane/quillane97.mdb"
    ;;
package)
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null
    deb=$(echo "$scratch"/quillane_*.deb)
    depends=$(dpkg-deb -f "$deb" Depends)
    for package in libqt6widgets6 libqt6sql6-sqlite libqt6svg6 libsqlite3-0; do
        [[ ", $depends," == *", $package,"* ]] || { echo "no dependency on $package"; exit 1; }
    done
    dpkg-deb -x "$deb" "$scratch/root"
    check_layout "$scratch/root/usr"
    ;;
esac
echo "passed"
