include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Every layer registers itself in a global list; the Qt widget library joins it when Qt is built.
get_property(library_targets GLOBAL PROPERTY SAURAMITI_LIBRARY_TARGETS)
list(APPEND library_targets sauramiti)
# Installed targets carry the same names as in the build: sauramiti_control is sauramiti::control.
foreach(target ${library_targets})
  string(REGEX REPLACE "^sauramiti_" "" export_name ${target})
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${export_name})
endforeach()
install(TARGETS ${library_targets} EXPORT sauramiti-targets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sauramiti/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/sauramiti
        FILES_MATCHING PATTERN "*.hpp")
set(package_dependencies "include(CMakeFindDependencyMacro)\nfind_dependency(nlohmann_json)\n")
if(TARGET sauramiti_qt)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/qt/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/qt
          FILES_MATCHING PATTERN "*.hpp" PATTERN "demo" EXCLUDE)
  string(APPEND package_dependencies "find_dependency(Qt6 COMPONENTS Widgets)\n")
endif()
install(EXPORT sauramiti-targets NAMESPACE sauramiti:: FILE sauramiti-targets.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/sauramiti)
file(WRITE ${PROJECT_BINARY_DIR}/sauramiti-config.cmake.in
     "@PACKAGE_INIT@\n${package_dependencies}include(\"\${CMAKE_CURRENT_LIST_DIR}/sauramiti-targets.cmake\")\n")
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

# The documents, beside each other as in the source tree, so that their links hold: README,
# changelog and licence, the guides and their pictures, and the examples the README runs.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
              ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.txt" PATTERN "*.json" PATTERN "*.cpp"
        PATTERN "CMakeLists.txt" EXCLUDE)
