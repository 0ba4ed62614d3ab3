# Fails when the engine, the settings, the platform layer or the
# command-line program waits in a nested way: a local event loop, a call
# that processes pending events, or a blocking wait for a process or a
# device. Each of these runs from the one event loop of its program, which
# only main() enters (exec).
#   cmake -DSRC=<source>/src -P checknestedwaits.cmake
set(patterns
    "QEventLoop"
    "processEvents"
    "(^|[^A-Za-z0-9_])waitFor[A-Z]"
    "BlockWithGui"
    "(^|[^A-Za-z0-9_])exec[ \t]*\\(")
set(failures 0)
foreach(layer engine settings platform cli)
    file(GLOB files ${SRC}/${layer}/*.h ${SRC}/${layer}/*.cpp)
    foreach(file ${files})
        get_filename_component(name ${file} NAME)
        file(STRINGS ${file} lines)
        foreach(line ${lines})
            foreach(pattern ${patterns})
                # The program's one event loop.
                if(name STREQUAL "main.cpp" AND pattern MATCHES "exec")
                    continue()
                endif()
                if(line MATCHES "${pattern}")
                    message(NOTICE "${file}: ${line}")
                    math(EXPR failures "${failures} + 1")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} nested wait(s)")
endif()
message(STATUS "nestedwaits: no nested waits")
