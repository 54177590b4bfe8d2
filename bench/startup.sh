#!/usr/bin/env bash
# Start-up time (exec to main window mapped) and peak memory of Ovrelta_online and Kestrum against a
# bare Qt main window of Ovrelta_online's size, in a virtual X display. Run by hand, not by ctest:
#   bench/startup.sh [RUNS]          RUNS of each program, in turns (default 15)
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
kestrum=$build/bin/Kestrum
kestrum_title='Ovrelta: расчет пожарного риска (с изм. 2016). Версия 3.1.2'

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

# One unrecorded run each, so all start with warm caches.
measure warmup "$bare_title" "$bare"
measure warmup "$ovrelta_title" "$ovrelta"
measure warmup "$kestrum_title" "$kestrum"
for i in $(seq "$runs"); do
  printf '\rrun %d/%d' "$i" "$runs" >&2
  # Each program takes each place in the turn equally often.
  case $(( i % 3 )) in
    0) order=(bare ovrelta kestrum) ;;
    1) order=(ovrelta kestrum bare) ;;
    2) order=(kestrum bare ovrelta) ;;
  esac
  for name in "${order[@]}"; do
    case $name in
      bare) measure bare "$bare_title" "$bare" ;;
      ovrelta) measure ovrelta "$ovrelta_title" "$ovrelta" ;;
      kestrum) measure kestrum "$kestrum_title" "$kestrum" ;;
    esac
  done
done
echo >&2

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median)
ovr_ms=$(cut -d' ' -f1 "$work/ovrelta" | median)
ovr_kib=$(cut -d' ' -f2 "$work/ovrelta" | median)
kes_ms=$(cut -d' ' -f1 "$work/kestrum" | median)
kes_kib=$(cut -d' ' -f2 "$work/kestrum" | median)

awk -v runs="$runs" -v bs="$(cat "$work/bare.size")" -v os="$(cat "$work/ovrelta.size")" \
    -v ks="$(cat "$work/kestrum.size")" -v bm="$bare_ms" -v bk="$bare_kib" -v om="$ovr_ms" \
    -v ok="$ovr_kib" -v km="$kes_ms" -v kk="$kes_kib" 'BEGIN {
  printf "medians of %d runs in turns; start-up = exec to main window mapped\n\n", runs
  printf "%-16s %-9s %14s %18s %10s %10s\n", "program", "window", "start-up, ms",
         "peak memory, KiB", "time ratio", "mem ratio"
  printf "%-16s %-9s %14.1f %18d\n", "bare Qt window", bs, bm, bk
  tr = om / bm; mr = ok / bk
  printf "%-16s %-9s %14.1f %18d %9.2fx %9.2fx\n", "Ovrelta_online", os, om, ok, tr, mr
  printf "%-16s %-9s %14.1f %18d %9.2fx %9.2fx\n", "Kestrum", ks, km, kk, km / bm, kk / bk
  printf "\nOvrelta_online goals: start-up <= 1.30x %s, peak memory <= 1.20x %s\n",
         (tr <= 1.3 ? "met" : "MISSED"), (mr <= 1.2 ? "met" : "MISSED")
  printf "Kestrum: no goal yet (it comes with the calculation request)\n"
}'
