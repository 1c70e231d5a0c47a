# Sourced by the benches: medians of the samples in $work/figures (one line a sample: program
# name, then its figures) and the report of each ratio against its target, which sets status
# to 1 when a target is missed.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_median() { awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$work/figures" | median; }
status=0
report() { # label, bare, product, target or "-"
    local ratio verdict=""
    ratio=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.3f", b / a }')
    if [ "$4" != - ]; then
        if awk -v r="$ratio" -v t="$4" 'BEGIN { exit !(r <= t) }'; then
            verdict="<= $4 met"
        else
            verdict="<= $4 MISSED"
            status=1
        fi
    fi
    printf '%-26s %12s %12s %8s   %s\n' "$1" "$2" "$3" "$ratio" "$verdict"
}
