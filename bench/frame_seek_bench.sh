#!/bin/bash
# Accurate-seek and probe latency of the engine's frame service on long files:
# H.264 720p and 1080p (x264's usual 250-frame groups of pictures) and an MPEG-2
# program stream (DVD), each made by the ffmpeg program from a one-minute piece
# repeated to BENCH_MINUTES (default 60) minutes. Each seek's picture is then
# checked against the ffmpeg program's frame at that second (BENCH_EXACT=0 skips
# the check); the script fails when a seek was not frame-exact.
#
#   bench/frame_seek_bench.sh [build folder] [seeks per file]
set -euo pipefail

build=${1:-build}
seeks=${2:-40}
minutes=${BENCH_MINUTES:-60}
engine="$build/bin/libKorvid.so"
bench="$build/bench/frame_seek_bench"
sources=${BENCH_SOURCES:-${TMPDIR:-/tmp}/korvid-seek-bench}

if [[ ! -x $bench || ! -f $engine ]]; then
    echo "build first: cmake --build $build --target KorvidEngine frame_seek_bench" >&2
    exit 1
fi
mkdir -p "$sources"

# make_long <name> <minutes> <ffmpeg output options...>: a one-minute piece, then copies joined.
make_long() {
    local name=$1 count=$2
    shift 2
    local piece="$sources/piece-$name" long="$sources/$name"
    [[ -f $long ]] && return
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "testsrc2=size=${SIZE}:rate=${RATE}:duration=60" \
        -f lavfi -i "sine=frequency=440:duration=60" "$@" "$piece"
    : > "$sources/list.txt"
    for ((i = 0; i < count; i++)); do echo "file '$piece'" >> "$sources/list.txt"; done
    ffmpeg -nostdin -loglevel error -y -f concat -safe 0 -i "$sources/list.txt" -c copy "$long"
    rm -f "$piece" "$sources/list.txt"
}

SIZE=1280x720 RATE=30 make_long "h264-720p-${minutes}min.mp4" "$minutes" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac
SIZE=1920x1080 RATE=30 make_long "h264-1080p-${minutes}min.mp4" "$minutes" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac
SIZE=720x480 RATE=30000/1001 make_long "dvd-ntsc-${minutes}min.mpg" "$minutes" -target ntsc-dvd -f vob

status=0
for file in "h264-720p-${minutes}min.mp4" "h264-1080p-${minutes}min.mp4" "dvd-ntsc-${minutes}min.mpg"; do
    "$bench" "$engine" "$sources/$file" "$seeks" || status=1
done
echo "goals: 720p median <= 100 ms, p90 <= 150 ms; 1080p median <= 200 ms; program stream <= 50 ms;"
echo "       the probe with its first picture <= 40 ms for a one-hour file"
exit $status
