# Writes the Debian changelog TARGET from the project's CHANGELOG SOURCE
# (cmake -DSOURCE=... -DTARGET=... -DMAINTAINER=... -P this). CHANGELOG holds one section per
# version, newest first:
#   ## 2.10.01 (2026-12-07)
#   - A change, in one or more lines;
#     further lines of it are indented.
# Each section becomes an entry "kelvo (2.10.01) unstable; urgency=medium" with its changes as
# "  * " items and a trailer line with the maintainer and the date at noon UTC.
file(STRINGS "${SOURCE}" lines ENCODING UTF-8)
set(out "")
set(open_entry "")

macro(close_entry)
  if(open_entry)
    string(APPEND out "\n -- ${MAINTAINER}  ${entry_date}\n")
    set(open_entry "")
  endif()
endmacro()

foreach(line IN LISTS lines)
  if(line MATCHES "^## +([0-9][0-9A-Za-z.+~]*) +\\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)")
    set(version "${CMAKE_MATCH_1}")
    set(day "${CMAKE_MATCH_2}")
    close_entry()
    execute_process(COMMAND date -u -R -d "${day} 12:00:00 UTC" OUTPUT_VARIABLE entry_date
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "CHANGELOG: not a date: ${day}")
    endif()
    if(out)
      string(APPEND out "\n")
    endif()
    string(APPEND out "kelvo (${version}) unstable; urgency=medium\n\n")
    set(open_entry 1)
  elseif(open_entry AND line MATCHES "^- +(.*)$")
    string(APPEND out "  * ${CMAKE_MATCH_1}\n")
  elseif(open_entry AND line MATCHES "^  +(.*)$")
    string(APPEND out "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
close_entry()
if(NOT out)
  message(FATAL_ERROR "CHANGELOG: no section like \"## 2.10.01 (2026-12-07)\"")
endif()
file(WRITE "${TARGET}" "${out}")
