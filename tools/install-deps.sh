#!/usr/bin/env bash
# Installs the build and test dependencies that a fresh Debian machine may
# lack. Does nothing when everything is present.
set -e
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v tmux >/dev/null || need+=(tmux)
[ -f /usr/include/ncurses.h ] || [ -f /usr/include/ncursesw/ncurses.h ] || need+=(libncurses-dev)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
command -v infocmp >/dev/null || need+=(ncurses-bin)
[ -f /usr/include/hpdf.h ] || need+=(libhpdf-dev)
[ -f /usr/include/CLI/CLI.hpp ] || need+=(libcli11-dev)
command -v pdftotext >/dev/null || need+=(poppler-utils)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}"
fi
