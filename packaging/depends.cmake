# Read by cpack (CPACK_PROJECT_CONFIG_FILE). The window needs Qt Svg for its chart; dpkg-shlibdeps
# names libqt6svg6 by itself only once the program links that library, so until then it is added.
if(CPACK_GENERATOR STREQUAL "DEB")
  execute_process(COMMAND readelf -d "${TORVALE_WINDOW_PROGRAM}" OUTPUT_VARIABLE dynamic
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "readelf cannot read ${TORVALE_WINDOW_PROGRAM}: build it first")
  endif()
  if(NOT dynamic MATCHES "libQt6Svg\\.so")
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6svg6")
  endif()
endif()
