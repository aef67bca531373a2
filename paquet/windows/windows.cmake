# The Windows packages, both from the same install tree:
#   ZazUvureVorn-<version>-win64.zip   the program to unpack and start, with its README and LICENSE;
#   ZazUvureVorn-<version>-setup.exe   an installer for the current user, needing no administrator:
#                                      Start-menu entry, uninstaller, .vorn files opened by the program.
# Notepad opens .txt, not .md.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ZazUvureVorn)
set(CPACK_PACKAGE_VENDOR "Équipe ZazUvureVorn")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ZazUvureVorn)
set(CPACK_PACKAGE_FILE_NAME ZazUvureVorn-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The installer's own script (per-user, French) and its file name.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/icone/ZazUvureVorn.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-projet.cmake)
include(CPack)
