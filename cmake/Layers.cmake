# The layers of the tree and what each may use, for the checks of the
# includes (tests/layering/CheckIncludes.cmake) and of the headers each
# object opened (CheckOpenedHeaders.cmake).

# The layer of a file, by its path from the root: windows/<folder>,
# thermo/internal (the calculation layer's internal headers), or the top
# folder.
macro(layer_of rel out)
  set(${out} "")
  if("${rel}" MATCHES "^(windows/[^/]+|thermo/internal|[^/]+)/")
    set(${out} "${CMAKE_MATCH_1}")
  endif()
endmacro()

# The layers a file of `layer` may include, as a pattern. Dependencies run
# app -> windows -> ui, catalogue and thermo -> eos; a window folder uses no
# sibling's headers but those of windows/statepoint; thermo's own headers
# include none of the equation's, and its internal headers serve its own
# sources alone.
function(allowed_of rel layer out)
  set(allowed "")
  if(layer STREQUAL "eos")
    set(allowed "eos")
  elseif(layer STREQUAL "thermo" AND rel MATCHES "\\.h$")
    set(allowed "thermo")
  elseif(layer MATCHES "^thermo")
    set(allowed "thermo|thermo/internal|eos")
  elseif(layer STREQUAL "ui")
    set(allowed "ui")
  elseif(layer STREQUAL "catalogue")
    set(allowed "catalogue|ui")
  elseif(layer MATCHES "^windows/")
    set(allowed "${layer}|windows/statepoint|thermo|ui|catalogue")
  elseif(layer STREQUAL "app")
    set(allowed "app|windows/[^/]+|thermo|ui|catalogue")
  endif()
  set(${out} "${allowed}" PARENT_SCOPE)
endfunction()

# The rule of a pattern of allowed_of, as a reader says it.
function(rule_of layer allowed out)
  string(REPLACE "|" ", " folders "${allowed}")
  string(REPLACE "[^/]+" "*" folders "${folders}")
  set(${out} "${layer} may use only ${folders}" PARENT_SCOPE)
endfunction()

# The one use of the equation above the calculation layer: the shell
# installs the equation's background hook and creates its saturation arrays.
# "<includer> -> <included>": it holds for that file's own include only, not
# for what the headers it includes open.
set(exceptions "app/Shell.cpp -> eos/Globals.h")

# tarvo_layer_manifest(<file>): writes <file> at generation, for
# CheckOpenedHeaders.cmake: the source and build trees, the generator and its
# build tool, every target of the build that has a layer (its property
# TARVO_LAYER, the folder whose rules its objects keep) with its source folder
# and object files, and every library or executable defined under a layer's
# folder whose layer is not that folder's. The build exports the compile
# commands of the layers' objects, which the check runs again to see who
# opened what. Called from any folder, it waits for the end of the top
# folder, when every target is known.
function(tarvo_layer_manifest file)
  if(NOT CMAKE_CURRENT_SOURCE_DIR STREQUAL CMAKE_SOURCE_DIR)
    # A deferred call reads its arguments when it runs: give it the name now.
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]]
      CALL tarvo_layer_manifest [[${file}]])")
    return()
  endif()
  string(CONCAT text
    "set(source_root [==[${CMAKE_SOURCE_DIR}]==])\n"
    "set(build_root [==[${CMAKE_BINARY_DIR}]==])\n"
    "set(generator [==[${CMAKE_GENERATOR}]==])\n"
    "set(make_program [==[${CMAKE_MAKE_PROGRAM}]==])\n"
    "set(compiler_id [==[${CMAKE_CXX_COMPILER_ID}]==])\n")
  set(folders ${CMAKE_SOURCE_DIR})
  while(folders)
    list(POP_FRONT folders folder)
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${subfolders})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${folder})
    string(APPEND rel /)
    layer_of("${rel}" folder_layer)
    allowed_of("${rel}" "${folder_layer}" folder_rule)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_property(layer TARGET ${target} PROPERTY TARVO_LAYER)
      get_property(type TARGET ${target} PROPERTY TYPE)
      # A library or a program of a layer's folder compiles under its rules,
      # or not at all. An interface library compiles nothing of its own.
      if(folder_rule AND type MATCHES "LIBRARY$|^EXECUTABLE$"
          AND NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT layer STREQUAL folder_layer)
        string(APPEND text "list(APPEND unlayered [==[${target} (${type} of ${rel}): layer \"${layer}\"]==])\n")
      endif()
      if(layer)
        set_property(TARGET ${target} PROPERTY EXPORT_COMPILE_COMMANDS ON)
        string(APPEND text "list(APPEND targets ${target})\n"
          "set(layer_${target} ${layer})\n"
          "set(source_dir_${target} [==[${folder}]==])\n"
          "set(objects_${target} [==[$<TARGET_OBJECTS:${target}>]==])\n")
      endif()
    endforeach()
  endwhile()
  file(GENERATE OUTPUT ${file} CONTENT "${text}")
endfunction()
