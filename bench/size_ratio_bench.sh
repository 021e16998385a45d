#!/bin/bash
# What the engine really writes for a job without a video bit rate. The engine then
# aims at 0.1 bit per pixel and frame (kept within 200..20000 kbit/s) and each
# codec's rate control lands somewhere around it; the program's "≈" size estimate
# (src/conversion/RunSize.cpp, kMeasuredBitsPerPixel) holds the figures printed here.
#
# For each engine video codec the targets use, the engine call that pelorin-convert
# builds for a target with that codec (--show-job) is run through the loaded engine
# library (device_bench) with its video bit rate left empty and its picture and frame
# size set to each of a few sizes, on one generated source: a moving picture with
# heavy grain (which makes the encoders spend the whole rate, as on filmed pictures)
# and pink noise for sound, 1280x720 at 30 fps, BENCH_SECONDS long (default 30).
# Prints, per codec and size, the video stream's bits per pixel and frame (its packets'
# sizes from ffprobe over its frames' pixels) and that figure against the aim, then
# each codec's mean over the sizes. (DVD jobs always carry their 5000 kbit/s.)
#
#   bench/size_ratio_bench.sh [build folder] [codecs...]
set -euo pipefail

build=${1:-build}
shift $(($# > 1 ? 1 : $#))
codecs=("$@")
((${#codecs[@]})) || codecs=(h264 mpeg4 xvid wmv2 flv mpeg1 mpeg2 mpeg2ts)
sizes=(320x240 640x480 1280x720)
seconds=${BENCH_SECONDS:-30}
threads=${BENCH_THREADS:-4}   # what the program passes the engine by default
work=${BENCH_SOURCES:-${TMPDIR:-/tmp}/korvid-size-ratio-bench}
# shellcheck source=bench/engine_call_setup.sh
source "$(dirname "$0")/engine_call_setup.sh"

require_built
mkdir -p "$work"
make_program_folder

source="$work/grain-720p-${seconds}s.mp4"
make_source "$source" "testsrc2=size=1280x720:rate=30:duration=$seconds,noise=alls=16:allf=t" \
    "anoisesrc=colour=pink:amplitude=0.3:sample_rate=44100:duration=$seconds" 12000

# The target (and its settings) whose engine call carries each codec.
target_for() {
    case $1 in
    h264) echo "MP4 --set VideoCodec=h264" ;;
    mpeg4) echo "MP4 --set VideoCodec=mpeg4" ;;
    xvid) echo "AVI" ;;
    wmv2) echo "WMV" ;;
    flv) echo "Youtube --set OutputFormat=flv" ;;
    mpeg1) echo "MPEG --set VideoCodec=mpeg1" ;;
    mpeg2) echo "MPEG --set VideoCodec=mpeg2" ;;
    mpeg2ts) echo "HDTS" ;;
    *) return 1 ;;
    esac
}

# with_fields <call> <index=value>...: the call with those arguments (counted from 1,
# as korvid.h lists them) replaced by quoted values.
with_fields() {
    local call=$1
    shift
    local name=${call%%(*}
    awk -F', ' -v name="$name" -v changes="$*" '{
        n = split(changes, list, " ")
        for (i = 1; i <= n; i++) { split(list[i], pair, "="); $(pair[1]) = "\"" pair[2] "\"" }
        line = $1
        for (i = 2; i <= NF; i++) line = line ", " $i
        print name "(" line ")"
    }' <<< "$(sed 's/^[^(]*(//; s/)$//' <<< "$call")"
}

# stream <file> <entry>: one entry of the video stream, e.g. width.
stream() {
    ffprobe -v error -select_streams v:0 -show_entries "stream=$2" -of default=nw=1:nk=1 "$1" | head -1
}

# bits_per_pixel <file>: "frames bits-per-pixel-and-frame kbit/s" of its video stream;
# the frames decoded and counted (a transport stream's packets are not its frames).
bits_per_pixel() {
    local width height fps frames
    width=$(stream "$1" width) height=$(stream "$1" height) fps=$(stream "$1" avg_frame_rate)
    frames=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames \
        -of default=nw=1:nk=1 "$1" | head -1)
    ffprobe -v error -select_streams v:0 -show_entries packet=size -of csv=p=0 "$1" |
        awk -v pixels="$((width * height))" -v fps="$fps" -v frames="$frames" '
            BEGIN { split(fps, r, "/"); rate = r[2] > 0 ? r[1] / r[2] : r[1] }
            { bytes += $1 }
            END { printf "%d %.4f %d", frames, bytes * 8 / pixels / frames, bytes * 8 * rate / frames / 1000 }'
}

echo "source 1280x720 30 fps ${seconds} s, grain and pink noise; $threads threads; $(date -u +%F)"
printf '%-8s %-9s %6s %8s %7s %8s\n' codec frame frames "bits/px" "x aim" "kbit/s"
for codec in "${codecs[@]}"; do
    target=$(target_for "$codec") || { echo "$codec: no target carries it" >&2; exit 1; }
    # shellcheck disable=SC2086 # the target's name and its settings
    call=$("$program/pelorin-convert" --target $target --output-dir "$work/out" --show-job "$source" | grep '(' |
        sed 's/^ *//')
    # korvid.h's common list; AVI has AudioCodec inserted before the sample rate, PSP is not used here
    shift_by=0
    [[ $call == X_SetPar_D2AVI* || $call == X_TO_HD_AVI* ]] && shift_by=1
    rate_field=$((10 + shift_by)) picture_field=$((12 + shift_by)) frame_field=$((13 + shift_by))
    sum=0
    for size in "${sizes[@]}"; do
        frame=${size/x/:}
        job=$(with_fields "$call" "$rate_field=" "$picture_field=$frame" "$frame_field=$frame")
        rm -rf "$work/out"
        mkdir -p "$(dirname "$(grep -o "\"$work/out/[^\"]*" <<< "$job" | tr -d '"')")"   # the program makes it
        "$bench" "$engine" "$threads" "$job" > "$work/engine.log" 2>&1 ||
            { echo "$codec $size failed:" >&2; tail -5 "$work/engine.log" >&2; exit 1; }
        read -r frames bpp kbps <<< "$(bits_per_pixel "$(find "$work/out" -type f | head -1)")"
        printf '%-8s %-9s %6d %8.4f %7.2f %8d\n' "$codec" "$size" "$frames" "$bpp" \
            "$(awk "BEGIN { print $bpp / 0.1 }")" "$kbps"
        sum=$(awk "BEGIN { print $sum + $bpp }")
    done
    printf '%-8s mean      %6s %8.4f\n' "$codec" "" "$(awk "BEGIN { print $sum / ${#sizes[@]} }")"
done
