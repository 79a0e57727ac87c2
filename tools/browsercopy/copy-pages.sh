#!/bin/bash
# Copies every coupon page of a folder the way a user does: the page opens in a real browser,
# Ctrl+A selects it, Ctrl+C copies it, and the clipboard's text is saved beside the page as
# PAGE.chromium.txt and PAGE.firefox.txt, exactly as the browser gave it.
#
#   tools/browsercopy/copy-pages.sh [PAGE.html...]   (default: every page in tests/offer/browser)
#   BROWSERS=firefox tools/browsercopy/copy-pages.sh ...   (default: chromium firefox)
#
# Needs Debian's chromium, firefox-esr, xvfb, xdotool and xclip. Runs on its own X display, so
# it neither needs nor disturbs a desktop.
set -euo pipefail

if [ $# -eq 0 ]; then set -- "$(dirname "$0")"/../../tests/offer/browser/*.html; fi
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1

# Firefox without its first-run pages, update checks and reports.
mkdir -p "$work/firefox"
cat >"$work/firefox/user.js" <<'PREFS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("app.update.enabled", false);
user_pref("browser.tabs.warnOnClose", false);
PREFS

start_browser() {  # browser page
    case $1 in
    chromium)
        chromium --no-sandbox --user-data-dir="$work/chromium" --no-first-run --disable-gpu \
            --window-position=0,0 --window-size=1200,900 "file://$2" >/dev/null 2>&1 &
        ;;
    firefox)
        firefox-esr --no-remote --profile "$work/firefox" --width 1200 --height 900 \
            "file://$2" >/dev/null 2>&1 &
        ;;
    esac
    pid=$!
}

copy_page() {  # browser page
    local class=$1 page=$2 out=${2%.html}.$1.txt window=""
    [ "$class" = chromium ] || class=firefox
    printf '' | xclip -i -selection clipboard
    start_browser "$1" "$page"
    for _ in $(seq 60); do
        window=$(xdotool search --onlyvisible --class "$class" 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 1
    done
    [ -n "$window" ] || { echo "$1 showed no window for $page" >&2; return 1; }
    sleep "$settle"  # the page is laid out and the browser ready for keys
    # A click on the empty page gives it the focus; then select all and copy.
    xdotool mousemove 1150 850 click 1
    sleep 0.5
    xdotool key --clearmodifiers ctrl+a
    sleep 0.5
    xdotool key --clearmodifiers ctrl+c
    sleep 1
    xclip -o -selection clipboard -t UTF8_STRING >"$out"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    sleep 1
    [ -s "$out" ] || { echo "$1 copied nothing from $page" >&2; return 1; }
    echo "$out"
}

# A browser that has just started sometimes swallows the first keys: try again, waiting longer.
for browser in ${BROWSERS:-chromium firefox}; do
    for page in "$@"; do
        page=$(realpath "$page")
        for settle in 4 8 15; do
            copy_page "$browser" "$page" && break
            [ "$settle" = 15 ] && exit 1
        done
    done
done
