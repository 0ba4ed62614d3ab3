# Runs at install time: writes the desktop entry with the program's installed
# path, so the menu entry works whether or not the prefix's bin is on PATH.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(READ "${QC_DESKTOP_TEMPLATE}" entry)
string(REPLACE "Exec=quivercast" "Exec=${CMAKE_INSTALL_PREFIX}/bin/quivercast" entry "${entry}")
string(REPLACE "TryExec=quivercast" "TryExec=${CMAKE_INSTALL_PREFIX}/bin/quivercast" entry "${entry}")
file(MAKE_DIRECTORY "${root}/share/applications")
file(WRITE "${root}/share/applications/quivercast.desktop" "${entry}")
message(STATUS "Installing: ${root}/share/applications/quivercast.desktop")
