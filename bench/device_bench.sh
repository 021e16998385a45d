#!/bin/bash
# The engine's device targets against their peers on one generated source
# (1280x720, 30 fps, BENCH_SECONDS long, default 30): for each target the engine
# call that pelorin-convert builds for the target's default profile (--show-job),
# then the ffmpeg program with the same encoder settings (codec, x264 preset and
# profile, bit rates, picture and frame size, frame rate, thread count), then
# HandBrakeCLI with its own default settings at the same picture size, frame rate
# and bit rates (x264 for the H.264 targets, its MPEG-4 or MPEG-2 encoder for the
# others, which it has instead of Xvid, WMV and MPEG program streams). Rounds
# alternate the three programs. Prints each one's mean wall and processor time
# (the steadier figure while others use the machine), largest peak memory and
# SSIM against the source (luma and all planes, the picture cut out of any
# padding and scaled back to the source's size) and checks the goals:
# wall at most 0.9x ffmpeg's, at least 1.5x faster than HandBrakeCLI at an SSIM no
# lower, peak memory at most 1.1x ffmpeg's. HandBrakeCLI (Debian's handbrake-cli)
# is installed with apt-get when missing.
#
#   bench/device_bench.sh [build folder] [rounds] [targets...]
set -euo pipefail

build=${1:-build}
rounds=${2:-2}
shift $(($# > 2 ? 2 : $#))
targets=("$@")
((${#targets[@]})) || targets=(iPod iPhone AppleTV PSP Xbox AVI MPEG DVD_Folder)
seconds=${BENCH_SECONDS:-30}
threads=${BENCH_THREADS:-4}   # what the program passes the engine by default
work=${BENCH_SOURCES:-${TMPDIR:-/tmp}/korvid-device-bench}
# shellcheck source=bench/engine_call_setup.sh
source "$(dirname "$0")/engine_call_setup.sh"

require_built
if ! command -v HandBrakeCLI > /dev/null; then
    sudo=""; ((EUID == 0)) || sudo=sudo
    $sudo apt-get install -y handbrake-cli > /dev/null
fi
mkdir -p "$work"
make_program_folder

source="$work/source-720p-${seconds}s.mp4"
make_source "$source" "testsrc2=size=1280x720:rate=30:duration=$seconds,noise=alls=4:allf=t" \
    "sine=frequency=440:sample_rate=48000:duration=$seconds" 8000

# summary <name>: mean wall and processor seconds and the largest peak memory in MB of its rounds.
summary() {
    awk '{ w += $1; p += $3 + $4; if ($2 > m) m = $2 } END { printf "%.2f %.2f %d", w / NR, p / NR, m / 1024 }' \
        "$work/$1.times"
}

calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
check() { awk "BEGIN { exit !($1) }"; }

# measure <name> <command...>: runs it, appends "wall peak-KB processor-seconds" to $work/<name>.times.
measure() {
    local name=$1
    shift
    /usr/bin/time -f '%e %M %U %S' -o "$work/time.txt" "$@" > "$work/$name.log" 2>&1 ||
        { echo "$name failed:" >&2; tail -5 "$work/$name.log" >&2; exit 1; }
    cat "$work/time.txt" >> "$work/$name.times"
}

# ssim <file> <crop filter>: "luma all" against the source, both counted from their first picture.
ssim() {
    local out="[0:v]setpts=PTS-STARTPTS,${2}scale=1280:720:flags=bicubic,setsar=1[out]"
    ffmpeg -nostdin -i "$1" -i "$source" -lavfi "$out;[1:v]setpts=PTS-STARTPTS,setsar=1[ref];[out][ref]ssim" \
        -f null - 2>&1 |
        sed -n 's/.*SSIM Y:\([0-9.]*\).*All:\([0-9.]*\).*/\1 \2/p'
}

# video_kbps <file>: the video stream's bit rate from its packets' sizes.
video_kbps() {
    ffprobe -v error -select_streams v:0 -show_entries packet=size -of csv=p=0 "$1" |
        awk -v s="$seconds" '{ bytes += $1 } END { printf "%d", bytes * 8 / s / 1000 }'
}

# The engine call's arguments by name (korvid.h's common list; PSP and AVI differ).
call_field() {
    local call=$1 index=$2
    sed 's/^[^(]*(//; s/)$//' <<< "$call" | tr -d '"' | awk -F', ' -v i="$index" '{ print $i }'
}

# The x264 profile the engine gives each H.264 device target.
h264_profile() {
    case $1 in iPod | iPhone) echo baseline ;; *) echo main ;; esac
}

run_target() {
    local target=$1 call
    call=$("$program/pelorin-convert" --target "$target" --output-dir "$work/engine" --show-job "$source" | grep '(' |
        sed 's/^ *//')
    # fields: common list L, with PSP lacking OutputFormat, ArtistName and Comment, AVI having AudioCodec first
    local shift_by=0 rate codec kbps abps picture frame fps
    [[ $call == X_SetPar_D2AVI* ]] && shift_by=1
    if [[ $call == X_SetPar_D2PSP* ]]; then
        rate=$(call_field "$call" 6) codec=$(call_field "$call" 8) kbps=$(call_field "$call" 9)
        abps=$(call_field "$call" 10) picture=$(call_field "$call" 11) frame=$(call_field "$call" 12)
        fps=$(call_field "$call" 14)
    else
        rate=$(call_field "$call" $((6 + shift_by))) codec=$(call_field "$call" $((8 + shift_by)))
        kbps=$(call_field "$call" $((10 + shift_by))) abps=$(call_field "$call" $((11 + shift_by)))
        picture=$(call_field "$call" $((12 + shift_by))) frame=$(call_field "$call" $((13 + shift_by)))
        fps=$(call_field "$call" $((17 + shift_by)))
    fi
    local pw=${picture%:*} ph=${picture#*:} fw=${frame%:*} fh=${frame#*:}
    local place="scale=$pw:$ph:flags=bicubic,pad=$fw:$fh:$(((fw - pw) / 2 & ~1)):$(((fh - ph) / 2 & ~1)):black"
    local cut="crop=$pw:$ph:$(((fw - pw) / 2 & ~1)):$(((fh - ph) / 2 & ~1)),"
    local video audio extension hb_encoder hb_audio hb_extension=mkv
    case $codec in
    h264) video=(-c:v libx264 -preset veryfast -profile:v "$(h264_profile "$target")")
          audio=(-c:a aac) extension=mp4 hb_encoder=x264 hb_audio=av_aac hb_extension=mp4 ;;
    wmv2) video=(-c:v wmv2 -g 60) audio=(-c:a wmav2) extension=wmv hb_encoder=mpeg4 hb_audio=av_aac ;;
    xvid) video=(-c:v mpeg4 -vtag XVID -g 60) audio=(-c:a libmp3lame) extension=avi hb_encoder=mpeg4 hb_audio=mp3 ;;
    mpeg2) video=(-c:v mpeg2video -g 15) audio=(-c:a mp2) extension=mpg hb_encoder=mpeg2 hb_audio=av_aac ;;
    dvd) video=(-c:v mpeg2video -g 18 -maxrate 9000k -bufsize 1835008 -f dvd) audio=(-c:a ac3) extension=vob
         hb_encoder=mpeg2 hb_audio=ac3 ;;
    *) echo "$target: no peer settings for codec $codec" >&2; return 1 ;;
    esac
    rm -f "$work"/{engine,ffmpeg,handbrake}.times
    local round engine_file ffmpeg_file="$work/ffmpeg-$target.$extension" hb_file="$work/handbrake-$target.$hb_extension"
    for ((round = 0; round < rounds; round++)); do
        rm -rf "$work/engine" "$ffmpeg_file" "$hb_file"
        mkdir -p "$(dirname "$(grep -o "\"$work/engine/[^\"]*" <<< "$call" | tr -d '"')")"   # the program makes it
        measure engine "$bench" "$engine" "$threads" "$call"
        measure ffmpeg ffmpeg -nostdin -y -threads "$threads" -i "$source" -vf "$place" -pix_fmt yuv420p -r "$fps" \
            -b:v "${kbps}k" "${video[@]}" -threads "$threads" -ar "$rate" -ac 2 -b:a "${abps}k" "${audio[@]}" \
            "$ffmpeg_file"
        measure handbrake HandBrakeCLI -i "$source" -o "$hb_file" -e "$hb_encoder" -b "$kbps" -w "$pw" -l "$ph" \
            --crop 0:0:0:0 --non-anamorphic -r "$(awk "BEGIN { print ${fps%/*} / ${fps#*/} }")" --cfr \
            -E "$hb_audio" -B "$abps" -R "$(awk "BEGIN { print $rate / 1000 }")"
    done
    engine_file=$(find "$work/engine" -type f | head -1)
    local e f h es fs hs
    e=$(summary engine) f=$(summary ffmpeg) h=$(summary handbrake)
    es=$(ssim "$engine_file" "$cut") fs=$(ssim "$ffmpeg_file" "$cut") hs=$(ssim "$hb_file" "")
    printf '%s %s %s kbit/s %s, wall / processor / peak memory / SSIM luma all / video kbit/s\n' \
        "$target" "$codec" "$kbps" "$frame"
    printf '    engine    %6.2f s %6.2f s %4d MB %s %s %5d\n' $e $es "$(video_kbps "$engine_file")"
    printf '    ffmpeg    %6.2f s %6.2f s %4d MB %s %s %5d\n' $f $fs "$(video_kbps "$ffmpeg_file")"
    printf '    HandBrake %6.2f s %6.2f s %4d MB %s %s %5d\n' $h $hs "$(video_kbps "$hb_file")"
    local cpu
    cpu=$(calc "$(cut -d' ' -f2 <<< "$e") / $(cut -d' ' -f2 <<< "$f")")
    e=$(cut -d' ' -f1,3 <<< "$e") f=$(cut -d' ' -f1,3 <<< "$f") h=$(cut -d' ' -f1,3 <<< "$h")
    local vs_ffmpeg vs_hb memory verdict=""
    vs_ffmpeg=$(calc "${e% *} / ${f% *}") vs_hb=$(calc "${h% *} / ${e% *}") memory=$(calc "${e#* } / ${f#* }")
    check "$vs_ffmpeg <= 0.9" || verdict+=" wall-vs-ffmpeg"
    check "$vs_hb >= 1.5 && ${es% *} >= ${hs% *}" || verdict+=" vs-HandBrake"
    check "$memory <= 1.1" || verdict+=" memory"
    printf '    wall/ffmpeg %s (processor %s), HandBrake/engine %s, memory/ffmpeg %s: %s\n' "$vs_ffmpeg" "$cpu" \
        "$vs_hb" "$memory" \
        "$([[ -n $verdict ]] && echo "missed:$verdict" || echo "goals met")"
    [[ -z $verdict ]]
}

echo "source 1280x720 30 fps ${seconds} s; $threads threads; $rounds rounds; load average $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
for target in "${targets[@]}"; do run_target "$target" || status=1; done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "goals: wall <= 0.9x ffmpeg's, >= 1.5x faster than HandBrakeCLI at SSIM no lower, peak memory <= 1.1x ffmpeg's"
exit $status
