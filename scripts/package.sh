#!/usr/bin/env bash
# Builds the Debian package from a fresh release build; prints the package's path.
#   scripts/package.sh            -> build-package/pelorin-video-converter_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2

build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPELORIN_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >&2
cmake --build "$build" -j"$(nproc)" >&2
(cd "$build" && cpack -G DEB >&2)
ls "$build"/pelorin-video-converter_*.deb
