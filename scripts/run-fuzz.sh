#!/bin/sh
# Runs the fuzz targets built in <build> (fuzz/fuzz_<name>) for <seconds>
# each, starting from fuzz/corpus/<name>: all of them, or those named.
# Exits non-zero when a target found a crash, a hang or a leak; the input
# that did it is in <build>/findings/<name>/.
set -u
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
if [ $# -eq 0 ]; then
  set -- $(for f in fuzz/*.cpp; do basename "$f" .cpp; done)
fi

failed=""
for name in "$@"; do
  program="$build/fuzz/fuzz_$name"
  if [ ! -x "$program" ]; then
    echo "== $name: $program is missing"
    failed="$failed $name"
    continue
  fi
  mkdir -p "$build/corpus/$name" "$build/findings/$name"
  echo "== $name: $seconds s"
  if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$name/" "$build/corpus/$name" "fuzz/corpus/$name" \
      >"$build/findings/$name.log" 2>&1; then
    failed="$failed $name"
    tail -40 "$build/findings/$name.log"
  else
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/findings/$name.log"
  fi
done

if [ -n "$failed" ]; then
  echo "fuzz findings:$failed (inputs in $build/findings/)"
  exit 1
fi
echo "no findings"
