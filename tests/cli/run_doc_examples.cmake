# Runs every example of the --help texts, the manual page and docs/guide.md, and compares the
# output each shows. Included by run_cli_checks.cmake (TOOL, WORK and check_doc_failures set).
#
# An example is a line "$ COMMAND" in an example block, followed by the lines it prints: in a
# --help text the lines after "Example:" or "Examples:" up to a blank line (indented by two), in
# the manual page the .nf/.fi blocks, in the guide the indented code blocks (by four). COMMAND
# runs under sh, with orvane-tools on the PATH, in a fresh folder and settings file per document,
# the examples of one document in order. A line in a block that starts a command of
# orvane-tools without the "$ " fails the check, so that no example escapes it.

get_filename_component(doc_tool_dir ${TOOL} DIRECTORY)
string(ASCII 1 doc_semicolon)
string(ASCII 2 doc_open)
string(ASCII 3 doc_close)
set(doc_examples 0)

# The lines of `text` as a list, with ; [ ] kept out of CMake's list syntax.
function(doc_lines text out)
  string(REPLACE ";" "${doc_semicolon}" text "${text}")
  string(REPLACE "[" "${doc_open}" text "${text}")
  string(REPLACE "]" "${doc_close}" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(doc_restore text out)
  string(REPLACE "${doc_semicolon}" ";" text "${text}")
  string(REPLACE "${doc_open}" "[" text "${text}")
  string(REPLACE "${doc_close}" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text of the manual page as a reader sees it, for the few escapes its examples use.
function(doc_unroff text out)
  string(REPLACE "\\-" "-" text "${text}")
  string(REPLACE "\\(aq" "'" text "${text}")
  string(REPLACE "\\(dq" "\"" text "${text}")
  string(REPLACE "\\(S3" "³" text "${text}")
  string(REPLACE "\\&" "" text "${text}")
  string(REPLACE "\\e" "\\" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Runs one example and compares its output with `expected` (lines joined with newlines).
function(doc_run doc command expected)
  doc_restore("${command}" command)
  doc_restore("${expected}" expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env "PATH=${doc_tool_dir}:$ENV{PATH}"
                          sh -c "${command}"
                  WORKING_DIRECTORY ${WORK}/doc-${doc}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX REPLACE "\n$" "" out "${out}")
  if(NOT out STREQUAL expected)
    message(${failure} "doc example (${doc}): $ ${command}\nshown:\n${expected}\nprinted (exit ${rc}):\n${out}\nstderr:\n${err}")
  endif()
  math(EXPR count "${doc_examples} + 1")
  set(doc_examples ${count} PARENT_SCOPE)
endfunction()

# Runs the examples of the blocks of `text`. `start` and `stop` are the regular expressions of
# the lines that open and close a block ("" for `start`: a block is every run of lines that
# begin with `indent`); `indent` is the indentation of the example lines.
function(doc_examples_of doc text start stop indent)
  file(REMOVE_RECURSE ${WORK}/doc-${doc})
  file(MAKE_DIRECTORY ${WORK}/doc-${doc})
  set(ENV{ORVANE_REGISTRY} ${WORK}/doc-${doc}/registry.ini)
  doc_lines("${text}" lines)
  set(in_block FALSE)
  set(command "")
  set(expected "")
  set(count ${doc_examples})
  foreach(line IN LISTS lines)
    if(NOT in_block)
      if((start STREQUAL "" AND line MATCHES "^${indent}") OR
         (NOT start STREQUAL "" AND line MATCHES "${start}"))
        set(in_block TRUE)
        if(NOT start STREQUAL "")
          continue()
        endif()
      else()
        continue()
      endif()
    endif()
    set(ends FALSE)
    if(NOT stop STREQUAL "" AND line MATCHES "${stop}")
      set(ends TRUE)
    elseif(NOT line MATCHES "^${indent}")
      set(ends TRUE)
    endif()
    if(ends)
      if(NOT command STREQUAL "")
        doc_run(${doc} "${command}" "${expected}")
      endif()
      set(command "")
      set(expected "")
      set(in_block FALSE)
      continue()
    endif()
    # (REGEX REPLACE would strip every leading repetition of the indentation, not one.)
    string(LENGTH "${indent}" indent_length)
    string(SUBSTRING "${line}" ${indent_length} -1 body)
    if(body MATCHES "^\\$ (.*)$")
      if(NOT command STREQUAL "")
        doc_run(${doc} "${command}" "${expected}")
      endif()
      set(command "${CMAKE_MATCH_1}")
      set(expected "")
      set(first TRUE)
    elseif(body MATCHES "^(.*\\| *)?orvane-tools [a-z-]+( |$)")
      message(${failure} "doc example (${doc}) not written as '$ COMMAND': ${body}")
    elseif(NOT command STREQUAL "")
      if(first)
        set(expected "${body}")
        set(first FALSE)
      else()
        set(expected "${expected}\n${body}")
      endif()
    endif()
  endforeach()
  if(NOT command STREQUAL "")
    doc_run(${doc} "${command}" "${expected}")
  endif()
  set(doc_examples ${doc_examples} PARENT_SCOPE)
endfunction()

# The --help texts: the program's and every command's.
execute_process(COMMAND ${TOOL} --help OUTPUT_VARIABLE program_help)
doc_examples_of(help "${program_help}" "^Examples?:$" "^$" "  ")
string(REGEX MATCHALL "\n  [a-z]+ " doc_commands "${program_help}")
foreach(entry IN LISTS doc_commands)
  string(STRIP "${entry}" name)
  execute_process(COMMAND ${TOOL} ${name} --help OUTPUT_VARIABLE help)
  doc_examples_of(help-${name} "${help}" "^Examples?:$" "^$" "  ")
endforeach()

# The manual page.
file(READ ${CMAKE_CURRENT_LIST_DIR}/../../docs/orvane-tools.1 man)
doc_unroff("${man}" man)
doc_examples_of(man "${man}" "^\\.nf$" "^\\.fi$" "")

# The guide's indented code blocks.
file(READ ${CMAKE_CURRENT_LIST_DIR}/../../docs/guide.md guide)
doc_examples_of(guide "${guide}" "" "^$" "    ")

if(doc_examples LESS 40)
  message(${failure} "doc examples: only ${doc_examples} found")
endif()
message(STATUS "doc examples run: ${doc_examples}")
set(ENV{ORVANE_REGISTRY} ${WORK}/registry.ini)
