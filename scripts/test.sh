#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then runs the
# tests again in a sanitizer build (address, undefined) unless PELORIN_SKIP_SANITIZE=1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELORIN_BUILD_TESTS=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs" --timeout 600

if [ "${PELORIN_SKIP_SANITIZE:-0}" != "1" ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPELORIN_BUILD_TESTS=ON -DPELORIN_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
        ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 900 -LE no_sanitize
fi
