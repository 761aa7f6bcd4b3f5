# Writes the header that holds the shipped verbs' frames as rows of an SQL VALUES list, from the
# verb table's file (a header line "verb<TAB>frame", then one verb a line).
#   cmake -DINPUT=data/tables/verb.tsv -DOUTPUT=ShippedVerbFrames.h -P ShippedVerbFrames.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
list(POP_FRONT lines header)
if(NOT header STREQUAL "verb\tframe")
    message(FATAL_ERROR "${INPUT}: the header is not verb<TAB>frame")
endif()
set(rows "")
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([^\t\"\\\\]+)\t(object|none|both)$")
        message(FATAL_ERROR "${INPUT}: '${line}' is no verb and frame")
    endif()
    string(REPLACE "'" "''" verb "${CMAKE_MATCH_1}")
    if(rows)
        string(APPEND rows ",\" \\\n    ")
    endif()
    string(APPEND rows "\"('${verb}','${CMAKE_MATCH_2}')")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by the build from data/tables/verb.tsv: the shipped verbs with their frames.
#pragma once
#define SHIPPED_VERB_FRAMES \\
    ${rows}\"
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
