#!/bin/bash
# Conversion speed and quality of the engine against the ffmpeg program on the
# same generated sources (720p and 1080p, BENCH_SECONDS long, default 60), with
# the same encoder settings on both sides (libx264 veryfast, high profile, ABR at
# the same bit rate, AAC 128 kbit/s 48 kHz, the same thread count), run
# alternately ROUNDS times each. Prints wall times, their ratio, frame counts,
# video bit rates and luma SSIM against the source.
#
#   bench/convert_bench.sh [build folder] [rounds] [threads]
set -euo pipefail

build=${1:-build}
rounds=${2:-2}
threads=${3:-2}
seconds=${BENCH_SECONDS:-60}
engine="$build/bin/libKorvid.so"
bench="$build/bench/convert_bench"
work=${BENCH_SOURCES:-${TMPDIR:-/tmp}/korvid-convert-bench}

if [[ ! -x $bench || ! -f $engine ]]; then
    echo "build first: cmake --build $build --target KorvidEngine convert_bench" >&2
    exit 1
fi
mkdir -p "$work"

# make_source <name> <WxH> <kbit/s>: lightly noisy test pictures at 30 fps with a stereo tone.
make_source() {
    local file="$work/$1"
    [[ -f $file ]] && return
    ffmpeg -nostdin -loglevel error -y \
        -f lavfi -i "testsrc2=size=$2:rate=30:duration=$seconds,noise=alls=4:allf=t" \
        -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=$seconds" -ac 2 \
        -c:v libx264 -preset veryfast -b:v "$3k" -pix_fmt yuv420p -c:a aac -b:a 192k "$file"
}

now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }
probe() { ffprobe -v error -select_streams v:0 -show_entries "stream=$2" -of default=nw=1:nk=1 "$1"; }
luma_ssim() {
    ffmpeg -nostdin -i "$1" -i "$2" -lavfi "[0:v][1:v]ssim" -f null - 2>&1 | sed -n 's/.*SSIM Y:\([0-9.]*\).*/\1/p'
}

# compare <source> <W:H> <video kbit/s>
compare() {
    local source="$work/$1" size=$2 kbps=$3 engine_time=0 ffmpeg_time=0 t
    local engine_out="$work/engine-$1" ffmpeg_out="$work/ffmpeg-$1"
    for ((round = 0; round < rounds; round++)); do
        t=$("$bench" "$engine" "$source" "$engine_out" "$size" "$kbps" "$threads" 2>/dev/null)
        engine_time=$(calc "$engine_time + $t")
        local start; start=$(now)
        ffmpeg -nostdin -loglevel error -y -threads "$threads" -i "$source" \
            -c:v libx264 -preset veryfast -profile:v high -b:v "${kbps}k" -pix_fmt yuv420p -threads "$threads" \
            -c:a aac -b:a 128k -ar 48000 "$ffmpeg_out"
        ffmpeg_time=$(calc "$ffmpeg_time + $(now) - $start")
    done
    printf '%s  engine %.2f s  ffmpeg %.2f s  ratio %.3f\n' "$1" \
        "$(calc "$engine_time / $rounds")" "$(calc "$ffmpeg_time / $rounds")" "$(calc "$engine_time / $ffmpeg_time")"
    printf '    frames  engine %s  ffmpeg %s\n' "$(probe "$engine_out" nb_frames)" "$(probe "$ffmpeg_out" nb_frames)"
    printf '    video bit rate  engine %s  ffmpeg %s\n' "$(probe "$engine_out" bit_rate)" "$(probe "$ffmpeg_out" bit_rate)"
    printf '    luma SSIM  engine %s  ffmpeg %s\n' "$(luma_ssim "$engine_out" "$source")" "$(luma_ssim "$ffmpeg_out" "$source")"
}

make_source "source-720p.mp4" 1280x720 8000
make_source "source-1080p.mp4" 1920x1080 16000
echo "threads $threads, $rounds rounds, $seconds s sources"
compare "source-720p.mp4" 1280:720 2500
compare "source-1080p.mp4" 1920:1080 5000
echo "goals: ratio <= 1.0, equal frame counts, bit rate within 5 %, SSIM no more than 0.0005 below ffmpeg"
