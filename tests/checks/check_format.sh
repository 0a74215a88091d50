#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format-14 makes of it.
set -u
root=${1:?usage: check_format.sh REPO_DIR}
tool=$(command -v clang-format-14) || {
    echo "clang-format-14 ontbreekt: ./build.sh installeert het"
    exit 1
}
cd "$root" || exit 1
mapfile -t files < <(find src tests bench fuzz tools -name '*.h' -o -name '*.cpp' | sort)
if "$tool" --dry-run --Werror "${files[@]}" 2>&1 | grep -E '^[^ ].*(warning|error):' | cut -d: -f1 | sort -u | grep .; then
    echo "niet opgemaakt (clang-format-14 -i op deze bestanden)"
    exit 1
fi
echo "${#files[@]} bestanden opgemaakt"
