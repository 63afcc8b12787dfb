# cmake -DROOT=<source tree> -P CheckIncludes.cmake
#
# The include paths of the build keep the dependencies one way only for an
# include spelled from the repository root: a quoted include is looked up
# first in the including file's own folder, so "../../eos/Globals.h" from a
# window reaches the equation all the same. This check resolves every
# include of the layers' sources and headers as the compiler does (a quoted
# one against the including file's folder, then against the root, which the
# build's include folders mirror; one in angle brackets against the root)
# and names each that lands in a folder its layer may not use, with file and
# line. Includes that land outside the tree (the standard library, Qt) are
# not the layering's business. It reads include lines spelled out in .h and
# .cpp files only; what an object opened by any other way is judged by
# cmake/CheckOpenedHeaders.cmake, while this check also holds the files that no
# object opens, and the calculation layer's headers to none of the equation's.
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "CheckIncludes: give the source tree as -DROOT=<folder>")
endif()
cmake_path(SET root NORMALIZE "${ROOT}/")

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/Layers.cmake)

file(GLOB_RECURSE files RELATIVE "${root}"
  "${root}eos/*.h" "${root}eos/*.cpp"
  "${root}thermo/*.h" "${root}thermo/*.cpp"
  "${root}ui/*.h" "${root}ui/*.cpp"
  "${root}catalogue/*.h" "${root}catalogue/*.cpp"
  "${root}app/*.h" "${root}app/*.cpp"
  "${root}windows/*.h" "${root}windows/*.cpp")

set(breaks 0)
foreach(rel IN LISTS files)
  layer_of("${rel}" layer)
  allowed_of("${rel}" "${layer}" allowed)
  get_filename_component(folder "${root}${rel}" DIRECTORY)
  file(READ "${root}${rel}" text)
  set(text "\n${text}")
  set(line 0)
  while(text MATCHES "\n[ \t]*#[ \t]*include[ \t]*([\"<])([^\">\n]*)[\">]")
    set(whole "${CMAKE_MATCH_0}")
    set(name "${CMAKE_MATCH_2}")
    # Where the compiler looks for it, in turn.
    set(candidates "${root}${name}")
    if(CMAKE_MATCH_1 STREQUAL "\"")
      list(PREPEND candidates "${folder}/${name}")
    endif()
    # Its line (the line breaks up to it), and the text after it.
    string(FIND "${text}" "${whole}" at)
    string(SUBSTRING "${text}" 0 ${at} before)
    string(REGEX MATCHALL "\n" breaksBefore "${before}\n")
    list(LENGTH breaksBefore count)
    math(EXPR line "${line} + ${count}")
    string(LENGTH "${before}${whole}" rest)
    string(SUBSTRING "${text}" ${rest} -1 text)

    set(landed "")
    foreach(candidate IN LISTS candidates)
      cmake_path(NORMAL_PATH candidate)
      if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
        file(RELATIVE_PATH landed "${root}" "${candidate}")
        break()
      endif()
    endforeach()
    if(landed STREQUAL "" OR landed MATCHES "^\\.\\./")
      continue()  # not found, or outside the tree
    endif()
    layer_of("${landed}" reached)
    if(NOT reached MATCHES "^(${allowed})$" AND NOT "${rel} -> ${landed}" IN_LIST exceptions)
      string(REGEX REPLACE "^\n[ \t]*#[ \t]*include[ \t]*" "" spelled "${whole}")
      message(NOTICE "${rel}:${line}: #include ${spelled} lands in ${landed}, "
        "which ${rel} may not include")
      math(EXPR breaks "${breaks} + 1")
    endif()
  endwhile()
endforeach()

list(LENGTH files checked)
if(breaks GREATER 0)
  message(FATAL_ERROR "Includes that break the layering: ${breaks}")
endif()
message(STATUS "the includes of ${checked} files keep the layering")
