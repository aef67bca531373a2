# Read by cpack for each generator: the installer is named for what it does.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "ZazUvureVorn-${CPACK_PACKAGE_VERSION}-setup")
endif()
