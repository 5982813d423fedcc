# The target `docs`: the API reference, made by Doxygen from the public headers, README.md and
# docs/qt-widget.md. It is not part of the default build and no test needs it.
find_package(Doxygen QUIET)
set(SAURAMITI_API_REFERENCE_DIR ${PROJECT_BINARY_DIR}/api-reference)
if(DOXYGEN_FOUND)
  configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SAURAMITI_API_REFERENCE_DIR}
    COMMAND ${DOXYGEN_EXECUTABLE} ${PROJECT_BINARY_DIR}/Doxyfile
    COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${SAURAMITI_API_REFERENCE_DIR}/html/index.html"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Writing the API reference with Doxygen"
    VERBATIM)
else()
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E echo "The API reference needs Doxygen: apt-get install doxygen"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
