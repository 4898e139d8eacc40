#!/usr/bin/env bash
# Installs the release build into a temporary prefix and checks the tree (the
# AppStream listing with appstreamcli, the manual pages through man, English
# and Japanese), then builds the Debian package and checks its contents, its
# dependencies and what lintian says of it. appstreamcli runs with --no-net:
# the check must not depend on the network.
# Usage: scripts/check_install.sh [BUILD_DIR]   (default build/release)
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "check_install: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."
build=${1:-build/release}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
check() {  # description, command...
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then echo "install: ok   $what"; else echo "install: FAIL $what" >&2; failures=$((failures + 1)); fi
}

cmake --install "$build" --prefix "$prefix" >/dev/null

check "bin/vadelon is an executable" test -x "$prefix/bin/vadelon"
check "bin/vadelon-calc is an executable" test -x "$prefix/bin/vadelon-calc"
check "vadelon-calc runs from the prefix" sh -c "[ \"\$('$prefix/bin/vadelon-calc' days 2000 1 1 2000 1 2)\" = 1 ]"
desktop="$prefix/share/applications/vadelon.desktop"
check "desktop entry" test -f "$desktop"
check "desktop entry Name=ヴァデロン" grep -qx 'Name=ヴァデロン' "$desktop"
check "desktop entry has a Japanese comment" grep -q '^Comment\[ja\]=' "$desktop"
check "desktop entry categories Utility;Calendar" grep -qx 'Categories=Utility;Calendar;' "$desktop"
check "desktop entry runs vadelon" grep -qx 'Exec=vadelon' "$desktop"
if command -v desktop-file-validate >/dev/null; then check "desktop entry validates" desktop-file-validate "$desktop"; fi
check "icon in the hicolor theme" test -f "$prefix/share/icons/hicolor/scalable/apps/vadelon.svg"
check "desktop entry has Japanese keywords for the almanac notes" \
  sh -c "grep '^Keywords\[ja\]=' '$desktop' | grep '祝日' | grep '営業日' | grep '六曜' | grep '旧暦' | grep '雑節' | grep '月齢' | grep -q 'カレンダー'"

# The AppStream listing, as installed and with the screenshots it names when
# their address is given; the one remaining note of the validator is the
# component id's top-level domain, the reserved .invalid (README, Packaging).
metainfo="$prefix/share/metainfo/invalid.vadelon.vadelon.metainfo.xml"
validate_metainfo() {  # file: validates with no note but the expected one
  local notes
  notes=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) || return 1
  ! grep -E '^[EWIP]: ' <<<"$notes" | grep -v -q ' cid-maybe-not-rdns '
}
check "AppStream metainfo installed" test -f "$metainfo"
check "AppStream metainfo validates (appstreamcli --pedantic)" validate_metainfo "$metainfo"
check "AppStream metainfo launches the desktop entry" \
  sh -c "grep -q '<launchable type=\"desktop-id\">vadelon.desktop</launchable>' '$metainfo' && test -f '$prefix/share/applications/vadelon.desktop'"
check "AppStream metainfo in Japanese" sh -c "grep -q '<summary xml:lang=\"ja\">' '$metainfo' && grep -q '<p xml:lang=\"ja\">' '$metainfo'"
shots="$prefix/screenshots-listed"
mkdir "$shots"
cmake -DTEMPLATE=packaging/vadelon.metainfo.xml.in -DOUTPUT_DIR="$shots" \
      -DSCREENSHOT_URL=https://vadelon.invalid/screenshots -P packaging/metainfo.cmake >/dev/null
check "AppStream metainfo with its screenshots validates" validate_metainfo "$shots/invalid.vadelon.vadelon.metainfo.xml"
for shot in calculator_day_count.png almanac_window.png calendar_window.png; do
  check "AppStream screenshot $shot, in docs/screenshots" \
    sh -c "grep -q '<image>https://vadelon.invalid/screenshots/$shot</image>' '$shots/invalid.vadelon.vadelon.metainfo.xml' && test -f 'docs/screenshots/$shot'"
done
rm -r "$shots"

# The manual pages through man itself, as a user reads them (the Japanese ones
# by man -L ja, which looks under share/man/ja): each command vadelon-calc
# knows, in the synopsis and described, and no complaint from groff. The usage
# ends with "vadelon-calc COMMAND --help" and "vadelon-calc --version": no commands.
commands=$("$prefix/bin/vadelon-calc" 2>&1 | awk '$1 == "vadelon-calc" && $2 ~ /^[a-z]+$/ { print $2 }' || true)
check "vadelon-calc lists its commands" test "$(wc -w <<<"$commands")" -ge 13
render() {  # language page -> the rendered page; fails on any message from groff
  local out err
  err=$(mktemp)
  out=$(LANG=C.UTF-8 LC_ALL=C.UTF-8 MANPATH="$prefix/share/man" MANWIDTH=80 MAN_KEEP_FORMATTING= \
        man -L "$1" "$2" 2>"$err" | col -bx) || { rm -f "$err"; return 1; }
  if [ -s "$err" ]; then rm -f "$err"; return 1; fi
  rm -f "$err"
  printf '%s\n' "$out"
}
covers_commands() {  # language heading
  local page
  page=$(render "$1" vadelon-calc) || return 1
  grep -q "^$2" <<<"$page" || return 1
  for command in $commands; do
    grep -E -q "^ *vadelon-calc +$command\b" <<<"$page" || return 1
    grep -E -q "^ {7}$command( |\$)" <<<"$page" || return 1
  done
}
check "manual page vadelon-calc(1) covers every command" covers_commands C DESCRIPTION
check "manual page vadelon-calc(1) in Japanese covers every command" covers_commands ja 説明
renders() {  # language page text: the text anywhere, blanks, line ends and hyphens set aside
  render "$1" "$2" | tr -d ' \n' | sed 's/‐//g' | grep -q -F "$(tr -d ' ' <<<"$3")"
}
check "manual page vadelon(1) in Japanese renders" renders ja vadelon '月のカレンダーを開きます'
check "manual page vadelon-calc(1) in Japanese renders Japanese" renders ja vadelon-calc '旧暦の月を、1か月1行'
check "manual page vadelon-calc(1) in English renders" renders C vadelon-calc 'business days after the first date'
for page in man1/vadelon.1.gz man1/vadelon-calc.1.gz ja/man1/vadelon.1.gz ja/man1/vadelon-calc.1.gz; do
  check "manual page $page" test -f "$prefix/share/man/$page"
done
check "copyright in the machine-readable format" grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$prefix/share/doc/vadelon/copyright"
check "changelog compressed" sh -c "zcat '$prefix/share/doc/vadelon/changelog.gz' | grep -q '^vadelon (1.0) '"
manual="$prefix/share/vadelon/help"
check "manual: contents and keywords" test -f "$manual/contents.txt" -a -f "$manual/keywords.txt"
check "manual: pages" sh -c "ls '$manual'/*.html >/dev/null"
check "manual: era table filled in" sh -c "grep -q '<td>令和</td>' '$manual/eras.html' && ! grep -q 'era-table' '$manual/eras.html'"
check "manual: links resolve" python3 help_window/check_manual.py "$manual"
check "nothing but bin/ and share/ installed" sh -c "[ -z \"\$(ls '$prefix' | grep -v -x -e bin -e share)\" ]"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/vadelon_*.deb | head -n 1)
echo "install: package $deb"
contents=$(dpkg-deb -c "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
echo "install: Depends: $depends"
for path in ./usr/bin/vadelon ./usr/bin/vadelon-calc ./usr/share/applications/vadelon.desktop \
            ./usr/share/icons/hicolor/scalable/apps/vadelon.svg ./usr/share/man/man1/vadelon-calc.1.gz \
            ./usr/share/man/ja/man1/vadelon.1.gz ./usr/share/man/ja/man1/vadelon-calc.1.gz \
            ./usr/share/metainfo/invalid.vadelon.vadelon.metainfo.xml \
            ./usr/share/doc/vadelon/copyright ./usr/share/doc/vadelon/changelog.gz \
            ./usr/share/vadelon/help/contents.txt ./usr/share/vadelon/help/keywords.txt ./usr/share/vadelon/help/eras.html; do
  check "package holds $path" grep -q " $path\$" <<<"$contents"
done
for dep in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-gothic \
           qt6-translations-l10n libcanberra0 liberfa1 libc6 libstdc++6; do
  check "package depends on $dep" grep -q "$dep" <<<"$depends"
done

check "changelog version is the package's" \
  sh -c "[ \"\$(dpkg-parsechangelog -l packaging/changelog -S Version)\" = \"\$(dpkg-deb -f '$deb' Version)\" ]"

# lintian: no error and no warning; of the informational tags only those the
# README names with their reason (Packaging), each for the files it names:
# the manual is the help window's data, and vadelon's few checkable libc
# calls are all proven safe when compiled, so none is left to fortify.
explained_infos=("package-contains-documentation-outside-usr-share-doc [usr/share/vadelon/help/"
                 "hardening-no-fortify-functions [usr/bin/vadelon]")
lintian_clean() {
  local root_flag=() out line known
  [ "$(id -u)" -ne 0 ] || root_flag=(--allow-root)
  out=$(lintian "${root_flag[@]}" --display-info --tag-display-limit 0 "$deb" 2>&1) || return 1
  [ -z "$out" ] || printf '%s\n' "$out" | sed 's/^/install: lintian: /'
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    [[ $line == "I: vadelon: "* ]] || return 1
    known=no
    for explained in "${explained_infos[@]}"; do
      [[ ${line#I: vadelon: } == "$explained"* ]] && known=yes
    done
    [ "$known" = yes ] || return 1
  done <<<"$out"
}
if lintian_clean; then echo "install: ok   lintian: no errors or warnings, no unexplained notes"
else echo "install: FAIL lintian" >&2; failures=$((failures + 1)); fi

if [ "$failures" -ne 0 ]; then
  echo "install: $failures check(s) failed" >&2
  exit 1
fi
echo "install: all checks passed"
