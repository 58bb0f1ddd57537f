#!/bin/sh
# Installs from Debian's packages what the build, the tests and the program need.
# Does nothing when everything is already present.
set -e
PACKAGES="g++ cmake make pkg-config ccache qt6-base-dev libsqlite3-dev libicu-dev zlib1g-dev
libbenchmark-dev libxlsxwriter-dev libzip-dev sqlite3 xvfb xauth imagemagick fonts-dejavu-core
fp-utils desktop-file-utils qt6-translations-l10n xdg-utils xchm"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
