#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
set -euo pipefail
# The X server packages serve the mouse and installed-program tests; libclang-rt-14-dev the
# sanitizers and libFuzzer of clang; the next line the package build's reuse of the first
# build's objects (ccache), the Debian package (cpack, dpkg-shlibdeps) and the
# installed-program test; the last line the drawings' readers (ezdxf
# reads the DXF files back and matplotlib draws them, Chromium renders the SVG files).
packages=(build-essential cmake qt6-base-dev libgtest-dev libbenchmark-dev
          clang-14 libclang-rt-14-dev clang-format-14
          fonts-dejavu-core fonts-liberation xvfb xauth xdotool
          ccache dpkg-dev file desktop-file-utils appstream
          python3-ezdxf python3-matplotlib chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
