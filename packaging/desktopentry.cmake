# Run by `cmake --install` (and by CPack): writes the desktop entry with Path= the installed
# demo folder under the prefix of this install, then installs it like any other file.
if(IS_ABSOLUTE "${VENDRAL_DATADIR}")
    set(datadir "${VENDRAL_DATADIR}")
else()
    set(datadir "${CMAKE_INSTALL_PREFIX}/${VENDRAL_DATADIR}")
endif()
set(VENDRAL_DEMO_DIR "${datadir}/vendral/demo")
configure_file("${VENDRAL_DESKTOP_TEMPLATE}" "${VENDRAL_DESKTOP_STAGING}/${VENDRAL_APP_ID}.desktop"
               @ONLY)
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE
     FILES "${VENDRAL_DESKTOP_STAGING}/${VENDRAL_APP_ID}.desktop")
