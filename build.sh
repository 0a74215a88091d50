#!/usr/bin/env bash
# Ornaveld build driver: ./build.sh run | test | bench | fuzz | install PREFIX | package
# Installs the Debian packages that are missing, configures and builds with the CMake
# presets, and then does what the verb asks.
set -euo pipefail
start_dir=$PWD # a relative PREFIX is meant from where the script was started
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format-14 qt6-base-dev
          qt6-translations-l10n libbenchmark-dev fonts-liberation poppler-utils)
JOBS=$(nproc 2>/dev/null || echo 2)

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Ontbrekende pakketten. Voer eerst uit:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
    echo "== apt-get install ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
}

build() { # configure preset [build preset]
    cmake --preset "$1" >/dev/null
    cmake --build --preset "${2:-$1}" -j "$JOBS"
}

run_tests() { # preset
    echo "== tests ($1)"
    ctest --preset "$1" -j "$JOBS"
}

verb=${1:-}
case "$verb" in
run)
    install_packages
    build release
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        # The program folder is the current directory: the example's Ornaveld.set is found there.
        cd examples
        exec ../build/release/src/ui/ornaveld voorbeeld.orv
    fi
    exec ./build/release/src/cli/ornaveld-cli report examples/voorbeeld.orv --kind 2 \
        --settings examples/Ornaveld.set
    ;;
test)
    install_packages
    build release
    run_tests release
    build asan
    run_tests asan
    # Only the fuzz targets, each a few seconds over its seeds: a target that no longer
    # builds with clang, or that crashes on a seed, fails here and not months later.
    build fuzz fuzz-targets
    run_tests fuzz
    ;;
bench)
    install_packages
    build release
    ./build/release/bench/ornaveld_bench --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true "${@:2}"
    ./build/release/bench/ornaveld_bench_invoer --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true "${@:2}"
    ;;
fuzz)
    # FUZZ_SECONDS per target (default 60), or FUZZ_RUNS executions each when set.
    install_packages
    build fuzz fuzz-targets
    seconds=${FUZZ_SECONDS:-60}
    limit=(-max_total_time="$seconds")
    [ -n "${FUZZ_RUNS:-}" ] && limit=(-runs="$FUZZ_RUNS")
    for target in build/fuzz/fuzz/fuzz_*; do
        [ -x "$target" ] || continue
        name=$(basename "$target")
        mkdir -p "fuzz-corpus/$name" fuzz-artifacts
        echo "== $name (${FUZZ_RUNS:-${seconds} s})"
        # 200,000 bytes: room for a project of 500 line and 500 mobile sources (168,169).
        # A crash, a leak or a slow input lands in fuzz-artifacts/, named after its target.
        # ASan keeps freed blocks of every size it has seen, so over millions of inputs of
        # varying length the resident size creeps towards libFuzzer's 2 GB limit without a
        # leak (LeakSanitizer still checks every input): a smaller quarantine, memory handed
        # back to the system each second, and room up to 4 GB.
        # UBSan stops at its first finding, so that libFuzzer keeps the input as a crash.
        UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1} \
        ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:allocator_release_to_os_interval_ms=1000} \
        "$target" "${limit[@]}" -max_len=200000 -print_final_stats=1 -rss_limit_mb=4096 \
            -artifact_prefix="fuzz-artifacts/$name-" "fuzz-corpus/$name" fuzz/seeds/"$name"
    done
    ;;
install)
    [ -n "${2:-}" ] || { echo "Gebruik: ./build.sh install PREFIX"; exit 2; }
    prefix=$(cd "$start_dir" && realpath -m -- "$2")
    install_packages
    build release
    cmake --install build/release --prefix "$prefix"
    # A package's triggers refresh the file-type and menu caches; here it is done by hand.
    if command -v update-mime-database >/dev/null; then
        update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || true
    fi
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database "$prefix/share/applications" >/dev/null 2>&1 || true
    fi
    ;;
package)
    # dpkg-shlibdeps (dpkg-dev) and file compute the package's library dependencies.
    PACKAGES+=(dpkg-dev file)
    install_packages
    build release
    (cd build/release && cpack -G DEB)
    ls -1 "$PWD"/build/release/package/ornaveld_*.deb
    ;;
*)
    echo "Gebruik: ./build.sh run | test | bench | fuzz | install PREFIX | package"
    exit 2
    ;;
esac
