#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it without installing it: its files and
# dependencies, lintian (no errors), the program run from the unpacked tree (a root with spaces and Turkish
# letters), its help pages found there, the desktop entry, the AppStream metadata, the manual page; then the
# help folder missing in either layout.
set -euo pipefail

build=$(readlink -f "${1:?usage: package_test.sh BUILD_DIR SOURCE_DIR}")
source=$(readlink -f "${2:?usage: package_test.sh BUILD_DIR SOURCE_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/velkor_*.deb)

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/velkor /usr/share/velkor/help/tr/help_tr.htm /usr/share/velkor/help/eng/help_eng.htm \
            /usr/share/velkor/help/about_tr.htm /usr/share/velkor/help/about_eng.htm \
            /usr/share/applications/org.velkor.velkor.desktop /usr/share/metainfo/org.velkor.velkor.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/velkor.svg /usr/share/man/man1/velkor.1.gz \
            /usr/share/doc/velkor/copyright /usr/share/doc/velkor/changelog.gz; do
  grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qxF "/usr/share/icons/hicolor/${size}x$size/apps/velkor.png" "$work/contents" || fail "no ${size}px icon"
done
# Dependencies come from the binary; the SQLite plug-in is named by hand.
depends=$(dpkg-deb --field "$deb" Depends)
for dep in libqt6widgets6 libqt6sql6 libqt6serialport6 libqt6sql6-sqlite libc6; do
  [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done
[ -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'postinst|postrm|preinst|prerm')" ] ||
  fail "maintainer scripts in the package"

lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian found errors"; }
sed 's/^/lintian: /' "$work/lintian.log"

root="$work/kök dizin ğüşıöç"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/velkor"
[ "$("$program" --version)" = "Velkor $(dpkg-deb --field "$deb" Version)" ] || fail "velkor --version"
pages=$("$program" --help-folder) || fail "the unpacked program does not find its help pages"
[ "$pages" = "$root/usr/share/velkor" ] || fail "help folder: $pages"
grep -q '<title>About Velkor</title>' "$pages/help/about_eng.htm" || fail "the about page read from $pages"
# Calendars are read by the reader the package keeps in libexec.
printf 'BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Yılbaşı\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$work/in.ics"
imported=$(XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR= "$program" --import "$work/in.ics" 2>&1) ||
  fail "installed import: $imported"
grep -q 'Yılbaşı' "$work"/data/*/myfile.kyt || fail "installed import wrote no plan: $imported"

desktop-file-validate "$root/usr/share/applications/org.velkor.velkor.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.velkor.velkor.metainfo.xml" >/dev/null ||
  fail "AppStream metadata: $(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml)"
# Every screenshot named there is one the repository keeps.
for shot in $(grep -o '/screenshots/[^<]*' "$root/usr/share/metainfo/org.velkor.velkor.metainfo.xml"); do
  [ -f "$source/docs$shot" ] || fail "no docs$shot"
done
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
             "$root/usr/share/man/man1/velkor.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"

# The help folder missing: the installed layout and a portable copy each say which page they lack, and
# neither crashes.
mv "$root/usr/share/velkor/help" "$work/help"
status=0
"$program" --help-folder >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -qF "$root/usr/share/velkor/help/tr/help_tr.htm" "$work/err" ||
  fail "installed, no help folder: status $status, $(cat "$work/err")"
portable="$work/taşınır kopya"
mkdir "$portable" && cp "$program" "$portable/"
status=0
"$portable/velkor" --help-folder >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -qF "$portable/help/eng/help_eng.htm" "$work/err" ||
  fail "portable, no help folder: status $status, $(cat "$work/err")"
cp -r "$work/help" "$portable/"
[ "$("$portable/velkor" --help-folder)" = "$portable" ] || fail "portable copy with its pages"
echo "package test passed: $(basename "$deb")"
