#!/usr/bin/env bash
# Fuzzes every reader of outside data: builds the libFuzzer targets of tests/fuzz in
# build-fuzz/ (clang, AddressSanitizer, UndefinedBehaviorSanitizer), makes their seed
# corpora from the shipped data files and runs each target for the given number of seconds
# (default 60). Exits non-zero when a target finds a crash, hang, leak or sanitizer report;
# the input that caused it lands in build-fuzz/findings/, the output in build-fuzz/logs/.
#
#   ./fuzz.sh [seconds] [target...]     e.g. ./fuzz.sh 600 fuzz_verbs
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
shift || true
case $seconds in
    '' | *[!0-9]*) echo "usage: ./fuzz.sh [seconds] [target...]" >&2; exit 2 ;;
esac

targets=(fuzz_wordstore fuzz_edit1 fuzz_langfile fuzz_verbs fuzz_highscores fuzz_settings
         fuzz_tsv_dictionary fuzz_tsv_language fuzz_wordlists)
[ $# -gt 0 ] && targets=("$@")

source ./scripts/setup.sh
vx_install_packages clang libclang-rt-14-dev

out=build-fuzz
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DVOKABRIX_FUZZ=ON >/dev/null
cmake --build "$out" -j "$(nproc)" --target fuzzers dicttool

# Seed corpora. The fuzzer adds the inputs it finds interesting to the same folders, so a
# later run goes on from where this one stopped.
corpus=$out/corpus
seeds=$out/seeds
mkdir -p "$corpus" "$seeds" "$out/findings" "$out/logs"
for t in "${targets[@]}"; do mkdir -p "$corpus/$t"; done
dicttool() { ASAN_OPTIONS=detect_leaks=0 "$out/dicttool" "$@" >/dev/null; }
dicttool import data/dictionary.tsv "$seeds/VOKABRIX.DCT" --enciphered
dicttool import data/dictionary.tsv "$seeds/dictionary.dct"
dicttool import data/own.tsv "$seeds/own.dct"
dicttool lang-import data/lang.tsv "$seeds/LANG.CRP"
dicttool export-kvtml "$seeds/own.dct" "$seeds/own.kvtml"
dicttool export-text "$seeds/own.dct" "$seeds/own.txt"
printf '[Misc]\r\nSeenWarranty=1\r\nColorScheme=3\r\nFullScreen=0\r\n\r\n[Languages]\r\nFrom=2\r\nFromSub=1\r\nTo=3\r\n' \
    >"$seeds/VOKABRIX.INI"
printf ' 120\r\nEva\r\n 95\r\n"Berg, Ola"\r\n 40\r\n\r\n 0\r\n\r\n 0\r\n\r\n 0\r\n\r\n 0\r\n\r\n 0\r\n\r\n 0\r\n\r\n 0\r\n\r\n' \
    >"$seeds/Quick03.HGH"

seed() { # target, files...
    local t=$1
    shift
    [ -d "$corpus/$t" ] || return 0
    cp "$@" "$corpus/$t/"
}
seed fuzz_wordstore "$seeds/VOKABRIX.DCT" "$seeds/own.dct"
seed fuzz_edit1 "$seeds/dictionary.dct" "$seeds/own.dct"
seed fuzz_langfile "$seeds/LANG.CRP"
seed fuzz_verbs data/VERB0*.TXT
seed fuzz_highscores "$seeds/Quick03.HGH"
seed fuzz_settings "$seeds/VOKABRIX.INI"
seed fuzz_tsv_dictionary data/dictionary.tsv data/own.tsv
seed fuzz_tsv_language data/lang.tsv
seed fuzz_wordlists "$seeds/own.kvtml" "$seeds/own.txt"
# KDE's word lists, where Debian's kdeedu-kvtml-data is installed.
for f in /usr/share/apps/kvtml/de/animals.kvtml /usr/share/apps/kvtml/es/gente.kvtml; do
    if [ -f "$f" ]; then seed fuzz_wordlists "$f"; fi
done

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
    echo "== $t: ${seconds}s"
    # Inputs are kept to 8 KB: a longer seed is read up to there, which keeps every run
    # fast; the store limits beyond that size have their own tests.
    if "$out/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=1 -max_len=8192 \
           -print_final_stats=1 -artifact_prefix="$out/findings/$t-" "$corpus/$t" \
           >"$out/logs/$t.log" 2>&1; then
        grep -E '^(stat::number_of_executed_units|Done )' "$out/logs/$t.log" | tail -n 2 || true
    else
        echo "$t FAILED; see $out/logs/$t.log and $out/findings/" >&2
        grep -E 'ERROR|SUMMARY|property broken|runtime error' "$out/logs/$t.log" | head -n 5 >&2 || true
        failed+=("$t")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in: ${failed[*]}" >&2
    exit 1
fi
echo "No findings."
