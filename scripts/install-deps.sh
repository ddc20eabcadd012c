#!/bin/sh
# Installs the Debian packages that building, running and testing Marvolt need; clang and its
# runtime (libFuzzer, the sanitizers) build the fuzzers of "make fuzz". The GStreamer plugins play
# the announcement files (WAV, MP3 and APE, which takes libav); dbus-daemon gives the tests a
# session bus of their own. libzip reads the GTFS feeds that routes are imported from, found
# through pkg-config. espeak-ng's library (also found through pkg-config) and the voices of
# espeak-ng-data speak the voice drafts of announcements in process; the tests speak for real.
# Qt's linguist tools build the translations, Qt's own translations show its dialogs in the
# user's language, and the desktop and AppStream validators check the installed program.
# Idempotent: asks apt only when dpkg reports a package missing.
#
# Usage: install-deps.sh [5|6], the Qt major version to build with (5 by default). Qt 6 also
# takes Core5Compat, whose QTextCodec the tests hold the project's own code page tables against.
set -eu

QT_PACKAGES_5="
qtbase5-dev
qtbase5-dev-tools
qttools5-dev-tools
qtmultimedia5-dev
libqt5multimedia5-plugins
qtpositioning5-dev
qttools5-dev
qttranslations5-l10n
"
QT_PACKAGES_6="
qt6-base-dev
qt6-base-dev-tools
libqt6opengl6-dev
qt6-multimedia-dev
qt6-positioning-dev
qt6-5compat-dev
qt6-tools-dev
qt6-tools-dev-tools
qt6-l10n-tools
qt6-translations-l10n
"
case "${1:-5}" in
5) QT_PACKAGES=$QT_PACKAGES_5 ;;
6) QT_PACKAGES=$QT_PACKAGES_6 ;;
*) echo "usage: $0 [5|6]" >&2; exit 2 ;;
esac

PACKAGES="
cmake
g++
make
$QT_PACKAGES
gstreamer1.0-plugins-base
gstreamer1.0-plugins-good
gstreamer1.0-libav
dbus-daemon
clang
libclang-rt-14-dev
libzip-dev
libespeak-ng-dev
espeak-ng-data
pkg-config
desktop-file-utils
appstream
"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing" >&2
    echo "Run 'make' as root, or install them with: sudo apt-get install$missing" >&2
    exit 1
fi

echo "Installing:$missing"
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
