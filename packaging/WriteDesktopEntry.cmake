# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the menu entry for the prefix being installed to. Its paths may hold
# blanks, quotes, "$", "%" or "\": the launcher in Exec is quoted and escaped
# as the Desktop Entry format asks (a quoted argument escapes " ` $ \ with
# "\", a literal "%" is "%%", and the value itself escapes "\" once more);
# TryExec and Path are plain strings, where only "\" is escaped.
#
# Input: KUYU_DESKTOP_TEMPLATE, KUYU_DESKTOP_OUTPUT, KUYU_BINARY, KUYU_OPEN,
# KUYU_SAMPLE_DIR.

function(kuyu_desktop_string out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(kuyu_desktop_exec_argument out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\"" "\\\"" value "${value}")
  string(REPLACE "`" "\\`" value "${value}")
  string(REPLACE "$" "\\$" value "${value}")
  string(REPLACE "%" "%%" value "${value}")
  kuyu_desktop_string(value "\"${value}\"")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

kuyu_desktop_exec_argument(KUYU_OPEN_EXEC "${KUYU_OPEN}")
kuyu_desktop_string(KUYU_BINARY_VALUE "${KUYU_BINARY}")
kuyu_desktop_string(KUYU_SAMPLE_DIR_VALUE "${KUYU_SAMPLE_DIR}")
configure_file("${KUYU_DESKTOP_TEMPLATE}" "${KUYU_DESKTOP_OUTPUT}" @ONLY)
