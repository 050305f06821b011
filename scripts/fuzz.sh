#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs each for SECONDS (default 25) from
# its seed corpus in tests/fuzz/corpus/. New inputs go to build-fuzz/corpus/, crashes to
# build-fuzz/crashes/. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-25}
cmake -S . -B build-fuzz -DPLINKAPAD_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
mkdir -p build-fuzz/crashes
targets=(fuzz_settings fuzz_group_file fuzz_cut_list fuzz_bmp fuzz_dib fuzz_wave
    fuzz_picture_import fuzz_sound_import fuzz_exif_orientation)
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target, ${seconds} s"
    log="build-fuzz/$target.log"
    status=0
    # The imports' decoders run in a process held to 512 MB: their targets are held to it too,
    # with the sanitizer keeping little freed memory aside, which would count against it.
    rss=2048 asan=
    [[ $target == *_import ]] && rss=512 asan=quarantine_size_mb=16
    ASAN_OPTIONS=$asan "build-fuzz/$target/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb="$rss" \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" \
        "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::average_exec_per_sec)|ERROR|SUMMARY" "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        echo "$target failed; the input is in build-fuzz/crashes/"
        exit 1
    fi
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
