# Writes a manual page with help2man from a program's --help and --version, with the extra
# sections of an include file. For a program with subcommands, a COMMANDS section gets one
# subsection per subcommand, made by help2man from that subcommand's own --help, so the page
# follows the options as they are added.
#
# cmake -DHELP2MAN=path -DPROGRAM=path -DINCLUDE=file.h2m -DOUTPUT=page.1 [-DSUBCOMMANDS=ON]
#       -P TarvelManPage.cmake
foreach(required HELP2MAN PROGRAM INCLUDE OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "TarvelManPage.cmake needs -D${required}=...")
  endif()
endforeach()

# One subcommand's page, made by help2man from its --help: from SYNOPSIS on it becomes a
# subsection, its section headings plain paragraphs.
function(subcommand_section name out)
  execute_process(
    COMMAND ${HELP2MAN} --no-info --version-string=0 "--help-option=${name} --help" ${PROGRAM}
    OUTPUT_VARIABLE page RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man could not read '${PROGRAM} ${name} --help'")
  endif()
  string(REGEX REPLACE "^.*\n\\.SH SYNOPSIS\n" ".SS \"${name}\"\n" page "${page}")
  string(REPLACE "\n.SH DESCRIPTION\n" "\n.PP\n" page "${page}")
  string(REPLACE "\n.SH OPTIONS\n" "\n.PP\n\\fIOptions:\\fR\n" page "${page}")
  string(REGEX REPLACE "\n\\.SS \"([^\n]*)\"\n" "\n.PP\n\\\\fI\\1\\\\fR\n" page "${page}")
  set(${out} "${page}" PARENT_SCOPE)
endfunction()

file(READ ${INCLUDE} include_text)
if(SUBCOMMANDS)
  execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "'${PROGRAM} --help' failed")
  endif()
  # CLI11 lists the subcommands under "Subcommands:", one a line, each name first.
  string(REGEX REPLACE "^.*\nSubcommands:\n" "" listed "${help}")
  string(REGEX REPLACE "\n\n.*$" "" listed "${listed}")
  string(REGEX MATCHALL "(^|\n)  [a-z][a-z0-9-]*" names "${listed}")
  # First in the include file, so the commands follow the options.
  set(commands "[COMMANDS]\n")
  foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    subcommand_section(${name} section)
    string(APPEND commands "${section}")
  endforeach()
  string(PREPEND include_text "${commands}\n")
endif()

set(include_file ${OUTPUT}.h2m)
file(WRITE ${include_file} "${include_text}")
execute_process(COMMAND ${HELP2MAN} --no-info --include=${include_file} --output=${OUTPUT}
                        ${PROGRAM}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man could not write ${OUTPUT}")
endif()
