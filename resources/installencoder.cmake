# Runs at install time: links the encoder beside the installed program. The
# link is relative when the encoder lies under the same prefix (the packaged
# /usr/bin/ffmpeg), so it holds wherever the tree is staged; absolute
# otherwise.
set(dir "${CMAKE_INSTALL_PREFIX}/${QC_INSTALL_PROGRAM_DIR}")
set(target "${QC_FFMPEG}")
string(FIND "${QC_FFMPEG}" "${CMAKE_INSTALL_PREFIX}/" at)
if(at EQUAL 0)
    file(RELATIVE_PATH target "${dir}" "${QC_FFMPEG}")
endif()
set(link "$ENV{DESTDIR}${dir}/wmaspi.dll")
message(STATUS "Installing: ${link} -> ${target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${dir}")
file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
