#!/usr/bin/env bash
# Builds the fuzz targets of the number readings, the number formats, both checks and the rope
# listing with clang,
# and runs each one: over its committed seeds, then on new inputs for FUZZ_SECONDS (30) seconds.
# Fails on any crash, hang, sanitizer report or broken rule; the input that did it is kept in
# build-fuzz/findings/. New inputs go to a scratch folder, never into the committed seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
bash scripts/build.sh fuzz

findings="$PWD/build-fuzz/findings"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/ropecalc-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"

status=0
for corpus in tests/fuzz/corpus/*/; do
    name="$(basename "$corpus")"
    target="build-fuzz/tests/fuzz/fuzz_$name"
    log="$scratch/$name.log"
    mkdir -p "$scratch/$name"
    # -timeout: one input running 10 s counts as a hang. -max_len: room for thousands of
    # characters. -dict: pieces of typed text (units, purposes, full-width digits) to combine.
    if "$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 -dict=tests/fuzz/texts.dict \
        -print_final_stats=1 -artifact_prefix="$findings/$name-" "$scratch/$name" "$corpus" >"$log" 2>&1; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        echo "fuzz_$name: ${runs:-?} executions in $seconds s, no finding"
    else
        status=1
        echo "fuzz_$name: FAILED" >&2
        { grep -E -A3 "broken rule|ERROR|runtime error" "$log" || tail -n 40 "$log"; } | head -n 40 >&2
        grep -E "Test unit written|Base64" "$log" >&2 || true
    fi
done
exit "$status"
