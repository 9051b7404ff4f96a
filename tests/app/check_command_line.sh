#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# usage: check_command_line.sh ZORET_BINARY VERSION — argument lists answered with no display at all: the exit code,
# the start of standard output and a text of standard error ('-': empty; an error also shows the usage).
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
qt_option_missing_value|-platform|2||ошибка в параметрах
value_given_to_flag|--version=2|2||ошибка в параметрах
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
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
