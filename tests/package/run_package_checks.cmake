# Installs the library into a temporary prefix, then builds the examples against it twice: through
# find_package(OrvaneTools) and through pkg-config, and runs them.
# Called by CTest with -DBUILD=<build tree> -DSOURCE=<checkout> -DWORK=<scratch> -DCXX=<compiler>
#   -DGENERATOR=<generator>.
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})

# The program and its manual page, when the build has the program.
if(EXISTS ${BUILD}/cli/orvane-tools)
  run(${prefix}/bin/orvane-tools --version)
  message(STATUS "installed: ${last_output}")
  if(NOT EXISTS ${prefix}/share/man/man1/orvane-tools.1)
    message(FATAL_ERROR "the manual page was not installed to share/man/man1")
  endif()
endif()

# find_package
run(${CMAKE_COMMAND} -S ${SOURCE}/examples -B ${WORK}/examples -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK}/examples)
file(GLOB examples ${SOURCE}/examples/*.cpp)
set(ENV{ORVANE_REGISTRY} ${WORK}/registry.ini)
foreach(source ${examples})
  get_filename_component(name ${source} NAME_WE)
  run(${WORK}/examples/${name})
  message(STATUS "${name}:\n${last_output}")
endforeach()

# pkg-config, from the installed .pc file alone
find_program(PKG_CONFIG pkg-config)
if(NOT PKG_CONFIG)
  message(FATAL_ERROR "pkg-config is missing (scripts/setup.sh installs it)")
endif()
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
run(${PKG_CONFIG} --cflags --libs orvane-tools)
string(STRIP "${last_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CXX} ${SOURCE}/examples/unit_change_listener.cpp ${flags} -o ${WORK}/unit_change_listener_pc)
set(ENV{LD_LIBRARY_PATH} ${prefix}/lib)
run(${WORK}/unit_change_listener_pc)
message(STATUS "pkg-config build:\n${last_output}")
