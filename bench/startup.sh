#!/usr/bin/env bash
# Start-up time (exec to main window mapped) and peak memory of Ovrelta_online against a bare Qt
# main window of its size, and of Kestrum against a bare main window of its size that links Qt
# WebEngine (the floor that dependency sets), each bare window once empty and once showing a line
# of text (the font start-up every real window pays), in a virtual X display; whether Kestrum has
# started any browser process before its first calculation; and the time from Kestrum's
# "Рассчитать" to the service's page loaded, against a loopback service. Run by hand, not by ctest:
#   bench/startup.sh [RUNS]          RUNS of each program, in turns (default 15)
#   OVRELTA_BUILD=DIR bench/startup.sh   build tree to use (default: build)
# Needs add_subdirectory(bench) in the top CMakeLists.txt.
set -euo pipefail
ovrelta_root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
build=${OVRELTA_BUILD:-$ovrelta_root/build}
. "$ovrelta_root/scripts/setup.sh"

# The bench's own tools come on top of what the build needs.
ovrelta_packages+=(xvfb time libx11-dev dbus-daemon)
ovrelta_setup

# A desktop session has a session bus. Without one, Qt's accessibility bridge spends some 10 ms
# looking for it when the first button gets its text, a cost no user's start-up pays.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$@"
fi

cmake -S "$ovrelta_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! cmake --build "$build" --target help | grep -q '^bench:'; then
  echo "startup.sh: no bench target; add add_subdirectory(bench) to $ovrelta_root/CMakeLists.txt" >&2
  exit 1
fi
cmake --build "$build" --target bench

watch=$build/bench/map_watch
request_bench=$build/bench/request_bench
declare -A program=(
  [bare]=$build/bench/bare_window
  [bare_text]=$build/bench/bare_window
  [bare_web]=$build/bench/bare_web_window
  [bare_web_text]=$build/bench/bare_web_window
  [ovrelta]=$build/bin/Ovrelta_online
  [kestrum]=$build/bin/Kestrum
)
declare -A argument=([bare_text]=text [bare_web_text]=text)
declare -A title=(
  [bare]=bare_window
  [bare_text]=bare_window
  [bare_web]=bare_web_window
  [bare_web_text]=bare_web_window
  [ovrelta]='Ovrelta: расчет пожарного риска для производственных объектов'
  [kestrum]='Ovrelta: расчет пожарного риска (с изм. 2016). Версия 3.1.2'
)
names=(bare bare_text ovrelta bare_web bare_web_text kestrum)

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

# One run: appends "milliseconds KiB child-processes" to the file of that program.
measure() {
  local name=$1 line
  line=$(/usr/bin/time -f %M -o "$work/mem" "$watch" "${title[$name]}" "${program[$name]}" \
    ${argument[$name]:+"${argument[$name]}"})
  read -r ms size children <<<"$line"
  echo "$ms $(tail -n 1 "$work/mem") $children" >>"$work/$name"
  echo "$size" >"$work/$name.size"
}

# One unrecorded run each, so all start with warm caches.
for name in "${names[@]}"; do
  measure "$name"
  rm "$work/$name"
done
for i in $(seq "$runs"); do
  printf '\rstart-up run %d/%d' "$i" "$runs" >&2
  # Each program takes each place in the turn equally often.
  for k in "${!names[@]}"; do
    measure "${names[$(( (i + k) % ${#names[@]} ))]}"
  done
done
echo >&2

# "Рассчитать" to the page loaded: the first calculation of a process makes the result window and
# starts the browser, the second reuses them.
request_runs=$(( runs < 5 ? 5 : runs ))
for i in $(seq "$request_runs"); do
  printf '\rcalculation run %d/%d' "$i" "$request_runs" >&2
  "$request_bench" 2>/dev/null >>"$work/request" || { echo "startup.sh: request_bench failed" >&2; exit 1; }
done
echo >&2

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
column_median() { cut -d' ' -f"$2" "$work/$1" | median; }

# Per program: its window's size, the medians of start-up and peak memory.
summary=()
for name in "${names[@]}"; do
  summary+=(-v "${name}_size=$(cat "$work/$name.size")" -v "${name}_ms=$(column_median "$name" 1)"
            -v "${name}_kib=$(column_median "$name" 2)")
done

awk -v runs="$runs" -v request_runs="$request_runs" "${summary[@]}" \
    -v kc="$(cut -d' ' -f3 "$work/kestrum" | sort -n | tail -n 1)" \
    -v first="$(column_median request 1)" -v second="$(column_median request 2)" \
    -v first_max="$(cut -d' ' -f1 "$work/request" | sort -n | tail -n 1)" '
function row(label, size, ms, kib) {
  printf "%-24s %-9s %13.1f %17d\n", label, size, ms, kib
}
# A program with its ratios to the empty window and to the window with a line of text.
function program_row(label, size, ms, kib, ems, ekib, tms, tkib) {
  printf "%-24s %-9s %13.1f %17d %8.2fx %8.2fx %8.2fx %8.2fx\n", label, size, ms, kib,
         ms / ems, kib / ekib, ms / tms, kib / tkib
}
BEGIN {
  printf "medians of %d runs in turns; start-up = exec to main window mapped\n\n", runs
  printf "%-24s %-9s %13s %17s %19s %19s\n", "", "", "", "", "to the empty window",
         "to the text window"
  printf "%-24s %-9s %13s %17s %9s %9s %9s %9s\n", "program", "window", "start-up, ms",
         "peak mem, KiB", "time", "memory", "time", "memory"
  row("bare Qt window, empty", bare_size, bare_ms, bare_kib)
  row("bare Qt window, text", bare_text_size, bare_text_ms, bare_text_kib)
  program_row("Ovrelta_online", ovrelta_size, ovrelta_ms, ovrelta_kib, bare_ms, bare_kib,
              bare_text_ms, bare_text_kib)
  row("bare + WebEngine, empty", bare_web_size, bare_web_ms, bare_web_kib)
  row("bare + WebEngine, text", bare_web_text_size, bare_web_text_ms, bare_web_text_kib)
  program_row("Kestrum", kestrum_size, kestrum_ms, kestrum_kib, bare_web_ms, bare_web_kib,
              bare_web_text_ms, bare_web_text_kib)
  tr = ovrelta_ms / bare_text_ms; mr = ovrelta_kib / bare_text_kib
  kr = kestrum_ms / bare_web_text_ms
  printf "\nGoals, against the windows with a line of text:\n"
  printf "Ovrelta_online: start-up <= 1.30x %s, peak memory <= 1.20x %s\n",
         (tr <= 1.3 ? "met" : "MISSED"), (mr <= 1.2 ? "met" : "MISSED")
  printf "Kestrum: start-up <= 1.15x the bare window with Qt WebEngine and text %s; " \
         "no browser process before the first calculation %s (at most %d seen)\n",
         (kr <= 1.15 ? "met" : "MISSED"), (kc == 0 ? "met" : "MISSED"), kc
  printf "\nKestrum, \"Рассчитать\" to the page loaded (loopback service), medians of %d runs:\n",
         request_runs
  printf "  first calculation %.1f ms (slowest %.1f ms), second %.1f ms; goal under 1000 ms %s\n",
         first, first_max, second, (first_max < 1000 ? "met" : "MISSED")
}'
