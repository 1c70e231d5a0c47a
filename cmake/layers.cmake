# The layers: a folder's code may include its own folder's files and those of the folders whose
# libraries its targets link, directly or through other libraries, and nothing else. The link
# libraries are the one statement of the allowed graph: once every target is defined, each
# folder's allowed folders are written to layers.txt in the build folder, and the target "layers",
# part of every build, runs scripts/check_layers.sh over the #include lines against them.

# The folders of a target's libraries, itself included, read from its link libraries.
function(ropecalc_linked_folders target out)
  set(folders ${${out}})
  get_target_property(dir ${target} SOURCE_DIR)
  file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR} ${dir})
  list(APPEND folders ${dir})
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(libraries ${target} ${property})
    foreach(library IN LISTS libraries)
      # A static library's own libraries are named as $<LINK_ONLY:library>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
      if(TARGET "${library}")
        get_target_property(imported ${library} IMPORTED)
        # "visited" holds the libraries on the way here, so that a cycle of libraries ends.
        if(NOT imported AND NOT "${library}" IN_LIST visited)
          list(APPEND visited ${library})
          ropecalc_linked_folders(${library} folders)
        endif()
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(${out} ${folders} PARENT_SCOPE)
endfunction()

function(ropecalc_collect_layers directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${directory})
  foreach(target IN LISTS targets)
    if(folder)
      set(visited ${target})
      ropecalc_linked_folders(${target} allowed_${folder})
      set_property(GLOBAL APPEND PROPERTY ROPECALC_LAYER_FOLDERS ${folder})
      set_property(GLOBAL APPEND PROPERTY ROPECALC_LAYER_${folder} ${allowed_${folder}})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    ropecalc_collect_layers(${subdirectory})
  endforeach()
endfunction()

function(ropecalc_write_layers)
  ropecalc_collect_layers(${PROJECT_SOURCE_DIR})
  get_property(folders GLOBAL PROPERTY ROPECALC_LAYER_FOLDERS)
  list(REMOVE_DUPLICATES folders)
  list(SORT folders)
  set(rules "")
  foreach(folder IN LISTS folders)
    get_property(allowed GLOBAL PROPERTY ROPECALC_LAYER_${folder})
    list(REMOVE_DUPLICATES allowed)
    list(SORT allowed)
    list(JOIN allowed " " allowed)
    string(APPEND rules "${folder} ${allowed}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/layers.txt CONTENT "${rules}")
  add_custom_target(layers ALL
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check_layers.sh ${PROJECT_BINARY_DIR}/layers.txt
    COMMENT "Checking that every folder includes only the folders of the libraries it links"
    VERBATIM)
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL ropecalc_write_layers)
