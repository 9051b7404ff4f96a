# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian changelog is the one list of released versions and their dates:
# the metainfo's <releases> and the manual page's date are taken from it, and
# its newest entry must be the version of project().

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# "Sun, 06 Dec 2026 12:00:00 +0000" -> "2026-12-06"
function(zoret_iso_date rfc2822 out)
    if(NOT rfc2822 MATCHES "^[A-Z][a-z][a-z], +([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "changelog: unreadable date '${rfc2822}'")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month LESS 0)
        message(FATAL_ERROR "changelog: unknown month in '${rfc2822}'")
    endif()
    math(EXPR month "${month} + 1")
    foreach(part IN ITEMS day month)
        string(LENGTH "${${part}}" length)
        if(length EQUAL 1)
            set(${part} "0${${part}}")
        endif()
    endforeach()
    set(${out} "${year}-${month}-${day}" PARENT_SCOPE)
endfunction()

# Sets ZORET_RELEASES (the <release> elements, newest first) and
# ZORET_RELEASE_DATE (the date of the newest).
function(zoret_read_changelog changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(STRINGS ${changelog} lines REGEX "^(zoret \\(| -- )")
    set(versions "")
    set(dates "")
    set(releases "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^zoret \\(([^)]+)\\)")
            list(APPEND versions ${CMAKE_MATCH_1})
        elseif(line MATCHES "^ -- [^<]+<[^>]+>  (.+)$")
            zoret_iso_date("${CMAKE_MATCH_1}" date)
            list(APPEND dates ${date})
        endif()
    endforeach()
    list(LENGTH versions version_count)
    list(LENGTH dates date_count)
    if(version_count EQUAL 0 OR NOT version_count EQUAL date_count)
        message(FATAL_ERROR "changelog: ${version_count} entries but ${date_count} dated trailer lines")
    endif()
    list(GET versions 0 newest)
    if(NOT newest STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "changelog: the newest entry is ${newest}, project() says ${PROJECT_VERSION}")
    endif()
    foreach(version date IN ZIP_LISTS versions dates)
        list(APPEND releases "    <release version=\"${version}\" date=\"${date}\"/>")
    endforeach()
    list(JOIN releases "\n" releases)
    list(GET dates 0 newest_date)
    set(ZORET_RELEASES "${releases}" PARENT_SCOPE)
    set(ZORET_RELEASE_DATE ${newest_date} PARENT_SCOPE)
endfunction()
