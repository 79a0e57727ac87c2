#!/bin/sh
# The Windows kombinator-cli.exe, run under Wine, must print byte for byte what the Linux build
# prints for the same coupon and options: standard output, standard error and exit status.
#   compare-cli.sh LINUX_CLI WINDOWS_CLI_EXE
set -eu
linux=$1
windows=$2
here=$(cd "$(dirname "$0")" && pwd)
sample="$here/../../resources/varkonix.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all
# Both speak the language of the C locale, Hungarian, unless a case asks for English.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

# A coupon of three tips, in the code page the sample is written in, and the whole sample.
head -n 9 "$sample" >"$work/coupon.txt"
cp "$sample" "$work/varkonix.txt"

failed=0
run_case() {
    coupon=$1
    shift
    "$linux" "$@" "$work/$coupon" >"$work/linux.out" 2>"$work/linux.err" && status=0 || status=$?
    echo "$status" >"$work/linux.status"
    wine "$windows" "$@" "$(winepath -w "$work/$coupon")" >"$work/windows.out" 2>"$work/windows.err" &&
        status=0 || status=$?
    echo "$status" >"$work/windows.status"
    for part in out err status; do
        if ! cmp -s "$work/linux.$part" "$work/windows.$part"; then
            echo "DIFFERS ($part): kombinator-cli $* $coupon"
            diff "$work/linux.$part" "$work/windows.$part" | head -n 20 || true
            failed=1
            return
        fi
    done
    echo "same: kombinator-cli $* $coupon ($(wc -l <"$work/linux.out") lines)"
}

run_case coupon.txt --system trixie
run_case coupon.txt --system "Lucky 15"
run_case varkonix.txt --system 3 --table --stake 2,50
run_case varkonix.txt --bank 1 --system 2 --won 2,3,4
run_case varkonix.txt --system 4 --void 2,F1 --bank 1
run_case varkonix.txt --system Goliath
run_case varkonix.txt --key no-such-key.txt
run_case varkonix.txt --lang en --system 3 --table --half-won 2 --dead-heat 3:2
run_case coupon.txt --lang en --system "Lucky 15"
exit "$failed"
