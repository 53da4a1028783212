# shellcheck shell=bash
# Shared by the benchmark scripts: what a process costs, summed over all of its threads.

# Nanoseconds on a CPU and voluntary context switches (wake-ups).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { s += $2 } END { printf "%d", s }'; }
# Peak resident memory in KiB.
peak_kib() { awk '/VmHWM/ { print $2 }' "/proc/$1/status"; }

# per_minute NAME SECONDS CPU-NS SERVER-CPU-NS WAKE-UPS PEAK-KIB: the row "NAME cpu server-cpu
# wake-ups peakKiB", the first three per minute.
per_minute() {
    awk -v n="$1" -v s="$2" -v c="$3" -v x="$4" -v w="$5" -v p="$6" \
        'BEGIN { printf "%s %.4f %.4f %.0f %d\n", n, c / 1e9 * 60 / s, x / 1e9 * 60 / s, w * 60 / s, p }'
}

# Each thread's "id name voluntary-context-switches", to tell where a program's wake-ups go.
thread_wakeups() {
    local task
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(tr ' ' _ <"$task/comm" 2>/dev/null) $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null)"
    done
}
