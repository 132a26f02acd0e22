#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when any is missing.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev clang libclang-rt-14-dev clang-tidy cppcheck
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 xvfb xdotool imagemagick
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
if ! command -v python3 > /dev/null; then missing+=(python3); fi
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages; install them with:"
  echo "  sudo apt-get install -y ${missing[*]}"
  exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" > /dev/null
