#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Varnello needs.
# Quick when everything is already present; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libsimdjson-dev libicu-dev
  libdragonbox-dev libfmt-dev libfast-float-dev
  libxlsxwriter-dev libcairo2-dev libpango1.0-dev poppler-utils
  clang libclang-rt-14-dev clang-format
  fonts-arphic-uming fontconfig qt6-translations-l10n
  desktop-file-utils appstream librsvg2-bin dpkg-dev file
  xvfb xauth locales
  openbox xdotool imagemagick
  emscripten chromium python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
# A locale whose decimal point is a comma, for the tests that numbers are read and written the
# same under any LC_NUMERIC (the locales package provides its source).
de_locale() {
  if command -v localedef >/dev/null && [ -d /usr/share/i18n/locales ] &&
    ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  de_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

# A stale font cache costs a noticeable delay at every start of the program.
if printf '%s\n' "${missing[@]}" | grep -q '^fonts-\|^fontconfig$'; then
  $sudo fc-cache -f >/dev/null 2>&1 || true
fi
de_locale
