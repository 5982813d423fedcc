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
# Public headers only. A header is private when nothing outside its own layer's sources includes
# it: the parts of one control instance, and the JSON conversions that would pull the JSON
# library's header into every user of the document layer.
set(private_headers control/instance_parts.hpp document/variant_json.hpp)
set(header_excludes "")
foreach(header ${private_headers})
  list(APPEND header_excludes PATTERN ${header} EXCLUDE)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sauramiti/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/sauramiti
        FILES_MATCHING PATTERN "*.hpp" ${header_excludes})
set(package_dependencies "include(CMakeFindDependencyMacro)\nfind_dependency(nlohmann_json)\n")
if(TARGET sauramiti_qt)
  # The Qt headers live in qt/ of the source tree and include each other as <qt/...>; installed,
  # they go under sauramiti/qt/ (a program writes <sauramiti/qt/sauramiti_widget.hpp>), and the
  # Qt target adds include/sauramiti to its include path so that their own <qt/...> lines hold.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/qt/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/sauramiti/qt
          FILES_MATCHING PATTERN "*.hpp" PATTERN "demo" EXCLUDE)
  string(APPEND package_dependencies "find_dependency(Qt6 COMPONENTS Widgets)\n")
endif()
install(EXPORT sauramiti-targets NAMESPACE sauramiti:: FILE sauramiti-targets.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/sauramiti)
# The build tree is a package too: find_package(sauramiti) with sauramiti_DIR set to the build
# folder uses the libraries where they were built, with the source tree's headers.
export(EXPORT sauramiti-targets NAMESPACE sauramiti:: FILE ${PROJECT_BINARY_DIR}/sauramiti-targets.cmake)
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

# pkg-config: the prefix is found from the .pc file's own place (${pcfiledir}), so the installed
# tree can move. Libs lists every static library of the model, users before what they use
# (the layers register inward first, so the reversed list is a valid link order).
file(RELATIVE_PATH pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
set(pc_libs "")
foreach(target ${library_targets})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY" AND NOT target STREQUAL "sauramiti_qt")
    list(PREPEND pc_libs "-l${target}")
  endif()
endforeach()
list(JOIN pc_libs " " SAURAMITI_PC_LIBS)
set(SAURAMITI_PC_PREFIX "\${pcfiledir}/${pc_to_prefix}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/sauramiti.pc.in ${PROJECT_BINARY_DIR}/sauramiti.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/sauramiti.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The documents, beside each other as in the source tree, so that their links hold: README,
# changelog and licence, the guides and their pictures, and the examples the README runs.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
              ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.svg")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.txt" PATTERN "*.json" PATTERN "*.cpp"
        PATTERN "CMakeLists.txt" EXCLUDE)
