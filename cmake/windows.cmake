# The Windows build: cross-compiled on Debian with cmake/mingw-w64-x86_64.cmake against a
# static Qt (scripts/windows/construire). The result is one .exe that needs no DLL and
# carries what a Windows machine lacks: Qt's French texts and the face the screens were
# laid out with.

# libstdc++, libgcc and winpthread linked in like Qt itself: the program and every test
# program are single files.
add_link_options(-static)

if(CMAKE_CROSSCOMPILING)
  # Built on Linux: the tests run under Wine.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/windows/wine-lancer)
  # List the GoogleTest cases when the tests run, not after each link: no Wine at build time.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  # The PDF reader of the build machine, seen from Wine through its Z: drive.
  find_program(_vorn_pdftotext pdftotext REQUIRED)
  set(VORN_PDFTOTEXT "Z:${_vorn_pdftotext}" CACHE FILEPATH "pdftotext as the tests reach it")
endif()

# Files of the build machine that go into the program.
find_file(VORN_QTBASE_FR qtbase_fr.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(VORN_DEJAVU DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(VORN_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VORN_CONVERT convert REQUIRED)

set(VORN_INSTALL_BINDIR . CACHE STRING "Where the program is installed, relative to the prefix")

# The targets exist once the whole tree is read.
cmake_language(DEFER CALL vorn_windows_cibles)
function(vorn_windows_cibles)
  # A window program: no console opens beside it.
  set_target_properties(ZazUvureVorn PROPERTIES WIN32_EXECUTABLE ON)
  # Stripped by the linker, with no link time written in: the zip and the installer then carry the
  # very same file (stripping a Windows program afterwards stamps it with the time of stripping).
  target_link_options(ZazUvureVorn PRIVATE -s LINKER:--no-insert-timestamp)

  # The emblem as the .exe's icon, drawn at the sizes Explorer asks for.
  set(_dir ${CMAKE_BINARY_DIR}/icone)
  set(_pngs)
  foreach(_t IN ITEMS 16 24 32 48 64 256)
    add_custom_command(OUTPUT ${_dir}/${_t}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
      COMMAND ${VORN_RSVG_CONVERT} -w ${_t} -h ${_t} -o ${_dir}/${_t}.png ${PROJECT_SOURCE_DIR}/resources/zazuvurevorn.svg
      DEPENDS ${PROJECT_SOURCE_DIR}/resources/zazuvurevorn.svg VERBATIM)
    list(APPEND _pngs ${_dir}/${_t}.png)
  endforeach()
  add_custom_command(OUTPUT ${_dir}/ZazUvureVorn.ico COMMAND ${VORN_CONVERT} ${_pngs} ${_dir}/ZazUvureVorn.ico
    DEPENDS ${_pngs} VERBATIM)
  configure_file(${PROJECT_SOURCE_DIR}/paquet/windows/ZazUvureVorn.rc.in ${_dir}/ZazUvureVorn.rc @ONLY)
  set_source_files_properties(${_dir}/ZazUvureVorn.rc PROPERTIES OBJECT_DEPENDS ${_dir}/ZazUvureVorn.ico)
  target_sources(ZazUvureVorn PRIVATE ${_dir}/ZazUvureVorn.rc)
  # The program's target lives in app/: the icon's commands, written here, need a target of their own.
  add_custom_target(vorn_icone_windows DEPENDS ${_dir}/ZazUvureVorn.ico)
  add_dependencies(ZazUvureVorn vorn_icone_windows)

  # The tests run offscreen, a platform a static Qt links only when asked.
  if(BUILD_TESTING)
    get_property(_cibles DIRECTORY ${PROJECT_SOURCE_DIR}/tests PROPERTY BUILDSYSTEM_TARGETS)
    foreach(_c IN LISTS _cibles)
      get_target_property(_type ${_c} TYPE)
      if(_type STREQUAL "EXECUTABLE")
        qt_import_plugins(${_c} INCLUDE Qt6::QOffscreenIntegrationPlugin)
      endif()
    endforeach()
  endif()

  # Built into the application library, so that the tests see what the program sees.
  set_source_files_properties(${VORN_QTBASE_FR} PROPERTIES QT_RESOURCE_ALIAS qtbase_fr.qm)
  qt_add_resources(vorn_app vorn_traductions PREFIX /traductions FILES ${VORN_QTBASE_FR})
  qt_add_resources(vorn_app vorn_polices PREFIX /polices BASE ${VORN_DEJAVU}
                   FILES ${VORN_DEJAVU}/DejaVuSans.ttf ${VORN_DEJAVU}/DejaVuSans-Bold.ttf)
endfunction()
