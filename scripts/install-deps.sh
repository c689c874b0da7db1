#!/bin/sh
# Installs the Debian packages the build, the program and the tests need.
# Idempotent and quiet when everything is there already.
set -eu

PACKAGES="
cmake ninja-build g++ clang make pkg-config
qt6-base-dev libgl-dev
libfreetype-dev libfontconfig-dev zlib1g-dev libjpeg-dev libcurl4-openssl-dev
libpng-dev libwmf-dev fonts-urw-base35 libemf2svg-dev libuemf-dev qt6-svg-dev
libgtest-dev libssl-dev openssl
libclang-rt-dev
libasound2-dev
fonts-liberation2 fonts-dejavu-core
xvfb xauth openbox libxcb1-dev
7zip libarchive-tools unzip zip stm32flash
poppler-utils
qt6-translations-l10n
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
# As root (a root shell on a plain Debian image has no sudo) apt runs as it
# is; otherwise through sudo.
SUDO=""
if [ "$(id -u)" != 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Installing packages needs root: run this again as root (su -), or install sudo." >&2
    exit 1
  fi
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

# Another package manager (a desktop's automatic update) may hold apt's
# locks for a while: wait for them up to LOCK_WAIT seconds instead of
# failing at once. apt waits for the package database itself
# (DPkg::Lock::Timeout); the lists' and the downloads' locks it does not
# wait for, so a refusal for a lock is tried again.
LOCK_WAIT=${LOCK_WAIT:-600}
apt_waiting() {
  waited=0
  while :; do
    if out=$($SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout="$LOCK_WAIT" "$@" 2>&1); then
      return 0
    fi
    case "$out" in
      *"Could not get lock"*|*"Unable to lock"*|*"Unable to acquire"*)
        if [ "$waited" -ge "$LOCK_WAIT" ]; then
          echo "$out" >&2
          echo "apt's lock is still held after $LOCK_WAIT seconds: try again once the other package manager is done." >&2
          return 1
        fi
        [ "$waited" = 0 ] && echo "Another package manager holds apt's lock (an automatic update?): waiting up to $LOCK_WAIT seconds..."
        sleep 5
        waited=$((waited + 5))
        ;;
      *)
        echo "$out" >&2
        return 1
        ;;
    esac
  done
}

apt_waiting update -qq
# shellcheck disable=SC2086
apt_waiting install -y -qq --no-install-recommends $missing
