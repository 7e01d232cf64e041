# Makes the Debian package's changelog from CHANGELOG.md: one entry per released version,
# newest first, its items as "  * text". The latest release must be the
# version being packaged, so a version raised without its changelog section fails the build.
# A "### Section" becomes a line "  Section:" above its items, "  * text" each.
#   cmake -DCHANGELOG=... -DOUTPUT=... -DPACKAGE=... -DVERSION=... -DMAINTAINER=... -P this

# RFC 5322 date of a day at midnight UTC, as the Debian changelog wants it.
function(debian_date year month day out)
  # Sakamoto's method: the weekday of a Gregorian date, 0 = Sunday.
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(days Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET days ${weekday} weekday_name)
  list(GET months ${index} month_name)
  math(EXPR day_number "${day} + 0")
  set(${out} "${weekday_name}, ${day_number} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

file(STRINGS "${CHANGELOG}" lines ENCODING UTF-8)
set(text "")
set(entry_open FALSE)
set(latest "")
set(trailer "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## \\[([0-9][^]]*)\\] - ([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    set(version "${CMAKE_MATCH_1}")
    debian_date(${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} date)
    string(APPEND text "${trailer}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
    set(trailer "\n -- ${MAINTAINER}  ${date}\n\n")
    set(entry_open TRUE)
    if(NOT latest)
      set(latest "${version}")
    endif()
  elseif(line MATCHES "^## ")
    set(entry_open FALSE) # Unreleased: not in the package's changelog
  elseif(entry_open AND line MATCHES "^### (.+)$")
    string(APPEND text "  ${CMAKE_MATCH_1}:\n")
  elseif(entry_open AND line MATCHES "^- (.+)$")
    string(APPEND text "  * ${CMAKE_MATCH_1}\n")
  elseif(entry_open AND line MATCHES "^  (.+)$")
    string(APPEND text "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(APPEND text "${trailer}")
if(NOT latest STREQUAL VERSION)
  message(FATAL_ERROR "${CHANGELOG}: the latest release is '${latest}', not the version "
                      "'${VERSION}' being built; add its section")
endif()
string(REGEX REPLACE "\n\n$" "\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
