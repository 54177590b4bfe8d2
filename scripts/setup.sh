#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, when they are missing.
# Sourced by ./run and ./test; works as root or through sudo.
ovrelta_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-webengine-dev
  qt6-translations-l10n
  libgtest-dev zlib1g-dev
  fonts-dejavu-core
  locales
)

# The tests read the RTF report back with LibreOffice. Installed only when soffice is missing: the
# headless package conflicts with a desktop LibreOffice, which must stay.
ovrelta_report_reader=(libreoffice-writer-nogui fonts-liberation2 poppler-utils)

# Installs the packages above that are missing, and the extra packages given as arguments.
ovrelta_setup() {
  local missing=()
  local p
  for p in "${ovrelta_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# A C library locale with "," as decimal separator, for the tests that prove the number code does
# not follow the process locale.
ovrelta_test_locale() {
  locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$' && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "ru_RU.UTF-8 not available; those tests are skipped"
}

# Configures the build tree DIR and builds the targets given after it, or everything.
ovrelta_build() {
  local dir=$1
  shift
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  cmake -S "$ovrelta_root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
