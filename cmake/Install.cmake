# Layout of the program folder (the install prefix). Everything sits beside the
# executable so the folder can be copied whole, e.g. to a USB stick.
set(CMAKE_INSTALL_RPATH "")
install(TARGETS lumivista RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/assets/Avviso.mp3 DESTINATION . OPTIONAL)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/templates/ DESTINATION templates OPTIONAL)
# Tells the package's launcher which version a user's copy of the program is.
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")
install(FILES ${CMAKE_BINARY_DIR}/version.txt DESTINATION . RENAME .version)
if(TARGET lumivista_guide)
  install(FILES ${CMAKE_BINARY_DIR}/docs/Guida.pdf DESTINATION .)
endif()
# User data is never overwritten by a re-install: archives and Lumivista.ini are
# not installed at all, and the initial credentials (the scrambled first-access
# password) become unins000.dll only where none exists, so a changed password survives.
install(CODE "
  set(_dest \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/unins000.dll\")
  if(NOT EXISTS \"\${_dest}\")
    file(COPY_FILE \"${CMAKE_SOURCE_DIR}/assets/initial-credentials.ini\" \"\${_dest}\")
  endif()")
