#!/usr/bin/env bash
# Installs the build and test dependencies that a fresh Debian machine may
# lack, and says which. Does nothing when everything is present. (make itself
# must be there already: it is what runs this script.)
set -e
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v tmux >/dev/null || need+=(tmux)
command -v infocmp >/dev/null || need+=(ncurses-bin)
[ -f /usr/include/ncurses.h ] || [ -f /usr/include/ncursesw/ncurses.h ] || need+=(libncurses-dev)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/CLI/CLI.hpp ] || need+=(libcli11-dev)          # the command line
[ -f /usr/include/hpdf.h ] || need+=(libhpdf-dev)                # tessarin pdf
command -v pdftotext >/dev/null || need+=(poppler-utils)         # the pdf tests read the pdf back
if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  SUDO=""
  # sudo would drop DEBIAN_FRONTEND from the environment; pass it on the command.
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO DEBIAN_FRONTEND=noninteractive apt-get update
  $SUDO DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
  echo "install-deps: done"
fi
