#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each briefly.
# FUZZ_SECONDS sets the run time of each target (default 30).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SECONDS:-30}"
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DBRISOLA_FUZZ=ON -DBRISOLA_GUI=OFF -DBRISOLA_BENCH=OFF >/dev/null
targets=$(ninja -C "$root/build-fuzz" -t targets all | sed -n 's/^\(fuzz_[a-z_]*\):.*/\1/p' | grep -v '_autogen' | sort -u || true)
if [ -z "$targets" ]; then
    echo "No fuzz targets."
    exit 0
fi
cmake --build "$root/build-fuzz" --parallel "$(nproc)" --target $targets
# The targets run side by side, each for its own time.
pids=()
for target in $targets; do
    corpus="$root/build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    seeds="$root/tests/fuzz/seeds/${target#fuzz_}"
    echo "Fuzzing $target for ${seconds}s"
    "$root/build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>"$corpus.log" &
    pids+=("$!")
done
failed=0
index=0
for target in $targets; do
    if ! wait "${pids[$index]}"; then
        tail -50 "$root/build-fuzz/corpus/$target.log"
        echo "Fuzz target $target failed"
        failed=1
    fi
    index=$((index + 1))
done
exit "$failed"
