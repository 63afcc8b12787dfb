# cmake -DMANIFEST=<file written by tarvo_layer_manifest> -P CheckOpenedHeaders.cmake
#
# The text of an include says what a source means to open; the compiler's
# record of the build says what it opened, however it got there: through a
# macro, a symlink, an include folder added to one target, a file of any
# extension, a source outside the layers' folders. For every object file of
# the targets that have a layer, this check reads the dependency record the
# build keeps (Ninja's log; with another generator the compiler's .d file
# beside the object), resolves every file the object opened to its real path
# and judges the folder it lands in under the source tree by the layer of the
# object's target. It names each object, file and rule that break the
# layering. Files outside the source tree (the standard library, Qt) or in
# the build tree (moc's output) are not the layering's business, nor is the
# object's own source. An object without a record fails the check: the
# check runs on a built tree.
cmake_minimum_required(VERSION 3.25)

if(NOT MANIFEST)
  message(FATAL_ERROR "CheckOpenedHeaders: give the manifest as -DMANIFEST=<file>")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
include(${MANIFEST})
file(REAL_PATH "${source_root}" source_real)
file(REAL_PATH "${build_root}" build_real)

# Each target's objects from the build root, as the records name them; and
# each object's record, as the list deps_<object>: the source first, then
# every file it opened, as the compiler spelled them.
set(objects "")
foreach(target IN LISTS targets)
  set(relative "")
  foreach(object IN LISTS objects_${target})
    file(RELATIVE_PATH object "${build_root}" "${object}")
    list(APPEND relative "${object}")
  endforeach()
  set(objects_${target} "${relative}")
  list(APPEND objects ${relative})
endforeach()
if(NOT objects)
  message(FATAL_ERROR "CheckOpenedHeaders: ${MANIFEST} lists no object of a layer")
endif()
if(generator MATCHES "Ninja")
  # Ninja keeps the records in its log, and prints each as a line
  # "<object>: #deps <n>, deps mtime <t> (VALID)" followed by one indented
  # line per file. A record older than its object (STALE) counts as none.
  execute_process(COMMAND ${make_program} -C ${build_root} -t deps ${objects}
    OUTPUT_VARIABLE records RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "CheckOpenedHeaders: ${make_program} -t deps failed")
  endif()
  string(REGEX MATCHALL "[^\n]+" lines "${records}")
  set(object "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^    (.+)$")
      if(object)
        list(APPEND deps_${object} "${CMAKE_MATCH_1}")
      endif()
    elseif(line MATCHES "^(.+): #deps [0-9]+, deps mtime [0-9]+ \\(VALID\\)$")
      set(object "${CMAKE_MATCH_1}")
      set(deps_${object} "")
    else()
      set(object "")
    endif()
  endforeach()
else()
  # The compiler's make rule "<object>: <source> <file> ...", continued over
  # lines, a space within a name escaped. The compiler ran in the folder of
  # the object's target, which a relative name is from.
  foreach(object IN LISTS objects)
    if(EXISTS "${build_root}/${object}.d")
      file(READ "${build_root}/${object}.d" rule)
      string(REPLACE "\\\n" " " rule "${rule}")
      string(REGEX REPLACE "\n.*" "" rule "${rule}")
      string(REGEX REPLACE "^[^:]*: " "" rule "${rule}")
      string(REPLACE "\\ " "<space>" rule "${rule}")
      string(REPLACE "$$" "$" rule "${rule}")
      string(REGEX MATCHALL "[^ \t]+" files "${rule}")
      list(TRANSFORM files REPLACE "<space>" " ")
      set(deps_${object} "${files}")
    endif()
  endforeach()
endif()

# land(<path>) sets `landed` to the path from the source root of <path>'s
# real path, "" for a file outside the source tree or in the build tree; a
# relative name is from `base`. Once per file.
macro(land path)
  set(key "at ${base} ${path}")
  if(NOT DEFINED "${key}")
    file(REAL_PATH "${path}" real BASE_DIRECTORY "${base}")
    file(RELATIVE_PATH landed "${source_real}" "${real}")
    string(FIND "${real}/" "${build_real}/" in_build)
    if(in_build EQUAL 0 OR landed MATCHES "^\\.\\./")
      set(landed "")
    endif()
    set("${key}" "${landed}")
  endif()
  set(landed "${${key}}")
endmacro()

set(breaks 0)
set(missing "")
foreach(target IN LISTS targets)
  set(layer ${layer_${target}})
  foreach(object IN LISTS objects_${target})
    if(NOT DEFINED deps_${object})
      list(APPEND missing "${object}")
      continue()
    endif()
    set(base "${build_root}")
    if(NOT generator MATCHES "Ninja")
      string(REGEX REPLACE "/CMakeFiles/.*" "" base "${build_root}/${object}")
    endif()
    list(POP_FRONT deps_${object} source)
    land("${source}")
    set(source "${landed}")
    allowed_of("${source}" "${layer}" allowed)
    foreach(opened IN LISTS deps_${object})
      land("${opened}")
      if(landed STREQUAL "")
        continue()
      endif()
      layer_of("${landed}" reached)
      if(NOT reached MATCHES "^(${allowed})$" AND NOT "${source} -> ${landed}" IN_LIST exceptions)
        # The name the compiler opened it by, where a link leads elsewhere.
        cmake_path(ABSOLUTE_PATH opened BASE_DIRECTORY "${base}" NORMALIZE)
        file(RELATIVE_PATH opened "${source_root}" "${opened}")
        set(as "")
        if(NOT opened STREQUAL landed)
          set(as " (as ${opened})")
        endif()
        rule_of("${layer}" "${allowed}" rule)
        message(NOTICE "${object} (${target}) opened ${landed}${as}: ${rule}")
        math(EXPR breaks "${breaks} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "No dependency record of the build for:\n  ${missing}\n"
    "(build the tree before the check)")
endif()
list(LENGTH objects checked)
if(breaks GREATER 0)
  message(FATAL_ERROR "Files opened across the layering: ${breaks}")
endif()
message(STATUS "the ${checked} objects of the layers open only what their layers may use")
