# Each library shows its users its own folder and nothing else. The folder is
# reached through an include root of its own in the build tree, which holds
# only a link to it: includes keep their "folder/file.h" form, and a library
# that does not link another cannot include that one's headers.
function(vadelon_public_folder target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  set(link ${root}/${folder})
  get_filename_component(link_parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${link_parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
