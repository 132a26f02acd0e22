#!/usr/bin/env bash
# The Debian packages that the build and the tests need.
#
#   install-deps.sh            installs the missing ones, saying first what it installs (make deps,
#                              and so make test and make run); as another user than root, prints the
#                              commands to run instead
#   install-deps.sh --check [release]
#                              changes nothing: names what is missing (of everything, or of what
#                              the release needs) and how to install it, and fails
#
# The 32-bit Wine needs the i386 architecture: it runs the program that users get.
set -euo pipefail

release=(cmake make g++ g++-mingw-w64-i686 xorriso osslsigncode python3)
packages=(
  "${release[@]}" libgtest-dev clang libclang-rt-14-dev clang-tidy cppcheck clang-format
  g++-mingw-w64-x86-64 wine64 wine32:i386 xvfb xdotool imagemagick openssl
  python3-pytest pyflakes3
  # Chinese, Japanese, Korean, Arabic and Hebrew letters for the window's texts under Wine.
  fonts-droid-fallback fonts-dejavu-core
  # Reads back the text of the pages printed under Wine.
  ghostscript
)

check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  if [ "${2:-}" = "release" ]; then packages=("${release[@]}"); fi
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if $check; then
  echo "Missing packages: ${missing[*]}"
  echo "Install them with: make deps (as root)"
  exit 1
fi

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
echo "Installing the packages the build and the tests need: ${missing[*]}"
if $needs_i386; then echo "(adding the i386 architecture for wine32)"; fi
export DEBIAN_FRONTEND=noninteractive
if $needs_i386; then dpkg --add-architecture i386; fi
apt-get update -qq
apt-get install -y -qq "${missing[@]}" > /dev/null
