#!/bin/sh
# Whole runs of random valid styles for SOAK_SECONDS (default 60) on the
# in-memory screen; every output's shape is checked. SOAK_SEED picks the styles.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target tessarin_tests >/dev/null
SOAK_SECONDS="${SOAK_SECONDS:-60}" exec build/tessarin_tests --gtest_filter='Soak.*'
