#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Quiet and quick when everything is already there.
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "setup: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR

packages=(
  build-essential cmake g++ clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  pkgconf libcanberra-dev sound-theme-freedesktop
  fonts-ipafont-gothic
  xvfb xauth xdotool x11-utils xclip imagemagick
  ibus ibus-mozc mozc-server dbus at-spi2-core python3-pyatspi procps orca openbox
  cups printer-driver-cups-pdf poppler-utils
  python3 dpkg-dev file desktop-file-utils lintian appstream man-db groff-base
  liberfa-dev python3-ephem python3-dateutil
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# Node.js and npm run the test-only peers of the holiday rules; a machine may
# have them from elsewhere than Debian, so they are asked for by command.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      SUDO=sudo
    else
      echo "setup: these packages are missing and this user is not root." >&2
      echo "setup: run as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
      exit 1
    fi
  else
    SUDO=
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  echo "setup: done"
fi

# The npm packages the holiday tests compare with, at the versions pinned in
# the package-lock. Without the registry the build goes on; the peer test then
# fails and says what is missing.
cd "$(dirname "$0")/../tests/calendar/holiday_peers"
if ! node -e '
  for (const [path, entry] of Object.entries(require("./package-lock.json").packages))
    if (path && require("./" + path + "/package.json").version !== entry.version) process.exit(1);
' 2>/dev/null; then
  echo "setup: installing the npm test peers into tests/calendar/holiday_peers"
  if ! npm ci --no-audit --no-fund --loglevel=error >/dev/null; then
    echo "setup: npm ci failed (no npm registry?); the holiday peer test fails until it succeeds" >&2
  fi
fi
