#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tessaly need.
#   scripts/deps.sh            the native build, its tests and the desktop program
#   scripts/deps.sh windows    the cross-build for Windows and running its tests under wine
#   scripts/deps.sh package    building and checking the Debian package
# Packages already present are skipped; apt runs only when something is missing.
set -euo pipefail

case "${1:-native}" in
  native)
    packages=(
      build-essential cmake ninja-build pkg-config
      clang libclang-rt-14-dev
      libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev
      libcli11-dev nlohmann-json3-dev
      qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
      qt6-qpa-plugins
      xvfb xauth imagemagick poppler-utils fonts-liberation2
    ) ;;
  windows)
    # The posix thread model of mingw-w64 has std::thread; wine runs the tests; googletest
    # holds the sources that the cross-build compiles for the target.
    packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest
              libcli11-dev nlohmann-json3-dev libeigen3-dev) ;;
  package)
    packages=(dpkg-dev file zip x11-utils) ;;
  *)
    echo "deps: unknown set '$1' (native, windows, package)" >&2
    exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "deps: all ${#packages[@]} packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
