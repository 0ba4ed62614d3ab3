# Fails when a translation file misses a text of the sources: each .ts of TS
# is copied aside and brought up to date by lupdate (LUPDATE) from the source
# folders DIRS; then no entry may be unfinished, and none may have vanished
# from the sources.
#   cmake -DLUPDATE=... -DTS="a.ts;b.ts" -DDIRS="src/ui;..." -DWORK=dir -P checktranslations.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failed "")
foreach(ts ${TS})
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${DIRS}
                            -ts ${WORK}/${name}
                    RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${WORK}/${name} content)
    # Entities end in ";", which would split the list below.
    string(REPLACE ";" "" content "${content}")
    string(REGEX MATCHALL "<source>[^<]*</source>[ \r\n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${content}")
    list(LENGTH open count)
    if(count GREATER 0)
        string(REGEX REPLACE "[ \r\n]*<translation[^>]*>|<source>|</source>" "" open "${open}")
        string(APPEND failed "${name}: ${count} text(s) without a translation: ${open}\n")
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "${failed}Run the target update_translations and translate them.")
endif()
