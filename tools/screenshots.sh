#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of the windows under a private Xvfb server, for the
# documentation: docs/screenshots/main.png, settlement.png, fork.png,
# help.png, fork-calculator.png, fair-odds.png, line-fork.png, odds-formats.png, match-model.png, journal.png (a journal of
# 400 bets the generator of bench/ writes into a data folder of the script's own) and movements.png (its deposits and
# withdrawals).
# The child windows are opened by clicking their buttons on the main window
# (a button's centre is its twip rectangle divided by 15, below the main
# window's menu bar) or from its menu by the keyboard. Each child is moved
# to the corner of the screen before it is taken: on this Xvfb a capture of
# the root window shows a child window that lies over its parent as black,
# although the window itself is painted (xwd -id shows it whole).
# Needs xvfb, xdotool, x11-apps (xwd), x11-utils (xdpyinfo) and imagemagick.
# usage: tools/screenshots.sh [zoret binary]
set -euo pipefail
export LC_ALL=C.UTF-8

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/docs/screenshots"
build="${ZORET_SCREENSHOT_BUILD_DIR:-$root/build-rel}"
binary="${1:-}"
if [ -z "$binary" ]; then
    cmake -S "$root" --preset release -B "$build" >/dev/null
    cmake --build "$build" -j "${ZORET_JOBS:-2}" --target zoret >/dev/null
    binary="$build/app/zoret"
fi
generator="${ZORET_JOURNAL_GENERATOR:-$build/bench/journal_generator}"
if [ ! -x "$generator" ]; then
    cmake -S "$root" --preset release -B "$build" -DZORET_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j "${ZORET_JOBS:-2}" --target journal_generator >/dev/null
fi
# The pictures never show, nor change, the user's own journal and settings.
data=$(mktemp -d)
export XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$data"
"$generator" 400 >/dev/null
# The stand-in some machines put first in PATH is not ImageMagick.
convert=/usr/bin/convert
for tool in Xvfb xdotool xwd xdpyinfo "$convert"; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done

display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

# Waits for a visible window that is not in $1 and prints its id.
new_window() {
    local before=$1 id
    for _ in $(seq 100); do
        id=$(comm -13 <(echo "$before") <(visible_windows) | tail -n 1)
        if [ -n "$id" ]; then
            sleep 0.5 # let it paint
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no new window appeared" >&2
    return 1
}

blank=()
shoot() { # window id, output file
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xwd -root -silent | "$convert" xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "png:$2"
    echo "$(basename "$2"): ${WIDTH}x${HEIGHT}, title: $(xdotool getwindowname "$1")"
    # A picture of one colour is a window that never painted.
    if [ "$("$convert" "$2" -format '%[fx:standard_deviation==0]' info:)" = 1 ]; then
        blank+=("$(basename "$2")")
    fi
}

to_corner() { xdotool windowmove "$1" 0 0; sleep 0.5; }

# Clicks the centre of a button given in twips, inside a window; in the main
# window the client area starts below the menu bar.
menu_bar=0
click_button() { # window id, left, top, width, height (twips)
    local below=0
    [ "$1" = "$main" ] && below=$menu_bar
    xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15 + below)) click 1
}

mkdir -p "$out"
before=$(visible_windows)
log=$(mktemp)
"$binary" >"$log" 2>&1 &
pids+=($!)
main=$(new_window "$before") || { echo "zoret showed no window; its output:" >&2; cat "$log" >&2; exit 1; }
rm -f "$log"
# The client area is 4560 twips high; the rest is the menu bar.
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 4560 / 15))

# A short session, so the pictures show the windows at work: four odds, the
# accumulator, a system of 2 out of 4 and the win of a stake on it.
type_in() { xdotool type --delay 20 "$1"; }
for odd in 1.85 2.10 1.50 3.00; do
    type_in "$odd"
    xdotool key Return
done
click_button "$main" 4440 480 1215 375   # Экспресс
click_button "$main" 2520 480 1215 315   # the system sizes
sleep 0.3
xdotool key Return                       # size 2: the open list starts on it
click_button "$main" 4440 1440 1215 375  # Система
click_button "$main" 7800 1440 615 375   # the arrow: coefficient to the stake panel
click_button "$main" 2640 2400 1815 255  # Размер выигрыша
click_button "$main" 3840 3480 2775 300  # the stake
type_in 100
click_button "$main" 7200 3960 855 315   # =
sleep 0.5
shoot "$main" "$out/main.png"

before=$(visible_windows)
click_button "$main" 120 2520 1215 375 # Расчёт...
settlement=$(new_window "$before")
to_corner "$settlement"
# The same four events as a system of 2 out of 4 at 100 a line: the first
# won, the third lost, the others still open; the first two named.
click_button "$settlement" 1440 2280 3120 315  # the bet
sleep 0.3
xdotool key Down Return                        # Система 4/2
click_button "$settlement" 1440 2670 3120 285  # the sum
type_in 100
name_event() { # row from 0, what was bet on
    click_button "$settlement" 1485 $((480 + 450 * $1)) 3000 450
    type_in "$2"
}
name_event 0 "Спартак – ЦСКА, П1"
name_event 1 "Зенит – Локомотив, ТБ 2,5"
pick_result() { # row from 0, how many items down from "Ожидается"
    click_button "$settlement" 4485 $((480 + 450 * $1)) 2250 450
    sleep 0.3
    for _ in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
}
pick_result 0 1                                # Выигрыш
pick_result 2 2                                # Проигрыш
sleep 0.5
shoot "$settlement" "$out/settlement.png"
click_button "$settlement" 8280 6240 1200 375  # ОК
sleep 0.5

before=$(visible_windows)
click_button "$main" 120 3120 1215 375 # Вилка...
fork=$(new_window "$before")
to_corner "$fork"
# Three outcomes at 2.5, 4.2 and 6; the margin; 300 split with outcome 1
# centred.
click_button "$fork" 1680 2160 975 315   # Размер вилки
sleep 0.3
xdotool key Down Return                  # 3
for box in "360 2.5" "720 4.2" "1080 6"; do
    set -- $box
    click_button "$fork" 1680 "$1" 1215 285
    type_in "$2"
done
click_button "$fork" 3000 2040 1095 375  # Маржа
click_button "$fork" 1680 2760 975 285   # Сумма (the box)
type_in 300
xdotool mousemove --window "$fork" $(((6120 + 120 + 150) / 15)) $(((120 + 240 + 127) / 15)) click 1 # centre outcome 1
click_button "$fork" 3000 2640 1095 375  # Сумма
sleep 0.5
shoot "$fork" "$out/fork.png"
click_button "$fork" 120 2640 1095 375 # ОК
sleep 0.5

before=$(visible_windows)
click_button "$main" 120 3600 1215 375 # Помощь...
help=$(new_window "$before")
to_corner "$help"
shoot "$help" "$out/help.png"
click_button "$help" 1868 6000 1335 375 # OK
sleep 0.5

before=$(visible_windows)
xdotool windowfocus --sync "$main"
xdotool key F10 Right Cyrillic_ka # Расчёты → Калькулятор вилки..., by its mnemonic
calculator=$(new_window "$before")
to_corner "$calculator"
# Three outcomes at 2.80, 3.50 and 3.00, 500 to divide, stakes rounded to
# tens. The focus starts on the first coefficient; four steps back is the
# number of outcomes, and Tab goes on through the sum, the rounding and each
# row's coefficient, commission, stake and ticks.
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab 3 Tab
type_in 500
xdotool key Tab Down Down Down Down Down Tab Tab # rounding 10, then the first row
for odds in 2.80 3.50 3.00; do
    type_in "$odds"
    xdotool key Tab Tab Tab Tab Tab
done
sleep 0.5
shoot "$calculator" "$out/fork-calculator.png"
xdotool key Escape
sleep 0.5

before=$(visible_windows)
xdotool windowfocus --sync "$main"
xdotool key F10 Right Cyrillic_es # Расчёты → Справедливые коэффициенты..., by its mnemonic
fair=$(new_window "$before")
to_corner "$fair"
# The line 2.7 / 2.3 / 4.4 with a bank of 1000 and an own 40 % on the first
# outcome. The focus starts on the first coefficient; three steps back is
# the bank, and Tab goes on through the share, the table and each row's
# coefficient and own probability.
xdotool key shift+Tab shift+Tab shift+Tab
type_in 1000
xdotool key Tab Tab Tab
type_in 2.7
xdotool key Tab
type_in 40
xdotool key Tab
type_in 2.3
xdotool key Tab Tab
type_in 4.4
sleep 0.5
shoot "$fair" "$out/fair-odds.png"
xdotool key Escape
sleep 0.5

before=$(visible_windows)
xdotool windowfocus --sync "$main"
xdotool key F10 Right Cyrillic_ef # Расчёты → Форматы коэффициентов..., by its mnemonic
formats=$(new_window "$before")
to_corner "$formats"
# American odds of −110 with the typographic minus, as sites print them:
# the focus starts on the value, one step back is the format.
xdotool key shift+Tab Down Down
xdotool key Tab
type_in "−110"
sleep 0.5
shoot "$formats" "$out/odds-formats.png"
xdotool key Escape
sleep 0.5

before=$(visible_windows)
xdotool windowfocus --sync "$main"
xdotool key F10 Right Cyrillic_te # Расчёты → Вилка на форах и тоталах..., by its mnemonic
lines=$(new_window "$before")
to_corner "$lines"
# Ф1(-0.25) at 2.10 against Ф2(+0.25) at 2.00 on 100, expected goals 1.5
# and 1.2. The focus starts on the first market; three steps back is the
# sum, and Tab goes on through the rounding, the table and each row's
# market, line, coefficient, commission, lay, stake and fixed tick.
xdotool key shift+Tab shift+Tab shift+Tab
type_in 100
xdotool key Tab Tab Tab Down Down Down Down Down Down Tab minus # Ф1, then -0,25
type_in 0,25
xdotool key Tab
type_in 2.10
xdotool key Tab Tab Tab Tab Tab Down Down Down Down Down Down Down Tab # Ф2
type_in +0.25
xdotool key Tab
type_in 2.00
xdotool key Tab Tab Tab Tab Tab
type_in 1.5
xdotool key Tab
type_in 1.2
sleep 0.5
shoot "$lines" "$out/line-fork.png"
xdotool key Escape
sleep 0.5

before=$(visible_windows)
xdotool windowfocus --sync "$main"
xdotool key F10 Right Cyrillic_em # Расчёты → Модель матча..., by its mnemonic
model=$(new_window "$before")
to_corner "$model"
# The 1X2 2.05 / 3.50 / 3.75 and the total 2.5 at 1.95 / 1.90. The focus
# starts on П1; Tab goes on through Х, П2, the margin method, the total's
# line, ТБ and ТМ.
for odds in 2.05 3.50; do
    type_in "$odds"
    xdotool key Tab
done
type_in 3.75
xdotool key Tab Tab Tab
type_in 1.95
xdotool key Tab
type_in 1.90
sleep 0.5
shoot "$model" "$out/match-model.png"
xdotool key Escape

xdotool windowfocus --sync "$main"
xdotool key ctrl+j # Файл → Журнал ставок...
journal=$(new_window "$before")
to_corner "$journal"
sleep 0.5
shoot "$journal" "$out/journal.png"
# The focus starts on the table; with no bet selected Tab passes the
# commands that need one: Экспорт..., Импорт..., then Движения....
before=$(visible_windows)
xdotool key Tab Tab Tab space
movements=$(new_window "$before")
xdotool windowmove "$movements" 0 600 # below the journal, its parent
sleep 0.5
shoot "$movements" "$out/movements.png"
xdotool key Escape
sleep 0.5
xdotool key Escape
rm -rf "$data"

if [ ${#blank[@]} -ne 0 ]; then
    echo "unpainted (one colour): ${blank[*]}" >&2
    exit 1
fi
echo "screenshots written to ${out#"$root"/}"
