#!/bin/bash
# Copies many coupon pages the way a user does, with each browser started only once: the browser
# opens the pages one after another from its address bar (Ctrl+L, the file:// address, Return),
# and on each page a click, Ctrl+A and Ctrl+C copy it. Both flavours of the copy are saved beside
# the page exactly as the browser gave them: the clipboard's text as PAGE.chromium.txt and
# PAGE.firefox.txt, its HTML (the text/html target) as PAGE.chromium.html and PAGE.firefox.html.
#
#   tools/browsercopy/copy-pages.sh PAGE.html...   (earlier copies named *.chromium.html or
#                                                   *.firefox.html among them are passed over)
#   BROWSERS=firefox tools/browsercopy/copy-pages.sh ...   (default: chromium firefox)
#
# Each browser runs on an X display of its own, so the two copy side by side without sharing a
# clipboard. Starting a browser takes seconds; a page takes about one, which is what makes
# hundreds of pages practical. Needs Debian's chromium, firefox-esr, xvfb, xdotool and xclip.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 PAGE.html..." >&2; exit 2; }
pages=()
for page in "$@"; do
    case $page in *.chromium.html | *.firefox.html) continue ;; esac
    pages+=("$(realpath "$page")")
done
[ ${#pages[@]} -gt 0 ] || { echo "$0: no page among the files" >&2; exit 2; }
work=$(mktemp -d)
children=()
trap 'for p in "${children[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

# Firefox without its first-run pages, update checks, reports and address-bar completion (which
# could turn a typed address into another page's).
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
user_pref("browser.urlbar.autoFill", false);
user_pref("browser.urlbar.suggest.history", false);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("extensions.update.enabled", false);
PREFS

# The page's <title>, which the browser puts in its window name once the page is shown.
page_title() {
    python3 - "$1" <<'PY'
import html, re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
m = re.search(r"<title>(.*?)</title>", text, re.S | re.I)
print(" ".join(html.unescape(m.group(1)).split()) if m else "")
PY
}

# Waits until the clipboard holds something other than the empty text it was cleared to.
wait_clipboard() {  # out
    for _ in $(seq 30); do
        xclip -o -selection clipboard -t UTF8_STRING >"$1" 2>/dev/null || true
        [ -s "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

# Saves the copy's HTML flavour, the clipboard's text/html target, as the browser gave it.
# Chromium (text/html among its targets beside text/plain) gives UTF-8 with the computed style of
# each element written inline; Firefox ESR (text/html beside text/_moz_htmlcontext) gives UTF-8
# behind a <meta charset> with the page's own markup and class names. Neither adds a byte order
# mark; should one come (Firefox has written UTF-16 there), the flavour is turned into UTF-8
# without it, so that every saved flavour is UTF-8.
save_html() {  # out
    xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -qx 'text/html' || return 1
    xclip -o -selection clipboard -t text/html >"$1.raw" 2>/dev/null || return 1
    case $(head -c 3 "$1.raw" | od -An -tx1 | tr -d ' ') in
    fffe* | feff*) iconv -f UTF-16 -t UTF-8 "$1.raw" | sed '1s/^\xef\xbb\xbf//' >"$1" ;;
    efbbbf) tail -c +4 "$1.raw" >"$1" ;;
    *) cat "$1.raw" >"$1" ;;
    esac
    rm -f "$1.raw"
    [ -s "$1" ]
}

session() {  # browser
    local browser=$1 class window="" pid title out previous="$work/$1.previous" tries shown
    # Xvfb takes a display number no other server holds and writes it, so that several copy runs
    # side by side never share one.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/$browser.display" >/dev/null 2>&1 &
    local xvfb=$!
    for _ in $(seq 50); do
        [ -s "$work/$browser.display" ] && break
        sleep 0.2
    done
    export DISPLAY=:$(head -1 "$work/$browser.display")
    [ "$DISPLAY" != ":" ] || { echo "$browser: no X display" >&2; kill "$xvfb"; return 1; }
    case $browser in
    chromium)
        class=chromium
        chromium --no-sandbox --user-data-dir="$work/chromium" --no-first-run --disable-gpu \
            --disable-background-networking --disable-component-update --disable-sync \
            --window-position=0,0 --window-size=1200,900 about:blank >/dev/null 2>&1 &
        ;;
    firefox)
        class=firefox
        firefox-esr --no-remote --profile "$work/firefox" --width 1200 --height 900 \
            about:blank >/dev/null 2>&1 &
        ;;
    esac
    pid=$!
    for _ in $(seq 60); do
        window=$(xdotool search --onlyvisible --class "$class" 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 1
    done
    [ -n "$window" ] || { echo "$browser showed no window" >&2; kill "$pid" "$xvfb"; return 1; }
    sleep 5  # the freshly started browser is ready for keys
    : >"$previous"
    for page in "${pages[@]}"; do
        out=${page%.html}.$browser.txt
        title=$(page_title "$page")
        for tries in 1 2 3 4 5; do
            printf '' | xclip -i -selection clipboard
            # The pointer stays on the window, so the keys go to it without a window manager.
            xdotool mousemove 1150 850
            xdotool key --clearmodifiers ctrl+l
            sleep 0.3
            xdotool type --clearmodifiers --delay 4 "file://$page"
            xdotool key --clearmodifiers Return
            # Shown once the window bears the page's title; a page without one is given time.
            shown=0
            for _ in $(seq 100); do
                sleep 0.1
                if [ -n "$title" ] && xdotool getwindowname "$window" 2>/dev/null | grep -qF -- "$title"; then
                    shown=1
                    break
                fi
            done
            [ "$shown" = 1 ] || sleep $((tries))
            sleep $((tries > 1 ? tries : 0)).3
            # A click on the page's empty right side gives the page the focus from the address bar.
            xdotool click 1
            sleep 0.2
            xdotool key --clearmodifiers ctrl+a
            sleep 0.2
            xdotool key --clearmodifiers ctrl+c
            # An empty copy, or the previous page's, means the keys went elsewhere: visit again.
            if wait_clipboard "$out" && ! cmp -s "$out" "$previous"; then
                cp "$out" "$previous"
                save_html "${out%.txt}.html" || { echo "$browser gave no HTML for $page" >&2; return 1; }
                echo "$out"
                continue 2
            fi
        done
        echo "$browser could not copy $page" >&2
        kill "$pid" "$xvfb" 2>/dev/null || true
        return 1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}

for browser in ${BROWSERS:-chromium firefox}; do
    session "$browser" &
    children+=($!)
done
status=0
for child in "${children[@]}"; do wait "$child" || status=1; done
children=()
exit $status
