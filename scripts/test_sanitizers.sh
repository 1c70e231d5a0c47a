#!/usr/bin/env bash
# Builds the calculator and all its tests a second time, with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-sanitize/, and runs every test there. The first report of
# either stops the test program with a failure, and a leak fails it at exit.
set -euo pipefail
cd "$(dirname "$0")/.."

# Reports from inside the third-party libraries that are not ours to mend are suppressed in
# these files, each with the reason; nothing of ours may be listed there.
suppressions="$PWD/tests/sanitizers"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:suppressions=$suppressions/asan.supp"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$suppressions/ubsan.supp"

bash scripts/build.sh sanitize
ctest --preset sanitize
