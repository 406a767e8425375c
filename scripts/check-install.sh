#!/usr/bin/env bash
# The installation as a user or a packager meets it: `cmake --install` into a
# DESTDIR, the installed programs run from there (and from a moved copy), the
# desktop entry, AppStream data and manual pages validate, and the Debian
# package holds the same files with its dependencies.
# Usage: scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

dest=$work/dest
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
id=io.github.kvprog.KvProg
for f in bin/kvprog bin/kvtool bin/kvradio-sim \
         share/kvprog/manual.html share/kvprog/images/main-general.png share/kvprog/KV170-usa_019A.ini \
         share/kvprog/translations/kvprog_nl.qm share/kvprog/translations/kvprog_de.qm \
         share/kvprog/translations/kvprog_sv.qm share/kvprog/translations/kvprog_fr.qm \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/128x128/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
         share/man/man1/kvprog.1 share/man/man1/kvtool.1 share/man/man1/kvradio-sim.1; do
  [ -e "$dest/usr/$f" ] || fail "not installed: $f"
done

# The installed programs, from the installed tree and from a moved copy; the
# window in German (Options > Language), which it finds beside its data.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config
mkdir -p "$work/config/TLN58"
printf '[Language]\nCode=de\n' >"$work/config/TLN58/TLN58.ini"
for prefix in "$dest/usr" "$work/moved"; do
  [ "$prefix" = "$work/moved" ] && cp -a "$dest/usr" "$work/moved"
  "$prefix/bin/kvtool" new --destination KV170-usa -o "$work/new.dat" || fail "kvtool new from $prefix"
  shots=$work/shots-$(basename "$prefix")
  "$prefix/bin/kvprog" --screenshots "$shots" >/dev/null 2>"$work/kvprog.err" || fail "kvprog from $prefix"
  [ "$(find "$shots" -name "*.png" | wc -l)" -gt 10 ] || fail "kvprog from $prefix drew no screens"
  ! grep -q "no default data" "$work/kvprog.err" || fail "kvprog from $prefix did not find its data"
  ! grep -q "no translation" "$work/kvprog.err" || fail "kvprog from $prefix did not find its translations"
  for program in kvprog kvtool kvradio-sim; do
    "$prefix/bin/$program" --version | grep -q "^$program [0-9]" || fail "$program --version"
  done
done
# A partial installation: without its data the window says where it looked and still starts.
rm -rf "$work/moved/share/kvprog"
"$work/moved/bin/kvprog" --screenshots "$work/partial" >/dev/null 2>"$work/kvprog.err" || fail "kvprog without data"
grep -q "no default data files in $work/moved/share/kvprog" "$work/kvprog.err" || fail "kvprog without data said nothing"

desktop-file-validate "$dest/usr/share/applications/$id.desktop" | grep -v "hint:" && fail "desktop entry" || true
appstreamcli validate --no-net "$dest/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" \
  || { cat "$work/appstream.log"; fail "AppStream data"; }
for page in kvprog kvtool kvradio-sim; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$dest/usr/share/man/man1/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The Debian package: the same files, a description and its dependencies.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack"
deb=$(ls "$work"/package/kvprog_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/kvprog usr/bin/kvtool usr/share/kvprog/KV170-usa_019A.ini usr/share/applications/$id.desktop \
         usr/share/man/man1/kvtool.1 usr/share/kvprog/translations/kvprog_de.qm; do
  grep -q "\./$f\$" <<<"$contents" || fail "not in the package: $f"
done
info=$(dpkg-deb -I "$deb")
for field in "Package: kvprog" "Maintainer: " "Section: hamradio" "fonts-liberation2" "libqt6widgets6" \
             "Description: programmer for KV150/KV170 marine VHF handheld radios"; do
  grep -q "$field" <<<"$info" || fail "package control lacks: $field"
done
echo "check-install: installation, programs, metadata, manual pages and package are in order"
