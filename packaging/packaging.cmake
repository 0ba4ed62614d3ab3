# The Debian package, built by scripts/package.sh with CPack from a release
# build configured for the prefix /usr (installed into a staging DESTDIR):
# the program in /usr/lib/quivercast.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION share/doc/quivercast)
# A systemd user unit for quivercast-cli --watch, for the user to copy.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quivercast-watch.service
        DESTINATION share/doc/quivercast/examples)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${QC_GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
add_custom_target(quivercast_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/quivercast)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quivercast)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Larkspur Media Works")
set(CPACK_PACKAGE_CONTACT "Larkspur Media Works <support@larkspur-media.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch video converter with conversion profiles")
# The summary is the first line of the package's description; this text
# follows it, paragraphs separated by an empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quivercast converts many videos in one run. Collect source videos in a task
list, pick a conversion profile and an output folder, optionally give each
task a new name and start and end times, and start the run. The profiles'
settings are edited in grids; a preview pane plays the selected source.

quivercast-cli converts with the same profiles and settings without a
window, for scripts, servers and archives shared out among several machines.

The conversions are done by the ffmpeg command-line program.")
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.larkspur-media.example")
# The libraries the program links, found by dpkg-shlibdeps; then what it
# loads or runs without linking it: the encoder, the SVG plugins for its
# pictures, and the GStreamer plugins that decode every accepted source type
# for the preview (demuxers of MPEG programs and ASF are in bad and ugly).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, libqt6svg6, qt6-translations-l10n, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, \
gstreamer1.0-plugins-ugly, gstreamer1.0-libav")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
