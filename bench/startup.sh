#!/usr/bin/env bash
# Start-up of the player against a bare Qt program.
#
# Launches `vintara` on the demo course and lets it run to the end of its
# first paint of the main menu, alternately with bench_bare_window, a bare
# Qt 6 Widgets program built in the same tree that paints one 640 x 480
# window and quits. Both run under Xvfb and under Qt's offscreen platform.
# For each program the script reports the median wall-clock time from launch
# to exit and the median peak resident memory (from /usr/bin/time), then the
# ratios player / bare. Targets: start-up at most 1.3 times the bare
# program's, memory at most 1.5 times.
#
# The player ends right after its first paint when the environment variable
# VINTARA_EXIT_AFTER_FIRST_PAINT is set; it exists for this script and is
# not one of the program's options.
#
# Usage: bench/startup.sh [BUILD-DIR] [RUNS]    (defaults: build and 15)
# Needs Xvfb and /usr/bin/time; build the targets vintara, bench_bare_window
# and course first.
set -euo pipefail

build=${1:-build}
runs=${2:-15}
vintara=$build/vintara
bare=$build/bench_bare_window
for f in "$vintara" "$bare" "$build/tolvenia/vintara.del"; do
  [[ -e $f ]] || { echo "startup.sh: $f is missing; build vintara, bench_bare_window and course" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "startup.sh: Xvfb is not installed" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "startup.sh: /usr/bin/time is not installed" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own.
display=
for n in $(seq 140 199); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
done
[[ -n $display ]] || { echo "startup.sh: no free X display number" >&2; exit 2; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done

# The programs run with a home of their own, so that no settings of the
# user's desktop take part, and without sound devices.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# run PLATFORM NAME COMMAND...: one launch; appends "ms kb" to $work/NAME-PLATFORM.
run() {
  local platform=$1 name=$2
  shift 2
  local start end
  start=$(date +%s%N)
  env QT_QPA_PLATFORM="$platform" DISPLAY="$display" VINTARA_EXIT_AFTER_FIRST_PAINT=1 \
    /usr/bin/time -f %M -o "$work/mem" "$@" >/dev/null 2>"$work/err" || {
      echo "startup.sh: $name failed on $platform:" >&2; cat "$work/err" >&2; exit 1; }
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $(tail -n 1 "$work/mem")" >>"$work/$name-$platform"
}

median() {  # column of a file
  sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-10s %-8s %12s %12s\n' platform program "start-up ms" "peak RSS KB"
for platform in xcb offscreen; do
  # One launch of each first, so that both start from a warm file cache.
  run "$platform" warm "$bare"
  run "$platform" warm "$vintara" --content "$build/tolvenia"
  for i in $(seq "$runs"); do
    if (( i % 2 )); then
      run "$platform" bare "$bare"
      run "$platform" vintara "$vintara" --content "$build/tolvenia"
    else
      run "$platform" vintara "$vintara" --content "$build/tolvenia"
      run "$platform" bare "$bare"
    fi
  done
  for name in bare vintara; do
    t=$(median "$work/$name-$platform" 1)
    m=$(median "$work/$name-$platform" 2)
    printf '%-10s %-8s %12.1f %12d\n' "$platform" "$name" "$(echo "$t / 1000" | bc -l)" "${m%.*}"
    eval "t_$name=$t m_$name=$m"
  done
  printf '%-10s ratio    start-up %.2f (target 1.3)   memory %.2f (target 1.5)\n' "$platform" \
    "$(echo "$t_vintara / $t_bare" | bc -l)" "$(echo "$m_vintara / $m_bare" | bc -l)"
done
