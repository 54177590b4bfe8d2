#!/usr/bin/env bash
# Start-up time (exec to main window mapped) and peak memory of Ovrelta_online against a bare Qt
# main window of the same size, in a virtual X display. Run by hand, not by ctest:
#   bench/startup.sh [RUNS]          RUNS of each program, alternating (default 15)
#   OVRELTA_BUILD=DIR bench/startup.sh   build tree to use (default: build)
# Needs add_subdirectory(bench) in the top CMakeLists.txt.
set -euo pipefail
ovrelta_root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
build=${OVRELTA_BUILD:-$ovrelta_root/build}
. "$ovrelta_root/scripts/setup.sh"

# The bench's own tools come on top of what the build needs.
ovrelta_packages+=(xvfb time libx11-dev)
ovrelta_setup

cmake -S "$ovrelta_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! cmake --build "$build" --target help | grep -q '^bench:'; then
  echo "startup.sh: no bench target; add add_subdirectory(bench) to $ovrelta_root/CMakeLists.txt" >&2
  exit 1
fi
cmake --build "$build" --target bench

watch=$build/bench/map_watch
bare=$build/bench/bare_window
ovrelta=$build/bin/Ovrelta_online
bare_title=bare_window
ovrelta_title='Ovrelta: расчет пожарного риска для производственных объектов'

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd picks a free display and tells us its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER

# One run: appends "milliseconds KiB" to the file of that program.
measure() {
  local name=$1 title=$2 program=$3 line
  line=$(/usr/bin/time -f %M -o "$work/mem" "$watch" "$title" "$program")
  echo "${line%% *} $(tail -n 1 "$work/mem")" >>"$work/$name"
  echo "${line#* }" >"$work/$name.size"
}

# One unrecorded run each, so both start with warm caches.
measure warmup "$bare_title" "$bare"
measure warmup "$ovrelta_title" "$ovrelta"
for i in $(seq "$runs"); do
  printf '\rrun %d/%d' "$i" "$runs" >&2
  if (( i % 2 )); then
    measure bare "$bare_title" "$bare"
    measure ovrelta "$ovrelta_title" "$ovrelta"
  else
    measure ovrelta "$ovrelta_title" "$ovrelta"
    measure bare "$bare_title" "$bare"
  fi
done
echo >&2

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median)
ovr_ms=$(cut -d' ' -f1 "$work/ovrelta" | median)
ovr_kib=$(cut -d' ' -f2 "$work/ovrelta" | median)

awk -v runs="$runs" -v bs="$(cat "$work/bare.size")" -v os="$(cat "$work/ovrelta.size")" \
    -v bm="$bare_ms" -v bk="$bare_kib" -v om="$ovr_ms" -v ok="$ovr_kib" 'BEGIN {
  printf "medians of %d alternating runs; start-up = exec to main window mapped\n\n", runs
  printf "%-16s %-9s %14s %18s\n", "program", "window", "start-up, ms", "peak memory, KiB"
  printf "%-16s %-9s %14.1f %18d\n", "bare Qt window", bs, bm, bk
  printf "%-16s %-9s %14.1f %18d\n", "Ovrelta_online", os, om, ok
  tr = om / bm; mr = ok / bk
  printf "%-16s %-9s %13.2fx %17.2fx\n", "ratio", "", tr, mr
  printf "%-16s %-9s %14s %18s\n", "goal", "", "<= 1.30x " (tr <= 1.3 ? "met" : "MISSED"),
         "<= 1.20x " (mr <= 1.2 ? "met" : "MISSED")
}'
