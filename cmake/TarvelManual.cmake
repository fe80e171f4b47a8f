# Turns the Markdown manual into one HTML page: cmark renders the body, the template gives it
# a head and a style, and each section heading gets the anchor the contents link to.
# Usage: cmake -DCMARK=... -DINPUT=manual.md -DTEMPLATE=manual.html.in -DOUTPUT=index.html -P
execute_process(COMMAND ${CMARK} --smart --validate-utf8 ${INPUT}
                OUTPUT_VARIABLE MANUAL_BODY RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmark could not convert ${INPUT}")
endif()

# Anchors as the contents write them: lower case, every run of other characters one hyphen.
string(REGEX MATCHALL "<h2>[^<]*</h2>" headings "${MANUAL_BODY}")
foreach(heading IN LISTS headings)
  string(REGEX REPLACE "</?h2>" "" text "${heading}")
  string(TOLOWER "${text}" anchor)
  string(REGEX REPLACE "[^a-z0-9]+" "-" anchor "${anchor}")
  string(REGEX REPLACE "^-|-$" "" anchor "${anchor}")
  string(REPLACE "${heading}" "<h2 id=\"${anchor}\">${text}</h2>" MANUAL_BODY "${MANUAL_BODY}")
endforeach()

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
