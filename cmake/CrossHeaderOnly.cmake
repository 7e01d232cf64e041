# In a cross build, CLI11 and nlohmann-json (header-only) come from the build machine's
# packages, whose include folder (/usr/include) holds that machine's C library too: on the
# compiler's command line it would stand before the target's own headers. So each library
# is given a folder of its own that holds only its headers.
function(kvf_isolate_headers target subfolder)
  get_target_property(folders ${target} INTERFACE_INCLUDE_DIRECTORIES)
  foreach(folder IN LISTS folders)
    if(EXISTS ${folder}/${subfolder})
      set(isolated ${PROJECT_BINARY_DIR}/host-headers/${subfolder})
      file(MAKE_DIRECTORY ${isolated})
      file(CREATE_LINK ${folder}/${subfolder} ${isolated}/${subfolder} SYMBOLIC)
      set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${isolated})
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${target}: no folder ${subfolder} in ${folders}")
endfunction()
kvf_isolate_headers(CLI11::CLI11 CLI)
kvf_isolate_headers(nlohmann_json::nlohmann_json nlohmann)
