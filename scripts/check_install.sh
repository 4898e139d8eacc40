#!/usr/bin/env bash
# Installs the release build into a temporary prefix and checks the tree, then
# builds the Debian package and checks its contents and dependencies.
# Usage: scripts/check_install.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
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
check "manual page vadelon-calc(1)" test -f "$prefix/share/man/man1/vadelon-calc.1.gz"
check "manual page renders" sh -c "zcat '$prefix/share/man/man1/vadelon-calc.1.gz' | grep -q 'vadelon-calc'"
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
            ./usr/share/vadelon/help/contents.txt ./usr/share/vadelon/help/keywords.txt ./usr/share/vadelon/help/eras.html; do
  check "package holds $path" grep -q " $path\$" <<<"$contents"
done
for dep in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-gothic \
           qt6-translations-l10n libcanberra0 liberfa1 libc6 libstdc++6; do
  check "package depends on $dep" grep -q "$dep" <<<"$depends"
done

if [ "$failures" -ne 0 ]; then
  echo "install: $failures check(s) failed" >&2
  exit 1
fi
echo "install: all checks passed"
