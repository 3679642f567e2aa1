#!/bin/sh
# The exports of morvane-cli against one picture of the same model rendered by
# morvane-cli, the baseline, timed in the same run; all pay the start of the
# program and the reading of the model:
# - a series sheet (18 positions over a turn, each rendered and averaged
#   down, the sheet encoded as JPEG);
# - a 640 x 480 MPEG-1 movie (181 frames over two turns, each rendered,
#   averaged down, captioned and encoded).
#
# usage: bench/export_cli.sh BUILD_FOLDER [RUNS]
set -eu

cli="$1/cli/morvane-cli"
runs="${2:-3}"
here=$(dirname "$0")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The mean wall-clock time of one run, in milliseconds.
mean_ms() {
  start=$(date +%s%N)
  i=0
  while [ "$i" -lt "$runs" ]; do
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    i=$((i + 1))
  done
  end=$(date +%s%N)
  echo $(((end - start) / runs / 1000000))
}

ratio() { awk "BEGIN { printf \"%.1f\", $1 / $2 }"; }

printf '%-16s %12s %12s %8s %12s %8s\n' model "render (ms)" "series (ms)" ratio "movie (ms)" ratio
for model in "$here/../examples/crank-rocker.mvd" "$here/data/ladder-49.mvd"; do
  render=$(mean_ms "$cli" render "$model" -o "$out/one.png")
  series=$(mean_ms "$cli" series "$model" -o "$out/sheet.jpg")
  movie=$(mean_ms "$cli" movie "$model" --size 640x480 -o "$out/movie.mpg")
  printf '%-16s %12s %12s %8s %12s %8s\n' "$(basename "$model" .mvd)" "$render" "$series" \
    "$(ratio "$series" "$render")" "$movie" "$(ratio "$movie" "$render")"
done
