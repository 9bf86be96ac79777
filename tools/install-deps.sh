#!/usr/bin/env bash
# Installs the build, test and packaging dependencies that a fresh Debian
# machine may lack, and says which. Does nothing when everything is present.
# (make itself must be there already: it is what runs this script.)
#
# Run as root it calls apt-get directly; as a user, through sudo. The
# environment variable goes through `env` on the command itself, since sudo
# drops it from the environment and a bare `VAR=value` after an empty $SUDO
# would be taken for a command name.
set -euo pipefail
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
command -v dpkg-shlibdeps >/dev/null || need+=(dpkg-dev)         # make package: the Depends line,
command -v file >/dev/null || need+=(file)                       # which CPack finds the binaries for with file
command -v shellcheck >/dev/null || need+=(shellcheck)           # the tests check the shell scripts
if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
  echo "install-deps: done"
fi
