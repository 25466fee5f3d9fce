# `make package`: on Linux a Debian package of the desktop program and the tool (build/
# tessaly_VERSION_ARCH.deb), on Windows (the cross-build) a zip of the tool with its README.
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR Brightmoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calibration-kit editor for HP/Agilent vector network analyzers")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tessaly-kit-${PROJECT_VERSION}-windows-x86_64)
else()
  # The substitute instrument libraries and the TCP simulator, to try the program without an
  # instrument; private to the package, so not on the linker's path.
  set(TESSALY_PRIVATE_LIBDIR lib/tessaly)
  install(TARGETS tessaly_sim_ni tessaly_sim_sicl LIBRARY DESTINATION ${TESSALY_PRIVATE_LIBDIR})
  install(TARGETS tessaly-sim-tcp RUNTIME DESTINATION ${TESSALY_PRIVATE_LIBDIR})

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
  # Libraries come from dpkg-shlibdeps; Qt's platform plugins (the window system) are loaded at
  # run time, so no library names them.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
  set(TESSALY_PACKAGE_MAINTAINER "Brightmoor <tessaly@brightmoor.example>"
      CACHE STRING "Maintainer field of the Debian package")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSALY_PACKAGE_MAINTAINER})
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "Tessaly creates, edits, stores and transfers the calibration-kit definitions
of HP/Agilent vector network analyzers (8753/8752/8720/8719/8722, 8510 and
PNA) over GPIB (NI-488.2 or SICL library), LAN or a Prologix controller, and
reads and writes the analyzers' own disk files.

The package holds the desktop program tessaly and the command-line tool
tessaly-kit; substitute GPIB libraries with a simulated analyzer are in
/usr/${TESSALY_PRIVATE_LIBDIR}.")
endif()

include(CPack)
