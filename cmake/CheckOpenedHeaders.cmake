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
# object's target. A record says what was opened, not by whom; so the check
# also runs each object's compile command again, preprocessing only, with
# the compiler's -H, which prints every file as it is opened at its depth in
# the include stack, and judges each file opened by a header of a layer by
# that header's own rule as well (thermo's headers use none of the equation;
# the shell's use of the equation holds for app/Shell.cpp's own include). It
# names each object, file and rule that break the layering. Files outside
# the source tree (the standard library, Qt) or in the build tree (moc's
# output) are not the layering's business, nor is the object's own source.
#
# It fails closed: an object without a record of its build fails it, and so
# does a record that is empty, that does not name the object's own source or
# that is older than the object; so does an object whose compile command
# cannot be run again, and a library or program of a layer's folder that
# does not have that folder's layer (its objects would not be judged at all).
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
  # line per file. A record older than its object (STALE) counts as none;
  # so does an empty one: a compile that writes no .d leaves Ninja a valid
  # record of nothing.
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
    elseif(line MATCHES "^(.+): #deps [0-9]+, deps mtime [0-9]+ \\((VALID|STALE)\\)$")
      set(object "${CMAKE_MATCH_1}")
      set(deps_${object} "")
      if(CMAKE_MATCH_2 STREQUAL "STALE")
        set(why_${object} "its record is older than the object")
        set(object "")
      endif()
    else()
      set(object "")
    endif()
  endforeach()
else()
  # The compiler's make rule "<object>: <source> <file> ...", continued over
  # lines, a space within a name escaped. The compiler ran in the folder of
  # the object's target, which a relative name is from. The compiler writes
  # the .d before the object, so the record is a little older than its
  # object by nature; it is one of an older compile when a file the compile
  # follows (the object's source, the compile command in build.make, the
  # flags in flags.make) was written after the record and before the object:
  # a compile that wrote no .d left the last one's behind.
  foreach(object IN LISTS objects)
    set(record "${build_root}/${object}.d")
    if(NOT EXISTS "${record}")
      continue()
    endif()
    file(READ "${record}" rule)
    string(REPLACE "\\\n" " " rule "${rule}")
    string(REGEX REPLACE "\n.*" "" rule "${rule}")
    string(REGEX REPLACE "^[^:]*: " "" rule "${rule}")
    string(REPLACE "\\ " "<space>" rule "${rule}")
    string(REPLACE "$$" "$" rule "${rule}")
    string(REGEX MATCHALL "[^ \t]+" files "${rule}")
    list(TRANSFORM files REPLACE "<space>" " ")
    set(deps_${object} "${files}")
    if(NOT files)
      continue()
    endif()
    string(REGEX REPLACE "\\.dir/.*" ".dir" target_dir "${build_root}/${object}")
    list(GET files 0 source)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${target_dir}/../..")
    foreach(input IN ITEMS "${source}" "${target_dir}/build.make" "${target_dir}/flags.make")
      if(EXISTS "${input}" AND NOT "${record}" IS_NEWER_THAN "${input}"
          AND "${build_root}/${object}" IS_NEWER_THAN "${input}")
        set(why_${object} "its .d is older than the object")
        unset(deps_${object})
        break()
      endif()
    endforeach()
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

# The compile commands the build exported, by object from the build root.
set(commands "${build_root}/compile_commands.json")
if(EXISTS "${commands}")
  file(READ "${commands}" commands)
  string(JSON count LENGTH "${commands}")
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    string(JSON entry GET "${commands}" ${index})
    string(JSON directory GET "${entry}" directory)
    string(JSON command GET "${entry}" command)
    # The object is what the command writes (-o).
    if(command MATCHES " -o ([^ ]+) ")
      set(output "${CMAKE_MATCH_1}")
      cmake_path(ABSOLUTE_PATH output BASE_DIRECTORY "${directory}" NORMALIZE)
      file(RELATIVE_PATH output "${build_root}" "${output}")
      set(command_${output} "${command}")
      set(directory_${output} "${directory}")
    endif()
  endforeach()
endif()
# The compiler reads directives only where it can: the files it opens are
# the same.
set(preprocess -E -H -o /dev/null)
if(compiler_id STREQUAL "GNU")
  list(APPEND preprocess -fdirectives-only)
endif()

# opened_by(<object> <source>) sets `edges` to "<includer>><file>" for each
# file of the source tree the object's compile opens, with "<outside>" for an
# includer outside it, and `run_failed` when the compile command cannot be
# run again. The includer of a file -H prints at depth <n> is the last one
# printed at depth <n - 1>, the object's source at depth 0. Its output to the
# object and its .d are left out: the run writes nothing.
macro(opened_by object source)
  set(edges "")
  set(run_failed TRUE)
  if(DEFINED command_${object})
    separate_arguments(arguments UNIX_COMMAND "${command_${object}}")
    set(run "")
    set(skip FALSE)
    foreach(argument IN LISTS arguments)
      if(skip)
        set(skip FALSE)
      elseif(argument MATCHES "^-(o|MF|MT|MQ)$")
        set(skip TRUE)
      elseif(NOT argument MATCHES "^-(c|MD|MMD|MP|o.+|MF.+|MT.+|MQ.+)$")
        list(APPEND run "${argument}")
      endif()
    endforeach()
    set(base "${directory_${object}}")
    execute_process(COMMAND ${run} ${preprocess} WORKING_DIRECTORY "${base}"
      OUTPUT_QUIET ERROR_VARIABLE tree RESULT_VARIABLE failed)
    if(NOT failed)
      set(run_failed FALSE)
      string(REGEX MATCHALL "(^|\n)\\.+ [^\n]+" lines "${tree}")
      set(stack "${source}")
      foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        string(REGEX MATCH "^\\.+" dots "${line}")
        string(LENGTH "${dots}" depth)
        string(SUBSTRING "${line}" ${depth} -1 path)
        string(STRIP "${path}" path)
        list(SUBLIST stack 0 ${depth} stack)
        list(GET stack -1 includer)
        land("${path}")
        if(landed)
          list(APPEND edges "${includer}>${landed}")
          list(APPEND stack "${landed}")
        else()
          list(APPEND stack "<outside>")
        endif()
      endforeach()
    endif()
  endif()
endmacro()

set(breaks 0)
set(missing "")
foreach(target IN LISTS targets)
  set(layer ${layer_${target}})
  foreach(object IN LISTS objects_${target})
    set(base "${build_root}")
    if(NOT generator MATCHES "Ninja")
      string(REGEX REPLACE "/CMakeFiles/.*" "" base "${build_root}/${object}")
    endif()
    # The source the object is named for: its path from the target's source
    # or build folder, ".." written "__", as CMake names objects.
    string(REGEX REPLACE "^(.*/)?CMakeFiles/[^/]+\\.dir/(.*)\\.[^./]+$" "\\2" own "${object}")
    # Twice: a match takes the "/" before the next "__" with it, so of
    # "__/__" one pass turns only every other one.
    string(REGEX REPLACE "(^|/)__(/|$)" "\\1..\\2" own "${own}")
    string(REGEX REPLACE "(^|/)__(/|$)" "\\1..\\2" own "${own}")
    string(REGEX REPLACE "/CMakeFiles/.*" "" object_dir "${build_root}/${object}")
    file(REAL_PATH "${own}" own_in_source BASE_DIRECTORY "${source_dir_${target}}")
    file(REAL_PATH "${own}" own_in_build BASE_DIRECTORY "${object_dir}")
    if(NOT deps_${object})
      if(NOT DEFINED why_${object})
        set(why_${object} "no record")
        if(DEFINED deps_${object})
          set(why_${object} "an empty record")
        endif()
      endif()
      list(APPEND missing "${object} (${target}): ${why_${object}}")
      continue()
    endif()
    list(POP_FRONT deps_${object} source)
    file(REAL_PATH "${source}" source_real_path BASE_DIRECTORY "${base}")
    if(NOT source_real_path STREQUAL own_in_source AND NOT source_real_path STREQUAL own_in_build)
      list(APPEND missing "${object} (${target}): a record of ${source}")
      continue()
    endif()
    land("${source}")
    set(source "${landed}")
    allowed_of("${source}" "${layer}" allowed)

    # What the record names, with the name the compiler opened it by where a
    # link leads elsewhere.
    set(opened "")
    foreach(file IN LISTS deps_${object})
      land("${file}")
      if(landed AND NOT landed STREQUAL source)
        list(APPEND opened "${landed}")
        if(NOT DEFINED "as ${object} ${landed}")
          cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${base}" NORMALIZE)
          file(RELATIVE_PATH "as ${object} ${landed}" "${source_root}" "${file}")
        endif()
      endif()
    endforeach()

    # Who opened what. A file opened by a header of a layer keeps that
    # header's rule; one opened by the object's source or by a file of no
    # layer keeps the object's.
    opened_by("${object}" "${source}")
    if(run_failed)
      list(APPEND missing "${object} (${target}): its compile command does not run again")
      continue()
    endif()
    set(reached_files ${edges})
    list(TRANSFORM reached_files REPLACE "^.*>" "")
    list(APPEND opened ${reached_files})
    list(REMOVE_DUPLICATES opened)

    foreach(file IN LISTS opened)
      if(file STREQUAL source)
        continue()
      endif()
      layer_of("${file}" reached)
      set(rule "")
      set(excepted FALSE)
      foreach(edge IN LISTS edges)
        if(edge MATCHES "^(.*)>(.*)$" AND CMAKE_MATCH_2 STREQUAL file)
          set(includer "${CMAKE_MATCH_1}")
          if("${includer} -> ${file}" IN_LIST exceptions)
            set(excepted TRUE)
            continue()
          endif()
          layer_of("${includer}" includer_layer)
          allowed_of("${includer}" "${includer_layer}" includer_allowed)
          if(includer STREQUAL source OR NOT includer_allowed)
            continue()
          endif()
          if(NOT reached MATCHES "^(${includer_allowed})$" AND NOT rule)
            rule_of("${includer_layer}" "${includer_allowed}" rule)
            set(rule " from ${includer}: ${rule}")
          endif()
        endif()
      endforeach()
      # The object's rule holds for all it opened, save a file its
      # excepted includer opened; a header's own rule is said where the
      # object's holds.
      if(NOT reached MATCHES "^(${allowed})$" AND NOT excepted)
        rule_of("${layer}" "${allowed}" rule)
        set(rule ": ${rule}")
      endif()
      if(rule)
        set(as "")
        set(spelled_key "as ${object} ${file}")
        set(spelled "${${spelled_key}}")
        if(spelled AND NOT spelled STREQUAL file)
          set(as " (as ${spelled})")
        endif()
        message(NOTICE "${object} (${target}) opened ${file}${as}${rule}")
        math(EXPR breaks "${breaks} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

list(LENGTH objects checked)
set(failures "")
if(breaks GREATER 0)
  string(APPEND failures "Files opened across the layering: ${breaks}\n")
endif()
if(missing)
  list(JOIN missing "\n  " missing)
  string(APPEND failures "No dependency record of the build, or none to trust, for:\n  "
    "${missing}\n(build the tree before the check)\n")
endif()
if(unlayered)
  list(JOIN unlayered "\n  " unlayered)
  string(APPEND failures "Libraries and programs of a layer's folder without that layer, "
    "whose objects go unjudged:\n  ${unlayered}\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "the ${checked} objects of the layers open only what their layers may use")
