#!/bin/bash
# Adding clips: BENCH_CLIPS (default 100) one-minute H.264/AAC files, made once by the
# ffmpeg program, probed one by one and then added in one adding pass; the ratio of
# the pass's wall time to the sum of the single probes is the figure (goal <= 0.6 on
# two cores).
#
#   bench/adding_bench.sh [build folder]
set -euo pipefail

build=${1:-build}
clips=${BENCH_CLIPS:-100}
engine="$build/bin/libKorvid.so"
bench="$build/bench/adding_bench"
sources=${BENCH_SOURCES:-${TMPDIR:-/tmp}/korvid-adding-bench}

if [[ ! -x $bench || ! -f $engine ]]; then
    echo "build first: cmake --build $build --target KorvidEngine adding_bench" >&2
    exit 1
fi
mkdir -p "$sources"
piece="$sources/piece.mp4"
if [[ ! -f $piece ]]; then
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "testsrc2=size=1280x720:rate=30:duration=60" \
        -f lavfi -i "sine=frequency=440:duration=60" -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "$piece"
fi
files=()
for ((i = 0; i < clips; i++)); do
    copy="$sources/clip-$i.mp4"
    [[ -f $copy ]] || cp "$piece" "$copy"
    files+=("$copy")
done

# The probe loads the engine from the program's folder.
ln -sf "$(realpath "$engine")" "$build/bench/libKorvid.so"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
"$bench" "${files[@]}"
