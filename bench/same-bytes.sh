#!/bin/sh
# Whether two builds write the same bytes: the heavy style in every
# sectoring and layout on the sample and a sixteenfold bank, with text beyond
# ASCII, and `tessarin check` with seven option sets on the sample, a tenfold
# bank, the fixtures and damaged banks (make_same_bytes_folders.py). Every
# file each leaves, its standard output and error and its status are kept and
# compared; the files that differ are named and the status is 1 when there
# are any (`diff` the two copies under WORK_DIR to see how).
#
#   bench/same-bytes.sh OLD_BINARY NEW_BINARY [WORK_DIR]
#
# A speed change is done only when this prints "same bytes".
set -eu
# Absolute, as each run starts in its own folder.
old=$(realpath "$1")
new=$(realpath "$2")
work=${3:-${TMPDIR:-/tmp}/tessarin-same-bytes}
here=$(cd "$(dirname "$0")" && pwd)
python3 "$here/make_same_bytes_folders.py" "$here/../data/luke" "$here/../tests/fixtures" "$work/folders"

# run_all BINARY OUT: every folder through BINARY, its results under OUT.
run_all() {
    rm -rf "$2"
    mkdir -p "$2"
    for d in "$work"/folders/run/*; do
        o="$2/run-${d##*/}"
        cp -r "$d" "$o"
        for seed in 20261207 9; do
            status=0
            (cd "$o" && TESSARIN_SEED=$seed exec "$1" run heavy --quiet --no-season \
                >".out-$seed" 2>".err-$seed") || status=$?
            echo "$status" >"$o/.status-$seed"
        done
    done
    for d in "$work"/folders/check/*; do
        o="$2/check-${d##*/}"
        mkdir -p "$o"
        i=0
        for args in "" "--max 0" "--max 3" "-v" "-v --max 0" "Luke.A FTV.00" "--max 1 Luke.B SIT.TXT"; do
            status=0
            # The option sets are words to split.
            # shellcheck disable=SC2086
            (cd "$d" && exec "$1" check $args >"$o/$i.out" 2>"$o/$i.err") || status=$?
            echo "$status" >"$o/$i.status"
            i=$((i + 1))
        done
    done
}

run_all "$old" "$work/old"
run_all "$new" "$work/new"
if diff -rq "$work/old" "$work/new"; then
    echo "same bytes: $(find "$work/new" -type f | wc -l) files"
else
    exit 1
fi
