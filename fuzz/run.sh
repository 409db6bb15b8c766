#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on a working
# copy of its seed corpus. Any crash, sanitizer report, leak or input slower than one second
# (FUZZ_TIMEOUT seconds, if set) fails the run; the offending input is left in fuzz/artifacts/.
set -euo pipefail
seconds="${1:-60}"
timeout="${FUZZ_TIMEOUT:-1}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$root/build-fuzz"
"$root/scripts/ensure-deps.sh" clang-14 libclang-rt-14-dev

if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
        -DKVX_BUILD_FUZZ=ON -DKVX_BUILD_GUI=OFF -DKVX_BUILD_TESTS=OFF -DKVX_BUILD_BENCH=OFF \
        -DKVX_WERROR=OFF
fi
targets=(scan_tag unescape split_coords reader project page gif jpeg png)
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p "$root/fuzz/artifacts"
failed=0
for target in "${targets[@]}"; do
    work="$root/fuzz/corpus-work/$target"
    mkdir -p "$work"
    echo "== fuzz_$target for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        QT_QPA_PLATFORM=offscreen \
        "$build_dir/bin/fuzz_$target" "$work" "$root/fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2560 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$root/fuzz/artifacts/$target-" \
        >"$work.log" 2>&1; then
        echo "fuzz_$target FAILED; see $work.log"
        tail -40 "$work.log"
        failed=1
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work.log" || true
    fi
done
exit "$failed"
