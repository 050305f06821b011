# Writes the manual page PAGE for the language of the catalog source PO: the English page
# with its short description (the NAME line) in that language, taken from the translation
# of the metainfo's summary, which says the same.
file(READ ${PAGE} page)
file(READ ${PO} po)
string(REGEX MATCH "\nmsgid \"Keyboard game for toddlers, with the keyboard locked\"\nmsgstr \"([^\"]+)\""
  found "${po}")
if(NOT found)
  message(FATAL_ERROR "${PO} does not translate the short description")
endif()
string(REPLACE "-" "\\-" summary "${CMAKE_MATCH_1}")
set(heading "\n.SH NAME\n")
string(FIND "${page}" "${heading}" at)
string(LENGTH "${heading}" length)
math(EXPR start "${at} + ${length}")
string(SUBSTRING "${page}" 0 ${start} before)
string(SUBSTRING "${page}" ${start} -1 after)
string(FIND "${after}" "\n" end)
string(SUBSTRING "${after}" ${end} -1 after)
file(WRITE ${OUT} "'\\\" -*- coding: UTF-8 -*-\n${before}plinkapad \\- ${summary}${after}")
