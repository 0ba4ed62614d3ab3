# Makes the pseudo-language's .ts (OUT) from a complete .ts (IN): each
# message's translation is its source text in brackets, lengthened by a third
# with "~". Usage: cmake -DIN=... -DOUT=... -P pseudo.cmake
file(READ ${IN} ts)
# CMake lists split at ";": keep the text's own ones aside.
string(REPLACE ";" "@SEMI@" ts "${ts}")
string(REPLACE "[" "@LB@" ts "${ts}")
string(REPLACE "]" "@RB@" ts "${ts}")
string(REPLACE "<message>" ";<message>" ts "${ts}")
string(REGEX REPLACE "language=\"[^\"]*\"" "language=\"en\"" ts "${ts}")
set(out "")
foreach(part IN LISTS ts)
    if(part MATCHES "^<message>")
        string(REGEX MATCH "<source>([^<]*)</source>" source_tag "${part}")
        set(source "${CMAKE_MATCH_1}")
        # The length of the text as shown (an entity counts as one letter).
        string(REGEX REPLACE "&[a-z]+;|@SEMI@|@LB@|@RB@" "x" plain "${source}")
        string(LENGTH "${plain}" length)
        math(EXPR extra "(${length} + 2) / 3")
        string(REPEAT "~" ${extra} padding)
        string(REGEX REPLACE "<translation[^>]*>[^<]*</translation>"
               "<translation>[${source}${padding}]</translation>" part "${part}")
    endif()
    string(APPEND out "${part}")
endforeach()
string(REPLACE "@SEMI@" ";" out "${out}")
string(REPLACE "@LB@" "[" out "${out}")
string(REPLACE "@RB@" "]" out "${out}")
file(WRITE ${OUT} "${out}")
