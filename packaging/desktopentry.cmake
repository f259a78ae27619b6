# Run by `cmake --install` (and by CPack): writes the desktop entry with Path= the installed
# demo folder under the prefix of this install, then installs it like any other file.
if(IS_ABSOLUTE "${VENDRAL_DATADIR}")
    set(datadir "${VENDRAL_DATADIR}")
else()
    set(datadir "${CMAKE_INSTALL_PREFIX}/${VENDRAL_DATADIR}")
endif()
set(VENDRAL_DEMO_DIR "${datadir}/vendral/demo")
# A folder of its own for each destination: a package and a plain install may run at once.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(staged "${VENDRAL_DESKTOP_STAGING}/${destination}/${VENDRAL_APP_ID}.desktop")
configure_file("${VENDRAL_DESKTOP_TEMPLATE}" "${staged}" @ONLY)
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE FILES "${staged}")
