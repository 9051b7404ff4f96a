#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# usage: check_command_line.sh ZORET_BINARY VERSION — argument lists answered with no display at all: the exit code,
# the start of standard output and a text of standard error ('-': empty; an error also shows the usage); then the
# journal's export and import.
set -uo pipefail
usage="Использование: zoret [параметры]"
failures=0
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" "${@:2}"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
# name | arguments | exit code | standard output starts with | standard error holds
while IFS='|' read -r name arguments code out err; do
    read -r -a argv <<<"$arguments"
    got_out=$(run "$1" "${argv[@]}" 2>/tmp/zoret-cli-err.$$)
    got_code=$? got_err=$(cat /tmp/zoret-cli-err.$$)
    [ "$got_code" = "$code" ] || fail "$name: exit code $got_code"
    [[ "$got_out" == "$out"* && ( -n "$out" || -z "$got_out" ) ]] || fail "$name: standard output '$got_out'"
    if [ "$err" = - ]; then [ -z "$got_err" ] || fail "$name: standard error '$got_err'"
    else [[ "$got_err" == *"$err"* && "$got_err" == *"$usage"* ]] || fail "$name: standard error '$got_err'"; fi
done <<ROWS
help|--help|0|$usage|-
help_short|-h|0|$usage|-
version|--version|0|zoret $2|-
version_short|-v|0|zoret $2|-
help_after_qt_options|-platform offscreen -style=fusion -reverse --help|0|$usage|-
version_after_double_dash_qt_option|--stylesheet none.qss --version|0|zoret $2|-
unknown_option|--bogus|2||неизвестный параметр «--bogus»
unknown_single_dash_option|-x|2||неизвестный параметр «-x»
unknown_option_with_help|--help --bogus|2||$usage
positional_argument|list.txt|2||лишний аргумент «list.txt»
argument_after_end_of_options|-- --help|2||лишний аргумент «--help»
qt_option_missing_value|-platform|2||ошибка в параметрах: Отсутствует значение после «-platform».
value_given_to_flag|--version=2|2||ошибка в параметрах: Неожиданное значение после «--version».
journal_file_missing|--export-journal|2||ошибка в параметрах: Отсутствует значение после «--export-journal».
ROWS
rm -f /tmp/zoret-cli-err.$$
# The version is the whole line; Qt's own options reach Qt: the window starts and ends after its first paint.
[ "$(run "$1" --version)" = "zoret $2" ] || fail "--version prints more"
ZORET_EXIT_AFTER_FIRST_PAINT=1 timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$1" -platform offscreen -style fusion >/dev/null 2>&1 || fail "-platform offscreen -style fusion"
# No display and no platform asked for: one Russian sentence and status 1, not Qt's abort.
no_display=$(timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1 >/dev/null)
code=$?
[ "$code" = 1 ] && [ "$no_display" = "Для работы Zoret нужен графический сеанс; без него программу запускает QT_QPA_PLATFORM=offscreen." ] \
    || fail "without a display: exit code $code, '$no_display'"

# The journal without a display, in a data folder of its own: an empty journal exports its header and an empty
# movements file; a file of two bets as an earlier version wrote it (a quoted note with a line break, a system) and a
# movement beside it are imported, then again, all passed over, and exported; a file that does not open fails with
# the reason; a second journal command at once is refused.
data=$(mktemp -d)
journal() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$data" "$1" "${@:2}" 2>"$data/err"; }
header=$'\xEF\xBB\xBFДата;Букмекер;Заметка;Вид;Система;Сумма;Режим суммы'
events=$';Коэффициент 1;Результат 1;Банкер 1;Описание 1;Коэффициент 2;Результат 2;Банкер 2;Описание 2'
events+=$';Коэффициент 3;Результат 3;Банкер 3;Описание 3'
printf '%s\r\n' "$header$events" \
    $'2026-12-01 09:00:00;Лига;"две\r\nстроки; и ""кавычки""";single;0;100,50;per-line;1,85;won;0;П1;;;;;;;;' \
    '2026-12-07 10:15:30;Фонбет;;system;2;10;whole-bet;2,1;open;0;;1,5;lost;0;;3;void;0;' >"$data/good.csv"
printf '%s\r\n' $'\xEF\xBB\xBFДата;Букмекер;Движение;Сумма;Заметка' '2026-11-30 20:00:00;Лига;Пополнение;1000;' \
    >"$data/good.movements.csv"
out=$(journal "$1" --export-journal "$data/empty.csv")
[ $? = 0 ] && [ "$out" = "Ставок выгружено из журнала в $data/empty.csv: 0, движений средств в $data/empty.movements.csv: 0" ] \
    && [ ! -s "$data/err" ] && [[ "$(cat "$data/empty.csv")" == "$header;"* ]] && [ -s "$data/empty.movements.csv" ] \
    || fail "export of an empty journal: '$out' '$(cat "$data/err")'"
imported="Импорт из $data/good.csv. Добавлено ставок"
out=$(journal "$1" --import-journal "$data/good.csv")
[ $? = 0 ] && [ "$out" = "$imported: 2, пропущено уже бывших в журнале: 0; добавлено движений средств: 1, пропущено уже бывших в журнале: 0" ] \
    || fail "import: '$out' '$(cat "$data/err")'"
out=$(journal "$1" --import-journal "$data/good.csv")
[ $? = 0 ] && [ "$out" = "$imported: 0, пропущено уже бывших в журнале: 2; добавлено движений средств: 0, пропущено уже бывших в журнале: 1" ] \
    || fail "import again: '$out' '$(cat "$data/err")'"
out=$(journal "$1" -platform offscreen --export-journal "$data/again.csv")
[ $? = 0 ] && [ "$out" = "Ставок выгружено из журнала в $data/again.csv: 2, движений средств в $data/again.movements.csv: 1" ] \
    || fail "export of the imported journal: '$out' '$(cat "$data/err")'"
out=$(journal "$1" --import-journal "$data/missing.csv")
[ $? = 1 ] && [ -z "$out" ] && grep -qx "Файл $data/missing.csv не открывается: файла нет" "$data/err" \
    || fail "import of a missing file: '$(cat "$data/err")'"
out=$(journal "$1" --export-journal "$data/no-folder/out.csv")
[ $? = 1 ] && grep -qx "Файл $data/no-folder/out.csv не записан: папки $data/no-folder нет" "$data/err" \
    || fail "export into a missing folder: '$(cat "$data/err")'"
out=$(journal "$1" --import-journal "$data")
[ $? = 1 ] && grep -qx "Файл $data не открывается: это папка" "$data/err" \
    || fail "import of a folder: '$(cat "$data/err")'"
out=$(journal "$1" --export-journal "$data/a.csv" --import-journal "$data/good.csv")
[ $? = 2 ] && grep -q "одним файлом" "$data/err" && [ ! -e "$data/a.csv" ] || fail "two journal commands: '$(cat "$data/err")'"
rm -rf "$data"

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
