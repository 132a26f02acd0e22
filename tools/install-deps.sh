#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when any is missing.
# The 32-bit Wine needs the i386 architecture: it runs the program that users get.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev clang libclang-rt-14-dev clang-tidy cppcheck clang-format
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 wine32:i386 xvfb xdotool imagemagick
  osslsigncode openssl xorriso
  # Chinese, Japanese, Korean, Arabic and Hebrew letters for the window's texts under Wine.
  fonts-droid-fallback fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
if ! command -v python3 > /dev/null; then missing+=(python3); fi
[ ${#missing[@]} -eq 0 ] && exit 0

needs_i386=false
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  needs_i386=true
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages; install them with:"
  if $needs_i386; then echo "  sudo dpkg --add-architecture i386 && sudo apt-get update"; fi
  echo "  sudo apt-get install -y ${missing[*]}"
  exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if $needs_i386; then dpkg --add-architecture i386; fi
apt-get update -qq
apt-get install -y -qq "${missing[@]}" > /dev/null
