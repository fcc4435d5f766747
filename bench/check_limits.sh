#!/usr/bin/env bash
# The worst a hostile answer can make of one check: each answer of
# bench/hostile/ is checked as task 1 by lesko_check, and the check's peak
# memory (the whole process tree: lesko_check, bwrap, compiler, runner and
# answers, tmpfs pages included) and wall time are printed. The peak comes
# from a memory cgroup of its own (cgroup v1 or v2, as root); without one only
# the times are printed.
# Usage: bench/check_limits.sh [LESKO_CHECK]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=${1:-$root/build/dev/src/lesko_check}
[[ -x $check ]] || { echo "no $check: build the dev preset first"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"; [[ -n ${group:-} ]] && rmdir "$group" 2>/dev/null || true' EXIT
export XDG_CACHE_HOME=$work/cache

# A memory cgroup under this process's own, where one can be made.
group=
own=$(awk -F: '$2 == "memory" {print $3}' /proc/self/cgroup)
if [[ -n $own && -d /sys/fs/cgroup/memory$own ]]; then
    group=/sys/fs/cgroup/memory$own/lesko-check-$$
    peak_file=memory.max_usage_in_bytes
elif [[ -f /sys/fs/cgroup/cgroup.controllers ]]; then
    own=$(awk -F: '$1 == "0" {print $3}' /proc/self/cgroup)
    group=/sys/fs/cgroup$own/lesko-check-$$
    peak_file=memory.peak
fi
mkdir "$group" 2>/dev/null || group=

# A first check builds the precompiled header and warms the disk cache.
printf '#include <iostream>\nint main() { long long x; std::cin >> x; std::cout << 2 * x + 3 << "\\n"; }\n' >"$work/right.cpp"
"$check" --task 1 "$work/right.cpp" >/dev/null || true

printf '%-30s %8s %10s  %s\n' answer "wall s" "peak MiB" verdict
for answer in "$work/right.cpp" "$root"/bench/hostile/*.cpp; do
    start=$(date +%s%N)
    if [[ -n $group ]]; then
        [[ $peak_file == memory.max_usage_in_bytes ]] && echo 0 >"$group/$peak_file"
        verdict=$(bash -c "echo \$\$ >'$group/cgroup.procs'; exec '$check' --task 1 '$answer'" 2>&1 | head -n 1 || true)
        peak=$(($(cat "$group/$peak_file") >> 20))
    else
        verdict=$("$check" --task 1 "$answer" 2>&1 | head -n 1 || true)
        peak=-
    fi
    end=$(date +%s%N)
    printf '%-30s %8.1f %10s  %s\n' "$(basename "$answer" .cpp)" "$(echo "($end - $start) / 1000000000" | bc -l)" \
        "$peak" "$verdict"
done
