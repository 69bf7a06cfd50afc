# orvane_expose_headers(TARGET FOLDER)
# Gives TARGET, and whatever links it, the headers of FOLDER (relative to the project) as
# "FOLDER/Header.h" and nothing else of the tree: each target's include root in the build
# folder holds one link to its own source folder, so an include of a layer the target does
# not link fails the build.
function(orvane_expose_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
