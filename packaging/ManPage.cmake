# Writes the manual page of kinetra in one language from the program's own --help, so that the
# page and the help never tell different things. Run with cmake -P:
#   -DPROGRAM=<kinetra> -DLANG=<code> -DVERSION=<x.y> -DOUTPUT=<kinetra.1.gz>
execute_process(
  COMMAND ${PROGRAM} --lang ${LANG} --help
  OUTPUT_VARIABLE help
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "kinetra --lang ${LANG} --help failed (${status})")
endif()

# Text as roff reads it: backslashes escaped, dashes as the minus of options, no line taken
# for a request.
function(roff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The first line of `text` and what follows it, blank lines after it left out.
function(first_line line rest text)
  string(FIND "${text}" "\n" end)
  if(end EQUAL -1)
    set(${line} "${text}" PARENT_SCOPE)
    set(${rest} "" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${text}" 0 ${end} first)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${text}" ${end} -1 after)
  string(REGEX REPLACE "^\n+" "" after "${after}")
  set(${line} "${first}" PARENT_SCOPE)
  set(${rest} "${after}" PARENT_SCOPE)
endfunction()

# The help: a usage line ("Usage: kinetra [options]"), a blank line, the program's one-line
# description, then the options and exercises.
first_line(usage rest "${help}")
first_line(description rest "${rest}")
string(REGEX REPLACE "^.*kinetra ?" "" synopsis "${usage}")
# The description names the program first ("KINETRA – ..."); the page's name line says the rest.
string(REGEX REPLACE "^KINETRA *(–|-|—) *" "" whatis "${description}")
string(REGEX REPLACE "[.]$" "" whatis "${whatis}")
string(REGEX REPLACE "\n+$" "" rest "${rest}")

roff_text(synopsis "${synopsis}")
roff_text(description "${description}")
roff_text(whatis "${whatis}")
roff_text(rest "${rest}")

set(page ".TH KINETRA 1 \"\" \"kinetra ${VERSION}\" \"KINETRA\"
.SH NAME
kinetra \\- ${whatis}
.SH SYNOPSIS
.B kinetra
${synopsis}
.SH DESCRIPTION
${description}
.PP
.nf
${rest}
.fi
")
get_filename_component(dir ${OUTPUT} DIRECTORY)
get_filename_component(name ${OUTPUT} NAME_WLE)
file(WRITE ${dir}/${name} "${page}")
# Debian keeps manual pages compressed at the highest level, without a time stamp.
execute_process(COMMAND gzip -9nf ${dir}/${name} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${dir}/${name}")
endif()
