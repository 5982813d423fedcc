# nlohmann/json for the WebAssembly build. The library is header-only, but its Debian package's
# own config names /usr/include, and the host's C library headers there must not enter a build
# for another machine. This config offers the library's own folder alone, through a link.
if(NOT TARGET nlohmann_json::nlohmann_json)
  set(_sauramiti_json_root "${CMAKE_BINARY_DIR}/nlohmann_json_include")
  if(NOT EXISTS "${_sauramiti_json_root}/nlohmann/json.hpp")
    file(MAKE_DIRECTORY "${_sauramiti_json_root}")
    file(CREATE_LINK /usr/include/nlohmann "${_sauramiti_json_root}/nlohmann" SYMBOLIC)
  endif()
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${_sauramiti_json_root}")
endif()
set(nlohmann_json_FOUND TRUE)
