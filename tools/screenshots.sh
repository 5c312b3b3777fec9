#!/bin/sh
# Screenshots of the program's windows as a player sees them on a desktop: the program starts on a fresh home
# folder (the first start's question, answered with the bundled example) under openbox at 1024×768 and at
# 1920×1080, every window is opened from the menu with the keyboard, and the whole screen is taken as PNG files
# named after the step.
#   sh tools/screenshots.sh [BUILD [FOLDER]]      (default: build, BUILD/screenshots)
set -e
cd "$(dirname "$0")/.."

if [ "$1" = --session ]; then
    vemo=$2
    out=$3
    mkdir -p "$out"
    home=$(mktemp -d)
    mkdir -m 700 "$home/run"
    HOME=$home XDG_CONFIG_HOME= XDG_DATA_HOME= XDG_RUNTIME_DIR=$home/run LANG=ja_JP.UTF-8 "$vemo" &
    program=$!
    trap 'kill $program 2>/dev/null || true; rm -rf "$home"' EXIT
    step=0
    # Waits for the window to settle, then takes the screen as NN-name.png.
    shot() {
        sleep "${2:-1}"
        step=$((step + 1))
        import -window root "$out/$(printf %02d $step)-$1.png"
    }
    keys() {
        for key in "$@"; do
            xdotool key --clearmodifiers "$key"
            sleep 0.3
        done
    }

    shot first-start 2
    keys alt+m
    shot opening 1.5
    sleep 4
    shot main
    keys alt+d && shot data-menu 0.5 && keys Escape Escape
    keys alt+d i && shot registrant-offer && keys Escape && shot data-entry && keys Escape
    keys alt+d y && shot registrants && keys Escape
    keys alt+d u && shot undo-question && keys Escape
    keys alt+d o && shot csv-export && keys Escape
    keys alt+d r && shot csv-import && keys Escape
    keys alt+d w && shot update-browser-question && keys Escape
    keys alt+g p && shot pattern-graph
    keys alt+g n && shot appearance-numbers
    keys alt+g q && shot history-graph
    keys alt+g t && shot hit-count-offer && keys Escape && shot hit-count
    keys alt+s && shot latest-pattern && keys ctrl+Tab && shot latest-pattern-next-tab && keys Escape
    keys alt+c && shot number-card && keys Escape
    keys alt+k r && shot random-god && keys Escape
    keys alt+k Down Down Down Return && shot random-god-colour && keys Escape
    keys alt+k Down Down Down Down Return && shot random-god-number && keys Escape
    keys alt+k m && shot data-god-settings && keys Escape
    keys alt+k b && shot backtest 3 && keys Escape
    keys alt+k w && shot wheel 2 && keys Escape
    keys alt+k m Return && shot data-god-results 10
    keys alt+k b && shot backtest-over-results 3 && keys Escape
    keys alt+f b v && shot browser-file-dialog && keys Escape
    keys alt+l && shot last-draw-menu 0.5 && keys Escape Escape
    keys alt+h h && shot help 2 && keys Escape
    keys alt+h a && shot version && keys Escape
    exit 0
fi

build=${1:-build}
out=${2:-$build/screenshots}
for tool in import xdotool; do
    command -v $tool >/dev/null || { echo "$0: $tool is missing (sh tools/setup-debian.sh installs it)" >&2; exit 2; }
done
for size in 1024x768 1920x1080; do
    rm -rf "$out/$size"
    sh tools/under-window-manager.sh $size sh tools/screenshots.sh --session "$build/bin/vemo" "$out/$size"
    echo "$out/$size: $(ls "$out/$size" | wc -l) screenshots"
done
