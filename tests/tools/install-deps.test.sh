#!/usr/bin/env bash
# tools/install-deps.sh run with stand-ins: a PATH where tmux is missing (and,
# as root with unshare, a header hidden under /dev/null), apt-get and sudo
# that log what they were asked, and an `id` that says who we are. Checks the
# commands the script would run, as root and as a user with sudo.
set -u
script=$(cd "$(dirname "$0")/../.." && pwd)/tools/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

bin=$work/bin
mkdir -p "$bin"
for c in bash env cat; do ln -s "$(command -v "$c")" "$bin/$c"; done
for c in cmake g++ infocmp pdftotext dpkg-shlibdeps file shellcheck; do printf '#!/bin/sh\n' > "$bin/$c"; done
cat > "$bin/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get $* [DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-}]" >> "$LOG"
STUB
cat > "$bin/sudo" <<'STUB'
#!/bin/sh
echo "sudo" >> "$LOG"
exec "$@"
STUB
cat > "$bin/id" <<'STUB'
#!/bin/sh
echo "$FAKE_UID"
STUB
chmod +x "$bin"/*

# run UID [hide-a-header]: runs the script, leaves its log in $work/log.
run() {
    : > "$work/log"
    if [ "${2:-}" = hide ]; then
        unshare -m bash -c 'mount --bind /dev/null /usr/include/hpdf.h && exec "$@"' _ \
            env -i PATH="$bin" LOG="$work/log" FAKE_UID="$1" bash "$script" > "$work/out" 2>&1
    else
        env -i PATH="$bin" LOG="$work/log" FAKE_UID="$1" bash "$script" > "$work/out" 2>&1
    fi
    status=$?
}

run 0
[ "$status" -eq 0 ] || fail "as root: status $status: $(cat "$work/out")"
grep -q sudo "$work/log" && fail "as root: sudo was called"
grep -qx 'apt-get update \[DEBIAN_FRONTEND=noninteractive\]' "$work/log" || fail "as root: no apt-get update: $(cat "$work/log")"
grep -qE '^apt-get install -y --no-install-recommends .*\btmux\b.* \[DEBIAN_FRONTEND=noninteractive\]$' "$work/log" ||
    fail "as root: tmux not installed: $(cat "$work/log")"
grep -q 'install-deps: installing .*tmux' "$work/out" || fail "as root: does not say what it installs"

run 1000
[ "$status" -eq 0 ] || fail "as a user: status $status"
[ "$(grep -c '^sudo$' "$work/log")" -eq 2 ] || fail "as a user: apt-get not run through sudo twice: $(cat "$work/log")"
grep -qE '^apt-get install .*\btmux\b.* \[DEBIAN_FRONTEND=noninteractive\]$' "$work/log" ||
    fail "as a user: tmux not installed non-interactively: $(cat "$work/log")"

# Nothing missing: nothing runs (only where the headers really are here).
printf '#!/bin/sh\n' > "$bin/tmux" && chmod +x "$bin/tmux"
if [ -f /usr/include/hpdf.h ] && [ -f /usr/include/CLI/CLI.hpp ] && [ -f /usr/include/gtest/gtest.h ]; then
    run 1000
    if [ "$status" -ne 0 ] || [ -s "$work/log" ] || [ -s "$work/out" ]; then
        fail "with everything present: status $status, ran: $(cat "$work/log" "$work/out")"
    fi
fi

# A header hidden (root only: a private mount over it).
if [ "$(command id -u)" -eq 0 ] && [ -f /usr/include/hpdf.h ] && unshare -m true 2>/dev/null; then
    run 0 hide
    grep -qE '^apt-get install .*\blibhpdf-dev\b' "$work/log" || fail "hidden hpdf.h: libhpdf-dev not installed: $(cat "$work/log" "$work/out")"
fi

[ "$failures" -eq 0 ] && echo "install-deps: every case as expected"
exit "$failures"
