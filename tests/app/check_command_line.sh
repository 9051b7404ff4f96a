#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the built program with argument lists it must answer without opening a
# window, with no display at all (no DISPLAY, WAYLAND_DISPLAY or
# QT_QPA_PLATFORM), and checks the exit code and what appears on standard
# output and standard error.
# usage: check_command_line.sh ZORET_BINARY VERSION
set -uo pipefail

binary=$1
version=$2
usage_line="Использование: zoret [параметры]"
failures=0
err_file=$(mktemp)

# name | arguments | exit code | text standard output starts with | text in standard error ('-': empty)
rows=(
    "help|--help|0|$usage_line|-"
    "help_short|-h|0|$usage_line|-"
    "version|--version|0|zoret $version|-"
    "version_short|-v|0|zoret $version|-"
    "help_after_qt_options|-platform offscreen -style=fusion -reverse --help|0|$usage_line|-"
    "version_after_double_dash_qt_option|--stylesheet none.qss --version|0|zoret $version|-"
    "unknown_option|--bogus|2||неизвестный параметр «--bogus»"
    "unknown_single_dash_option|-x|2||неизвестный параметр «-x»"
    "unknown_option_with_help|--help --bogus|2||$usage_line"
    "positional_argument|list.txt|2||лишний аргумент «list.txt»"
    "argument_after_end_of_options|-- --help|2||лишний аргумент «--help»"
    "qt_option_missing_value|-platform|2||ошибка в параметрах"
    "value_given_to_flag|--version=2|2||ошибка в параметрах"
)

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" "$@"; }

for row in "${rows[@]}"; do
    IFS='|' read -r name arguments expected_code expected_out expected_err <<<"$row"
    read -r -a argv <<<"$arguments"
    out=$(run "${argv[@]}" 2>"$err_file")
    code=$?
    err=$(cat "$err_file")
    problems=()
    [ "$code" = "$expected_code" ] || problems+=("exit code $code, expected $expected_code")
    if [ -z "$expected_out" ]; then
        [ -z "$out" ] || problems+=("unexpected standard output")
    else
        [[ "$out" == "$expected_out"* ]] || problems+=("standard output does not start with '$expected_out'")
    fi
    if [ "$expected_err" = - ]; then
        [ -z "$err" ] || problems+=("unexpected standard error")
    else
        [[ "$err" == *"$expected_err"* ]] || problems+=("standard error lacks '$expected_err'")
        [[ "$err" == *"$usage_line"* ]] || problems+=("standard error lacks the usage")
    fi
    if [ ${#problems[@]} -ne 0 ]; then
        failures=$((failures + 1))
        printf 'FAIL %s (%s): %s\n--- stdout:\n%s\n--- stderr:\n%s\n' "$name" "$arguments" \
            "$(IFS=';'; echo "${problems[*]}")" "$out" "$err"
    fi
done
rm -f /tmp/zoret-cli-err.$$

# The version is the whole first line, not a prefix of it.
[ "$(run --version)" = "zoret $version" ] || { echo "FAIL: --version prints '$(run --version)'"; failures=$((failures + 1)); }

# Qt's own options still reach Qt: -platform alone makes the window start
# without a display; it ends itself after its first paint.
status=0
ZORET_EXIT_AFTER_FIRST_PAINT=1 timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$binary" -platform offscreen -style fusion >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: 'zoret -platform offscreen -style fusion' ended with $status"; failures=$((failures + 1)); }

echo "${#rows[@]} argument lists, $failures failure(s)"
[ "$failures" -eq 0 ]
