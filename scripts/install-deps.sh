#!/bin/sh
# Installs the Debian packages the build, the program and the tests need.
# Idempotent and quiet when everything is there already.
set -eu

PACKAGES="
cmake ninja-build g++ clang make pkg-config
qt6-base-dev libgl-dev
libfreetype-dev libfontconfig-dev zlib1g-dev libjpeg-dev libcurl4-openssl-dev
libgtest-dev libssl-dev openssl
libclang-rt-dev
libasound2-dev
fonts-liberation2 fonts-dejavu-core
xvfb xauth openbox libxcb1-dev
7zip libarchive-tools unzip zip stm32flash
poppler-utils
locales
python3-pyftpdlib
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
SUDO=""
if [ "$(id -u)" != 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
