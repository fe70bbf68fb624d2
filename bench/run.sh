#!/usr/bin/env bash
# Runs every performance figure next to its floor and prints the table of figure | ours | floor |
# ratio | goal | met. Needs a build (./test.sh makes one). Starts its own X server (Xvfb) with a
# window manager (openbox) for the viewer's figures, so it runs the same with or without a desktop.
#
#   bench/run.sh                  everything (about five minutes)
#   KALMORA_BENCH_REPETITIONS=N   repetitions of each benchmark (default 8; the least is the figure)
#   KALMORA_BENCH_IDLE_SECONDS=N  length of the idle watch (default 60)
#   KALMORA_BUILD_DIR=DIR         the build to measure (default build/)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KALMORA_BUILD_DIR:-$root/build}"
reps="${KALMORA_BENCH_REPETITIONS:-8}"
[ "$reps" -ge 2 ] || reps=2 # the least of the repetitions is only reported for two or more
idle="${KALMORA_BENCH_IDLE_SECONDS:-60}"

for program in bench/maker/bench_maker bench/calendar/bench_calendar bench/viewer/bench_viewer \
  bench/viewer/viewer_footprint app/KALMORAV; do
  if [ ! -x "$build/$program" ]; then
    echo "Missing $build/$program: build first (./test.sh)." >&2
    exit 1
  fi
done
for tool in Xvfb openbox xdotool jq awk; do
  if ! command -v "$tool" >/dev/null; then
    echo "Missing $tool (./test.sh installs it)." >&2
    exit 1
  fi
done

work="$(mktemp -d)"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

log() { echo "-- $*" >&2; }

# A private X session: Xvfb picks a free display and tells it on a pipe.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 display <"$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

benchmark_args=(--benchmark_repetitions="$reps" --benchmark_enable_random_interleaving=true
  --benchmark_report_aggregates_only=true --benchmark_format=json)

log "maker (offscreen, a 24-megapixel photo; a few minutes)"
QT_QPA_PLATFORM=offscreen "$build/bench/maker/bench_maker" "${benchmark_args[@]}" >"$work/maker.json" 2>/dev/null
log "calendar labels (offscreen)"
QT_QPA_PLATFORM=offscreen "$build/bench/calendar/bench_calendar" "${benchmark_args[@]}" \
  --benchmark_filter='ShowCalendarBothSets|FloorSetHundredLabels' >"$work/calendar.json" 2>/dev/null
log "viewer start-up (X server $DISPLAY)"
"$build/bench/viewer/bench_viewer" "${benchmark_args[@]}" >"$work/viewer.json" 2>/dev/null

# The least of the repetitions, in the unit given: "cpu" or "real" time.
figure() { # file run_name kind unit
  jq -r --arg run "$2" --arg kind "$3" --arg unit "$4" '
    def scale: {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1}[.];
    def want: {"us": 1e6, "ms": 1e3}[$unit];
    .benchmarks[] | select(.run_name == $run and .aggregate_name == "min")
    | (if $kind == "cpu" then .cpu_time else .real_time end) * (.time_unit | scale) * want' "$1"
}

log "viewer memory (one process per start)"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for mode in viewer bare bare-labels; do
  for _ in $(seq "$reps"); do "$build/bench/viewer/viewer_footprint" "$mode" 2>/dev/null; done | median >"$work/rss.$mode"
done

log "viewer idle for $idle s"
app="$work/app"
mkdir -p "$app"
cp -r "$build/app/KALMORAV" "$build/app/cprj" "$build/app/pict" "$app/"
"$app/KALMORAV" >"$work/viewer.log" 2>&1 &
viewer=$!
pids+=("$viewer")
timeout 30 xdotool search --sync --onlyvisible --pid "$viewer" >/dev/null
sleep 3 # start-up work that follows the first paint is done
# Processor time: utime + stime of the process (all its threads), in clock ticks.
ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$viewer/stat"; }
# Wake-ups: every time a thread of the process runs it has been woken, and it gives the processor
# back by blocking again (voluntary) or by being preempted (involuntary): the sum of both counts
# over all threads counts the wake-ups.
switches() { cat /proc/"$viewer"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
t0=$(ticks)
s0=$(switches)
sleep "$idle"
t1=$(ticks)
s1=$(switches)
kill "$viewer"

ms() { figure "$work/maker.json" "$1" cpu ms; }
us() { figure "$work/maker.json" "$1" cpu us; }
row() { # name ours floor unit goal-ratio [absolute-limit]
  awk -v name="$1" -v ours="$2" -v floor="$3" -v unit="$4" -v goal="$5" -v limit="${6:-}" 'BEGIN {
    if (ours == "" || floor == "" || floor + 0 <= 0) {
      printf "| %s | — | — | — | ≤ %.2f × | no (not measured) |\n", name, goal
      exit
    }
    ratio = ours / floor
    met = ratio <= goal && (limit == "" || ours < limit)
    g = sprintf("≤ %.2f ×", goal)
    if (limit != "") g = g sprintf(", < %s %s", limit, unit)
    printf "| %s | %.*f %s | %.*f %s | %.2f × | %s | %s |\n", name, digits(ours), ours, unit,
      digits(floor), floor, unit, ratio, g, met ? "yes" : "no"
  }
  function digits(v) {
    return v >= 1000 ? 0 : v >= 10 ? 1 : 2
  }'
}

echo
echo "| figure | ours | floor | ratio | goal | met |"
echo "|---|---|---|---|---|---|"
row "maker: open a 6000 × 4000 JPEG up to the composed preview (vs one QImageReader decode)" \
  "$(ms MakerOpen/process_time)" "$(ms FloorDecode/process_time)" ms 1.25
row "maker: ApplyImageScale 50 % (vs one smooth QImage::scaled)" \
  "$(ms MakerScaleHalf/process_time)" "$(ms FloorScaleHalf/process_time)" ms 1.15
row "maker: one mouse move drawing the box, 6000 × 4000 (vs 640 × 480)" \
  "$(us MakerDrawMove/6000/process_time)" "$(us MakerDrawMove/640/process_time)" µs 1.2 100
row "maker: one mouse move moving the box, 6000 × 4000 (vs 640 × 480)" \
  "$(us MakerBoxMove/6000/process_time)" "$(us MakerBoxMove/640/process_time)" µs 1.2 100
row "maker: CopySelectionToPreview 3000 × 2000 → 256 × 256 (vs one smooth scale of the rectangle)" \
  "$(ms MakerPreview/process_time)" "$(ms FloorScaleRect/process_time)" ms 1.3
row "viewer: ShowCalendar, both label sets (vs setting the 100 labels directly)" \
  "$(figure "$work/calendar.json" ShowCalendarBothSets cpu us)" \
  "$(figure "$work/calendar.json" FloorSetHundredLabels cpu us)" µs 1.5
row "viewer: start-up, load handler to window exposed (vs bare frameless window, same picture and mask)" \
  "$(figure "$work/viewer.json" ViewerStartup/real_time real ms)" \
  "$(figure "$work/viewer.json" FloorBareWindowStartup/real_time real ms)" ms 1.5
row "viewer: start-up (vs the bare window with the 100 labels set directly)" \
  "$(figure "$work/viewer.json" ViewerStartup/real_time real ms)" \
  "$(figure "$work/viewer.json" FloorBareWindowWithLabelsStartup/real_time real ms)" ms 1.5
row "viewer: resident set growth by start-up (vs the bare window)" \
  "$(cat "$work/rss.viewer")" "$(cat "$work/rss.bare")" KiB 1.3
row "viewer: resident set growth by start-up (vs the bare window with the 100 labels set directly)" \
  "$(cat "$work/rss.viewer")" "$(cat "$work/rss.bare-labels")" KiB 1.3
awk -v idle="$idle" -v t="$((t1 - t0))" -v s="$((s1 - s0))" 'BEGIN {
  printf "| viewer: processor time while idle for %d s in Xvfb + openbox | %d ticks | — | — | 0 ticks | %s |\n", idle, t, t == 0 ? "yes" : "no"
  printf "| viewer: wake-ups while idle for %d s (context switches of all threads) | %d | — | — | 0 (no input: X delivers nothing) | %s |\n", idle, s, s == 0 ? "yes" : "no"
}'
