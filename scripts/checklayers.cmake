# Fails when a lower layer includes a higher one. The layers read top to
# bottom: ui and cli (the two programs) -> engine -> settings -> platform, so
# the engine includes neither program, the settings never include the engine,
# and the platform layer includes none of them.
#   cmake -DSRC=<source>/src -P checklayers.cmake
set(forbidden_engine ui preview app cli)
set(forbidden_settings engine ui preview app cli)
set(forbidden_platform engine settings ui preview app cli)
set(failures 0)
foreach(layer engine settings platform)
    file(GLOB files ${SRC}/${layer}/*.h ${SRC}/${layer}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${includes})
            foreach(higher ${forbidden_${layer}})
                if(line MATCHES "\"${higher}/")
                    message(NOTICE "${file}: ${line}")
                    math(EXPR failures "${failures} + 1")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} include(s) against the layers")
endif()
message(STATUS "layers: 0 includes against the layers")
