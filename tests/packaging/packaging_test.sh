#!/usr/bin/env bash
# packaging_test.sh install|start|deb BUILD-DIR SOURCE-DIR WORK-DIR APP-ID VERSION
#   install: cmake --install into WORK-DIR/prefix; the files are there, and the desktop entry,
#            the AppStream metadata and the manual pages pass their validators.
#   start:   runs the installed entry's Exec= in its Path= until the splash window is mapped.
#   deb:     cpack -G DEB; checks the package's name, control fields and file list.
set -euo pipefail
mode="$1" build="$2" source="$3" work="$4" id="$5" version="$6"
prefix="$work/prefix"
entry="$prefix/share/applications/$id.desktop"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The value of KEY= in the [Desktop Entry] group of file $2.
entry_value() {
    sed -n "s/^$1=//p" "$2" | head -n 1
}

check_install() {
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    local file
    for file in bin/vendral bin/vendral-check bin/vendral-make bin/vendral-session; do
        [ -x "$prefix/$file" ] || fail "$file is not installed as a program"
    done
    for file in share/metainfo/$id.metainfo.xml share/man/man1/vendral.1 \
        share/man/man1/vendral-check.1 share/man/man1/vendral-make.1 \
        lib/systemd/user/vendral-kiosk.service; do
        [ -s "$prefix/$file" ] || fail "$file is not installed"
    done
    local size
    for size in 16 32 48 64 128 256; do
        identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" |
            grep -qx "${size}x$size" || fail "no ${size}x$size icon"
    done

    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
    appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli rejects the metadata"
    [ "$(entry_value Icon "$entry")" = "$id" ] || fail "the entry's icon is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata does not launch the entry"
    local page warnings
    for page in "$prefix"/share/man/man1/*.1; do
        warnings=$(groff -k -t -man -ww -z -Tutf8 "$page" 2>&1)
        [ -z "$warnings" ] || fail "$page: $warnings"
    done

    # The entry opens the installed demo, and that copy is whole: the checker finds every file.
    local demo
    demo=$(entry_value Path "$entry")
    [ "$demo" = "$prefix/share/vendral/demo" ] || fail "Path=$demo, not the installed demo"
    "$prefix/bin/vendral-check" "$demo" >/dev/null || fail "the installed demo does not check"
}

check_start() {
    [ -n "${DISPLAY:-}" ] || fail "no DISPLAY: this test needs the X server ./test starts"
    local demo command
    demo=$(entry_value Path "$entry")
    command=$(entry_value Exec "$entry")
    # As a desktop does: the command found on the PATH, started in the entry's folder.
    (cd "$demo" && PATH="$prefix/bin:$PATH" exec $command) >"$work/start.log" 2>&1 &
    program=$!
    # Gone before the next test uses the X server.
    trap '{ kill "$program" && wait "$program"; } 2>/dev/null || true' EXIT

    local window="" found=""
    for _ in $(seq 150); do
        kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/start.log")"
        # The splash is the one window of 817 x 670; the search can list the root window too.
        for window in $(xdotool search --onlyvisible --pid "$program" '' 2>/dev/null); do
            if xwininfo -id "$window" | grep -q 'Map State: IsViewable' &&
                [ "$(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')" = 817x670 ]; then
                found=$window
                break 2
            fi
        done
        sleep 0.1
    done
    [ -n "$found" ] || fail "no 817 x 670 splash window was mapped within 15 s"
    [ "$(readlink "/proc/$program/cwd")" = "$demo" ] || fail "the program does not run in $demo"
}

check_deb() {
    local out="$work/deb"
    rm -rf "$out"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
    local deb="$out/vendral_${version}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$out")"

    [ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "Section is not graphics"
    local depends package
    depends=$(dpkg-deb -f "$deb" Depends)
    # Found by dpkg-shlibdeps in the binaries, and named because nothing links them.
    for package in libqt6widgets6 libqt6printsupport6 libjpeg62-turbo fonts-ebgaramond \
        qt6-qpa-plugins; do
        grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 5 ] || fail "the description is a stub"

    local files
    files=$(dpkg-deb -c "$deb" | awk '{print $2, $6}')
    for file in usr/bin/vendral usr/bin/vendral-check usr/bin/vendral-make \
        usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
        usr/share/icons/hicolor/48x48/apps/$id.png usr/share/man/man1/vendral.1 \
        usr/share/vendral/demo/datas.dat usr/bin/vendral-session \
        usr/lib/systemd/user/vendral-kiosk.service; do
        grep -qx "root/root ./$file" <<<"$files" || fail "the package lacks /$file (owned by root)"
    done
    [ "$(grep -c '^root/root ./usr/share/vendral/demo/images/.' <<<"$files")" = \
        "$(find "$source/demo/images" -type f | wc -l)" ] || fail "the demo's pictures are not all packed"
    grep -v '^root/root ./usr/' <<<"$files" | grep -q . && fail "files outside /usr: $files"
    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop" |
        grep -qx 'Path=/usr/share/vendral/demo' || fail "the packed entry does not open /usr/share/vendral/demo"
    local unit
    unit=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/user/vendral-kiosk.service)
    grep -qx 'WorkingDirectory=/usr/share/vendral/demo' <<<"$unit" &&
        grep -qx 'ExecStart=/usr/bin/vendral --kiosk' <<<"$unit" &&
        grep -qx 'Type=notify' <<<"$unit" || fail "the kiosk unit does not run the packed viewer: $unit"
}

mkdir -p "$work"
case "$mode" in
install) check_install ;;
start) check_start ;;
deb) check_deb ;;
*) fail "unknown mode $mode" ;;
esac
