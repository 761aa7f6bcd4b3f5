#!/usr/bin/env bash
# Checks the program as a user gets it, from a build folder:
#   installed.sh <build> install   installs into a scratch prefix, validates the launcher and
#                                  metainfo, checks that the desktop knows the database's file
#                                  type and opens it with the program, and starts the installed
#                                  program for a user whose home is empty: its database appears
#                                  in the user's data folder
#   installed.sh <build> package   makes the .deb and checks what it holds and depends on, and
#                                  that lintian finds nothing wrong with it
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
id=io.github.quillane.Quillane
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The version the build was made for, and the newest release the history names.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
newest=$(sed -n 's/^## \([0-9.]*\) (.*)$/\1/p' "$source_dir/CHANGELOG.md" | head -n 1)
[ "$newest" = "$version" ] ||
    { echo "CHANGELOG.md's newest release is $newest, the project's version $version"; exit 1; }

# Everything the launcher, the icon theme, the file manager and the program look for, under a
# prefix.
check_layout() {
    local prefix=$1 size image
    for file in bin/quillane share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$id.svg share/mime/packages/$id.xml \
        share/man/man1/quillane.1.gz share/doc/quillane/copyright \
        share/doc/quillane/changelog.gz share/doc/quillane/SOURCES.md \
        share/quillane/quillane97.mdb share/quillane/quillane_online_help.htm \
        share/quillane/features.htm share/quillane/writer.hlp; do
        [ -s "$prefix/$file" ] || { echo "missing: $prefix/$file"; return 1; }
    done
    for size in 16 32 48 64 128 256; do
        [ -s "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" ] ||
            { echo "missing: ${size}x$size icon"; return 1; }
    done
    # The metainfo's screenshots are installed too, for a catalogue made offline.
    for image in $(grep -o 'help/images/[^<]*\.png' "$prefix/share/metainfo/$id.metainfo.xml"); do
        [ -s "$prefix/share/quillane/images/${image##*/}" ] ||
            { echo "missing: the screenshot ${image##*/}"; return 1; }
    done
    # The chart plugin, when the build made one, in the program's library folder (under the
    # architecture's library folder where the system has one).
    if [ -e "$build/bin/quillane-wordschart.so" ]; then
        compgen -G "$prefix/lib/*/quillane/quillane-wordschart.so" >/dev/null ||
            [ -s "$prefix/lib/quillane/quillane-wordschart.so" ] ||
            { echo "missing: the chart plugin"; return 1; }
    fi
    grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
    # The newest release the metainfo names is the version built.
    local released
    released=$(grep -o -m 1 '<release version="[^"]*"' "$prefix/share/metainfo/$id.metainfo.xml")
    [ "$released" = "<release version=\"$version\"" ] ||
        { echo "the metainfo's newest release: $released, not $version"; return 1; }
}

# What a file manager runs for a file: the launcher's Exec line with %f replaced by its path.
# The line is checked for that form; starting the program on a file is tested with the program.
check_open_with() {
    local desktop=$1 prefix=$2 exec
    exec=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$desktop")
    [ "$exec" = "quillane %f" ] || { echo "the launcher runs \"$exec\""; return 1; }
    [ -x "$prefix/bin/${exec%% *}" ] ||
        { echo "the launcher names no installed program"; return 1; }
}

# The window names the launcher's actions and the manual page give are the program's.
check_window_names() {
    local desktop=$1 manpage=$2 known listed name
    known=$(grep -o 'QStringLiteral("frm[A-Za-z]*")' "$source_dir/src/app/ToolCatalog.cpp" |
        sed 's/.*"\(.*\)".*/\1/' | sort)
    listed=$(zcat "$manpage" | sed -n 's/^\.B \(frm[A-Za-z]*\)$/\1/p' | sort)
    if [ "$listed" != "$known" ]; then
        echo "the manual page lists other windows than the program has:"
        diff <(echo "$known") <(echo "$listed")
        return 1
    fi
    for name in $(sed -n 's/^Exec=quillane --window //p' "$desktop"); do
        grep -qx "$name" <<<"$known" ||
            { echo "the launcher opens an unknown window $name"; return 1; }
    done
}

case "$2" in
install)
    prefix=$scratch/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    check_layout "$prefix"
    desktop=$prefix/share/applications/$id.desktop
    desktop-file-validate "$desktop"
    check_open_with "$desktop" "$prefix"
    check_window_names "$desktop" "$prefix/share/man/man1/quillane.1.gz"
    # The id keeps its capitals, which the desktop already knows the program by; any other
    # remark fails.
    validation=$(appstreamcli validate --pedantic --no-net \
        "$prefix/share/metainfo/$id.metainfo.xml") || { echo "$validation"; exit 1; }
    remarks=$(grep '^[EWIP]:' <<<"$validation" | grep -v ': cid-contains-uppercase-letter ' || true)
    [ -z "$remarks" ] || { echo "$validation"; exit 1; }

    # The desktop tells the program's databases from other .mdb files and opens them with it.
    # xdg-mime asks gio, which reads the shared MIME database, on a GNOME desktop.
    home=$scratch/home
    mkdir -p "$home" "$scratch/files" "$scratch/config"
    desktop_env() {
        env HOME="$home" XDG_CURRENT_DESKTOP=GNOME XDG_DATA_DIRS="$prefix/share:/usr/share" \
            XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$scratch/config" \
            XDG_CONFIG_DIRS="$scratch/config" "$@"
    }
    desktop_env update-mime-database "$prefix/share/mime"
    cp "$prefix/share/quillane/quillane97.mdb" "$scratch/files/mynovel.mdb"
    printf '\0\1\0\0Standard Jet DB\0%01000d' 0 >"$scratch/files/old.mdb"
    for file in mynovel.mdb old.mdb; do
        type=$(desktop_env xdg-mime query filetype "$scratch/files/$file")
        case "$file:$type" in
        mynovel.mdb:application/x-quillane-database) ;;
        old.mdb:application/x-quillane-database | *:) echo "$file is taken for \"$type\""; exit 1 ;;
        mynovel.mdb:*) echo "$file is taken for $type"; exit 1 ;;
        esac
    done
    opener=$(desktop_env xdg-mime query default application/x-quillane-database)
    [ "$opener" = "$id.desktop" ] || { echo "the database opens with \"$opener\""; exit 1; }
    # What the file manager then runs opens the book where it is: its backups appear beside it,
    # and nothing is copied to the user's data folder.
    exec=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$prefix/share/applications/$id.desktop")
    desktop_env env PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen QUILLANE_QUIT_WHEN_SHOWN=1 \
        timeout 60 ${exec/\%f/$scratch/files/mynovel.mdb}
    ls "$scratch/files/backups/mynovel-"*.mdb >/dev/null ||
        { echo "the book opened from the file manager has no backup beside it"; exit 1; }
    [ ! -e "$home/.local/share/Quillane" ] ||
        { echo "opening a book made the user's data folder"; exit 1; }

    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen QUILLANE_QUIT_WHEN_SHOWN=1 \
        timeout 60 "$prefix/bin/quillane"
    cmp "$home/.local/share/Quillane/quillane97.mdb" "$prefix/share/quillane/quillane97.mdb"
    ;;
package)
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null
    deb=$(echo "$scratch"/quillane_*.deb)
    depends=$(dpkg-deb -f "$deb" Depends)
    for package in libqt6widgets6 libqt6sql6-sqlite libqt6svg6 libsqlite3-0; do
        [[ ", $depends," =~ ", $package"[\ ,] ]] || { echo "no dependency on $package"; exit 1; }
    done
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
    dpkg-deb -x "$deb" "$scratch/root"
    check_layout "$scratch/root/usr"
    zcat "$scratch/root/usr/share/doc/quillane/changelog.gz" | head -n 1 |
        grep -q "^quillane ($version) " ||
        { echo "the changelog does not begin with $version"; exit 1; }
    # Errors and warnings fail; the informational remarks are shown.
    lintian --fail-on error,warning --display-info "$deb"
    ;;
esac
echo "passed"
