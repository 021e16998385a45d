# shellcheck shell=bash disable=SC2154 # $build and $work are the sourcing script's
# Sourced by the bench scripts that run pelorin-convert's engine calls (--show-job)
# through device_bench: the build's programs, given $build and $work.
engine="$build/bin/libKorvid.so"
bench="$build/bench/device_bench"
convert="$build/bin/pelorin-convert"

# require_built: stops unless the build holds the engine, device_bench and pelorin-convert.
require_built() {
    local needed
    for needed in "$engine" "$bench" "$convert"; do
        if [[ ! -x $needed && ! -f $needed ]]; then
            echo "build first: cmake --build $build --target KorvidEngine device_bench pelorin-convert" >&2
            exit 1
        fi
    done
}

# make_program_folder: pelorin-convert reads the target definitions from its program
# folder, so $program is put together in $work from the build's program and engine and
# the shipped definitions.
make_program_folder() {
    local data file
    data="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/data"
    program="$work/program"
    mkdir -p "$program"
    cp "$convert" "$program/"
    ln -sf "$(realpath "$engine")" "$program/libKorvid.so"
    for file in PfDef.dll PfSetting.ini Option.ini; do ln -sf "$data/$file" "$program/$file"; done
}

# make_source <file> <lavfi picture> <lavfi sound> <video kbit/s>: the generated source,
# H.264 and AAC stereo, made once.
make_source() {
    [[ -f $1 ]] && return
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "$2" -f lavfi -i "$3" -ac 2 -c:v libx264 -preset veryfast \
        -b:v "$4k" -pix_fmt yuv420p -c:a aac -b:a 192k -shortest "$1"
}
