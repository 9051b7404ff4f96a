# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The shipped (Release) program is built the way Debian builds its packages,
# which lintian's hardening checks verify on the .deb: checked buffer
# functions, stack protector, a position-independent executable and
# read-only relocations resolved at start-up (full RELRO).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(release "$<CONFIG:Release>")
# -U first: some compilers already define _FORTIFY_SOURCE with another level.
add_compile_options("$<${release}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
add_link_options("$<${release}:LINKER:-z,relro,-z,now>")
