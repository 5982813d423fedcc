include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS ${SAURAMITI_LIBRARY_TARGETS} EXPORT sauramiti-targets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sauramiti/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/sauramiti
        FILES_MATCHING PATTERN "*.hpp")
install(EXPORT sauramiti-targets NAMESPACE sauramiti:: FILE sauramiti-targets.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/sauramiti)
file(WRITE ${PROJECT_BINARY_DIR}/sauramiti-config.cmake.in
     "@PACKAGE_INIT@\ninclude(\"\${CMAKE_CURRENT_LIST_DIR}/sauramiti-targets.cmake\")\n")
configure_package_config_file(${PROJECT_BINARY_DIR}/sauramiti-config.cmake.in
                              ${PROJECT_BINARY_DIR}/sauramiti-config.cmake
                              INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/sauramiti)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/sauramiti-config-version.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/sauramiti-config.cmake
              ${PROJECT_BINARY_DIR}/sauramiti-config-version.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/sauramiti)
configure_file(${PROJECT_SOURCE_DIR}/cmake/sauramiti.pc.in ${PROJECT_BINARY_DIR}/sauramiti.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/sauramiti.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
