# cmake -DSOURCE=<source tree> -DBUILD=<build tree> -P CheckLayering.cmake
#
# The layering, judged on what the compiler opens. For every entry of the
# build's compile_commands.json, whatever target or folder compiles it, the
# compile command runs again, preprocessing only, with the compiler's -H,
# which prints every file as it opens it, one dot per level of the include
# stack; so each file's includer is known however the include was written
# (a macro, a symlink, a path round the include folders). Each inclusion,
# includer and opened file by real path, is judged by the rules of the
# includer's folder, a source or a header alike. The folder of the target
# that compiles a source is the folder its object lies in, before
# CMakeFiles/. A source of another folder than its target's is held, with
# every inclusion of its compile, to the rules of both folders: the
# stricter of the two (a test source compiled into a window library may not
# open the equation). A file the build wrote (under the build tree) is
# judged as part of the file that opened it, so what it opens counts as its
# opener's; a source the build wrote keeps the rules of the folder of the
# target that compiles it. A source compiled by a target of the top folder,
# which has no rules, is refused. Files outside both trees (the standard
# library, Qt) and what they open are not the layering's business. It
# names each inclusion that breaks a rule, and fails closed: without
# compile_commands.json, with an entry whose command does not run again or
# a source that it refuses, or with no inclusion judged.
#
# Only the file a compile command names is a source; a file opened by an
# include is a header, whatever its name ends with. The compiler prints
# nothing under -H for a file the command forces in (-include, -imacros, and
# so a precompiled header, which the build forces in by the header it was
# made from), nor for what that file opens: so the compile runs on a wrapper
# that includes the forced files, then the compiled file, and what the
# forced files open is judged as opened by the compiled file.
cmake_minimum_required(VERSION 3.25)

# The rules. folder_of(<file>) sets `folder`, the folder whose rules <file>
# keeps: windows/<folder>, thermo/internal (the calculation layer's internal
# headers) or its top folder; rules_of(<file> <own>) also sets `allowed`,
# the folders it may open, as a pattern, <own> set for the file the compile
# names (its source). Dependencies run app -> windows -> ui, catalogue and
# thermo -> eos; a window folder uses no sibling's headers but those of
# windows/statepoint; thermo's headers (any file of thermo/ a compile opens
# by an include) open none of the equation's, and its internal headers serve
# its own sources alone. The tests and benchmarks use every layer. A folder
# without rules may use only itself, until it is given its own.
macro(folder_of file)
  set(folder "")
  if("${file}" MATCHES "^(windows/[^/]+|thermo/internal|[^/]+)/")
    set(folder "${CMAKE_MATCH_1}")
  endif()
endmacro()
macro(rules_of file own)
  folder_of("${file}")
  set(allowed "${folder}")
  if(folder STREQUAL "thermo" AND "${own}" STREQUAL "")
    set(allowed "thermo")
  elseif(folder MATCHES "^thermo")
    set(allowed "thermo|thermo/internal|eos")
  elseif(folder STREQUAL "catalogue")
    set(allowed "catalogue|ui")
  elseif(folder MATCHES "^windows/")
    set(allowed "${folder}|windows/statepoint|thermo|ui|catalogue")
  elseif(folder STREQUAL "app")
    set(allowed "app|windows/[^/]+|thermo|ui|catalogue")
  elseif(folder MATCHES "^(tests|bench)$")
    set(allowed ".*")
  endif()
endmacro()
# The one use of the equation above the calculation layer: the shell
# installs the equation's background hook and creates its saturation arrays.
# It holds for that file's own include, compiled as a source (marked "*"),
# not for what its headers open.
set(excepted "*app/Shell.cpp>eos/Globals.h")

foreach(tree IN ITEMS SOURCE BUILD)
  if(NOT IS_DIRECTORY "${${tree}}")
    message(FATAL_ERROR "CheckLayering: give the ${tree} tree as -D${tree}=<folder>")
  endif()
  file(REAL_PATH "${${tree}}" ${tree})
endforeach()
set(commands "${BUILD}/compile_commands.json")
set(count 0)
if(EXISTS "${commands}")
  file(READ "${commands}" json)
  string(JSON count LENGTH "${json}")
endif()
if(NOT count)
  message(FATAL_ERROR "No compile to judge: ${commands} is missing or empty "
    "(configure the build with CMAKE_EXPORT_COMPILE_COMMANDS on, and build it)")
endif()

# land(<path> <folder>): `name` is the real path of <path> (from <folder>)
# from the build tree, with `kind` BUILD, or else from the source tree, with
# `kind` SOURCE; `kind` is empty outside both. The build tree is asked first:
# it may lie inside the source tree. Once per file.
macro(land path base)
  set(key "land ${base} ${path}")
  if(NOT DEFINED "${key}")
    file(REAL_PATH "${path}" real BASE_DIRECTORY "${base}")
    set("${key}" ";")
    foreach(tree IN ITEMS BUILD SOURCE)
      cmake_path(IS_PREFIX ${tree} "${real}" inside)
      if(inside)
        file(RELATIVE_PATH name "${${tree}}" "${real}")
        set("${key}" "${tree};${name}")
        break()
      endif()
    endforeach()
  endif()
  list(GET "${key}" 0 kind)
  list(GET "${key}" 1 name)
endmacro()

# The name of the wrapper each compile runs on, written for the moment of
# its run in the compile's working folder.
string(RANDOM LENGTH 16 tag)
set(breaks "")
set(missing "")
set(refused "")
set(judged 0)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  string(JSON dir GET "${json}" ${index} directory)
  string(JSON file GET "${json}" ${index} file)
  string(JSON command ERROR_VARIABLE failed GET "${json}" ${index} command)
  # The compile without its outputs (the object, the dependency record):
  # it writes nothing. The file it names, after -c, gives way to the
  # wrapper, which includes the forced files (-imacros ones first, as the
  # compiler takes them), then the compiled file. A forced file is looked
  # for first in the working folder, and so is a file the wrapper includes.
  # Options read from a file (@file), and options that carry options on to
  # the preprocessor (-Wp,<options>, -Xpreprocessor <option>) or rules that
  # add options (gcc's -specs=<file>, and the file named specs in a folder
  # of -B<folder>), may force one in unseen: such a compile is not run, and
  # goes unjudged with those that do not run again.
  separate_arguments(arguments UNIX_COMMAND "${command}")
  set(run "")
  set(o "")
  set(include "")
  set(imacros "")
  set(option "")
  foreach(argument IN LISTS arguments)
    if(option)
      list(APPEND ${option} "${argument}")
      set(option "")
    elseif(argument MATCHES "^--?(o|c|MF|MT|MQ|include|imacros)$")
      set(option "${CMAKE_MATCH_1}")
    elseif(argument MATCHES "^--?(include|imacros)=?(.+)$")
      list(APPEND ${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    elseif(argument MATCHES "^(@|-Wp,|-Xpreprocessor$|--?specs|-B|--prefix)")
      set(failed "options in ${argument}")
    elseif(NOT argument MATCHES "^-(MD|MMD|MP|o.+|MF.+|MT.+|MQ.+)$")
      list(APPEND run "${argument}")
    endif()
  endforeach()
  cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${dir}" OUTPUT_VARIABLE compiled)
  cmake_path(GET file EXTENSION LAST_ONLY wrapper)
  set(wrapper "${dir}/layering-${tag}${wrapper}")
  set(wrapped ${imacros} ${include} "${compiled}")
  list(TRANSFORM wrapped PREPEND "#include \"")
  list(TRANSFORM wrapped APPEND "\"\n")
  file(WRITE "${wrapper}" ${wrapped})
  set(account "")
  if(NOT failed)
    execute_process(COMMAND ${run} "${wrapper}" -E -H -o /dev/null WORKING_DIRECTORY "${dir}"
      OUTPUT_QUIET ERROR_VARIABLE account RESULT_VARIABLE failed)
  endif()
  file(REMOVE "${wrapper}")
  if(failed)
    string(REGEX MATCH "[^\n]*error:[^\n]*" why "${account}")
    list(APPEND missing "${file}: ${why} (${failed})")
    continue()
  endif()
  # The stack of includers, one per depth: a file of the source tree by its
  # name, a file of the build tree by its opener's name followed by "<" and
  # its own (the shell's one use does not hold through it), "-" for a file
  # outside both trees. At its foot the compiled file, marked "*": a source
  # the build wrote stands there as the folder of the target whose object
  # it makes (the part of the object's path before CMakeFiles/<target>.dir),
  # followed by "<" and its own name. `foreign` is that target's folder,
  # whose rules also hold where it is not the source's own (`own`).
  land("${file}" "${dir}")
  set(stack "*${name}")
  set(source "${kind}")
  folder_of("${name}")
  set(own "${folder}/")
  land("${o}" "${dir}")
  if(NOT source)
    set(stack "-")
  elseif(NOT kind STREQUAL "BUILD" OR NOT name MATCHES "^(.+/)CMakeFiles/[^/]+\\.dir/")
    list(APPEND refused "${file} (object ${o})")
    continue()
  elseif(source STREQUAL "BUILD")
    string(REPLACE "*" "*${CMAKE_MATCH_1}<" stack "${stack}")
  endif()
  folder_of("${CMAKE_MATCH_1}")
  set(foreign "${folder}/")
  # The compiled file's own line, under the wrapper, ends the forced files:
  # what follows lies one level deeper than it is judged.
  set(shift 0)
  string(REGEX MATCHALL "(^|\n)\\.+ [^\n]+" lines "${account}")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "(\\.+) (.*)" line "${line}")
    string(LENGTH "${CMAKE_MATCH_1}" depth)
    set(path "${CMAKE_MATCH_2}")
    if(NOT shift AND depth EQUAL 1 AND path STREQUAL compiled)
      set(shift 1)
      continue()
    endif()
    math(EXPR depth "${depth} - ${shift}")
    list(SUBLIST stack 0 ${depth} stack)
    list(GET stack -1 includer)
    land("${path}" "${dir}")
    if(includer STREQUAL "-" OR NOT kind)
      list(APPEND stack "-")
    elseif(kind STREQUAL "BUILD")
      string(REGEX REPLACE "<.*" "<${name}" includer "${includer}<")
      list(APPEND stack "${includer}")
    else()
      list(APPEND stack "${name}")
      math(EXPR judged "${judged} + 1")
      folder_of("${name}")
      set(reached "${folder}")
      string(REGEX MATCH "^([*]?)([^<]*)" by "${includer}")
      set(by "${CMAKE_MATCH_2}")
      rules_of("${by}" "${CMAKE_MATCH_1}")
      # Where the includer's rules allow it, those of the target's folder,
      # for a source of another folder, decide: the stricter of the two.
      if(NOT foreign STREQUAL own AND reached MATCHES "^(${allowed})$")
        rules_of("${foreign}" "*")
      endif()
      if(NOT reached MATCHES "^(${allowed})$" AND NOT "${includer}>${name}" IN_LIST excepted)
        cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${dir}" NORMALIZE OUTPUT_VARIABLE spelled)
        file(RELATIVE_PATH spelled "${SOURCE}" "${spelled}")
        set(as "")
        if(NOT spelled STREQUAL name)
          set(as " (as ${spelled})")
        endif()
        set(through "")
        if(includer MATCHES "<(.*)")
          set(through " through ${CMAKE_MATCH_1} of the build tree")
        endif()
        string(REPLACE "|" ", " folders "${allowed}")
        string(REPLACE "[^/]+" "*" folders "${folders}")
        string(REGEX REPLACE "/$" "" by "${by}")
        list(APPEND breaks "${by} opened ${name}${as}${through}: ${folder} may use only ${folders}")
      endif()
    endif()
  endforeach()
endforeach()

set(failures "")
list(REMOVE_DUPLICATES breaks)
list(SORT breaks)
list(LENGTH breaks broken)
foreach(break IN LISTS breaks)
  message(NOTICE "${break}")
endforeach()
if(broken)
  string(APPEND failures "Inclusions across the layering: ${broken}\n")
endif()
if(missing)
  list(JOIN missing "\n  " missing)
  string(APPEND failures "Compiles that do not run again, whose files go unjudged "
    "(build the tree before the check):\n  ${missing}\n")
endif()
if(refused)
  list(JOIN refused "\n  " refused)
  string(APPEND failures "Sources compiled by a target of the top folder, or written for none, "
    "unjudged (define the target in the folder whose rules they keep):\n  ${refused}\n")
endif()
if(NOT judged)
  string(APPEND failures "No inclusion judged: no file of ${SOURCE} opened in ${count} compiles\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "the ${judged} inclusions in ${count} compiles keep the layering")
