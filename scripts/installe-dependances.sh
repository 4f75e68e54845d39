#!/bin/sh
# Installs the Debian packages that building, running and testing Amortix need, and only those
# that are missing. Uses apt-get directly as root, through sudo otherwise.
set -eu

paquets="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6 qt6-translations-l10n
libxlsxwriter-dev libminizip-dev libgtest-dev
libbenchmark-dev fonts-liberation xvfb xauth poppler-utils python3-openpyxl xdg-utils libfile-mimeinfo-perl
clang libclang-rt-14-dev clang-format clang-tidy locales appstream"

manquants=""
for p in $paquets; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants="$manquants $p"
    fi
done
[ -z "$manquants" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    apt_get="apt-get"
else
    apt_get="sudo apt-get"
fi
echo "Installation des paquets manquants :$manquants"
export DEBIAN_FRONTEND=noninteractive
$apt_get update -q
# shellcheck disable=SC2086
$apt_get install -y -q --no-install-recommends $manquants
