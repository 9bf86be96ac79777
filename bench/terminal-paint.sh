#!/bin/sh
# What the terminal costs a user: the heavy run (whole book, 30 questions,
# 135 quizzes, verse sectoring, 5-10 specialties, IPC 40, REPEATPCT 10,
# automatic approval) driven through the real binary in tmux at 80x25, with
# `script` between tmux and the program recording every byte the program
# sends and when each key arrived.
#
#   bench/terminal-paint.sh [BINARY] [RUNS]     (defaults: build/tessarin, 5)
#
# With SCREENS=DIR it also keeps the pane (text and attributes) at every key
# of the last run in DIR/NN, so two builds can be shown to draw the same
# screens: `diff -r` the two folders.
#
# For each run it prints the bytes sent to the terminal for the whole session
# (menu to Exit), the time from the approval key to the last byte of the
# closing screen, the bytes sent and the program's CPU time (user and system,
# in clock ticks of 10 ms) in that time (the generation of every quiz), and
# the median time from Return on a pattern review screen to the
# last byte of the next one; then the median of every column.
# A key's time ends at the last output before the next key, so the driver
# waits for each screen and then a little longer before the next key.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "$(dirname "${1:-$here/build/tessarin}")" && pwd)/$(basename "${1:-$here/build/tessarin}")
runs=${2:-5}
[ -x "$bin" ] || { echo "terminal-paint: no program at $bin" >&2; exit 1; }
command -v tmux >/dev/null || { echo "terminal-paint: needs tmux" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tessarin-paint.XXXXXX")
sock=tessarin-paint-$$  # one server per session (below): a server that is ending cannot take a new one
trap 'tmux -L "$sock" kill-server >/dev/null 2>&1 || true; rm -rf "$work"' EXIT INT TERM

cp "$here"/data/luke/* "$work"/
printf '%s\r\n' A "1 1" "24 53" heavy 60 P 30 A 20 40 N 135 V 10 \
    10 5 4 1 3 1 3 1 3 1 100 1 30 N AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA >"$work/Heavy.spe"
printf '%s\r\n' Heavy "Enter New Specs" >"$work/Specs.lst"

pane() { tmux -L "$sock" capture-pane -p 2>/dev/null || true; }
key() { tmux -L "$sock" send-keys "$1"; }
# Waits (at most 30 s) until the pane shows the text, then lets the screen settle.
waitfor() {
    i=0
    until pane | grep -qF -- "$1"; do
        i=$((i + 1))
        [ $i -lt 1500 ] || { echo "terminal-paint: never saw \"$1\"" >&2; pane >&2; exit 1; }
        sleep 0.02
    done
    sleep 0.4
    if [ -n "${SCREENS:-}" ]; then
        shot=$((shot + 1))
        tmux -L "$sock" capture-pane -p -e >"$SCREENS/$(printf %02d $shot)"
    fi
}

# User and system CPU time of a process so far, in clock ticks.
cputicks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# One whole session; leaves the timing log in $work/timing.$1.
session() {
    rm -f "$work/timing.$1" "$work/io.$1"
    sock=tessarin-paint-$$-$1
    shot=0
    [ -z "${SCREENS:-}" ] || mkdir -p "$SCREENS"
    tmux -L "$sock" -f /dev/null new-session -d -x 80 -y 25 \
        "cd '$work' && TESSARIN_SEED=20261207 script -q -B '$work/io.$1' -T '$work/timing.$1' -m advanced -c 'echo \$\$ >pid.$1; exec $bin'; sleep 60"
    waitfor "Press Return to Choose a Quiz Style"; key Enter          # 1: the style onto the form
    waitfor "Quiz Configuration"; key Escape                          # 2: the ready line
    sleep 0.2; key Enter                                              # 3: run: first review screen
    for n in "  1. " " 31. " " 61. " " 91. " "121. "; do               # 4-8: review screens
        waitfor "$n"; key Enter
    done
    if [ "$1" = warm ]; then waitfor "Press Return to continue."; key Enter; fi  # the count file is built
    waitfor "A quiz will contain one question from each sector."; key Enter   # 9: sector table
    waitfor "Run specialty combinations automatically"
    cpu0=$(cputicks "$(cat "$work/pid.$1")")
    key Enter                                                         # 10: the approval key
    waitfor "Quizzes Complete -- Press Return to Continue"
    echo $(($(cputicks "$(cat "$work/pid.$1")") - cpu0)) >"$work/cpu.$1"
    key Enter                                                         # 11: closing screen
    waitfor "Thank you for using"; key Enter                          # 12
    waitfor "Press Return to Choose a Quiz Style"; key Up; key Enter  # 13, 14: Exit
    i=0
    until grep -q '^H .* EXIT_CODE' "$work/timing.$1" 2>/dev/null; do
        i=$((i + 1)); [ $i -lt 500 ] || { echo "terminal-paint: the program did not end" >&2; exit 1; }
        sleep 0.02
    done
    tmux -L "$sock" kill-server >/dev/null 2>&1 || true
}

# The figures of one session from its timing log and approval CPU ticks.
measure() {
    awk '
        $1 == "I" || $1 == "O" { t += $2 }
        $1 == "I" { n++; tin[n] = t; last[n] = t }
        $1 == "O" { bytes += $3; if (n > 0) { last[n] = t; out[n] += $3 } }
        END {
            # keys: 1 Enter, 2 Esc, 3 Enter, 4-7 Return on review screens 1-4
            # (each to the next review screen), 8 the last review, 9 the sector
            # table, 10 the approval key.
            for (k = 4; k <= 7; k++) r[k - 3] = (last[k] - tin[k]) * 1000
            for (i = 1; i <= 4; i++) for (j = i + 1; j <= 4; j++) if (r[j] < r[i]) { x = r[i]; r[i] = r[j]; r[j] = x }
            printf "%d %.1f %d %.0f %.1f\n", bytes, (last[10] - tin[10]) * 1000, out[10], cpu * 1000 / hz, (r[2] + r[3]) / 2
        }' cpu="$(cat "$2")" hz="$(getconf CLK_TCK)" "$1"
}

session warm  # builds the count file, so every measured run sees the same screens
echo "bytes approval_ms approval_bytes approval_cpu_ms review_ms"
for run in $(seq 1 "$runs"); do
    session "$run"
    measure "$work/timing.$run" "$work/cpu.$run" | tee -a "$work/all"
done
echo "median of $runs:"
for c in 1 2 3 4 5; do
    cut -d' ' -f$c "$work/all" | sort -n | awk '{ v[NR] = $1 } END { printf "%s ", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
done
echo
