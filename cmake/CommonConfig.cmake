# Warnings and strict Qt defines shared by every target of the project.
add_library(vexo_warnings INTERFACE)
target_compile_options(vexo_warnings INTERFACE
  -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -Wno-unused-parameter)
target_compile_definitions(vexo_warnings INTERFACE
  QT_NO_CAST_TO_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_BEFORE=0x050F00)

# The hardening Debian builds its packages with: checked libc calls where the
# optimiser can see buffer sizes, and a read-only relocation table.
if(NOT VEXO_SANITIZE)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

set(VEXO_SANITIZER_ENV "")
if(VEXO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  set(VEXO_SANITIZER_ENV "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1")
endif()

# Every test gets the simulated cameras, whatever this machine's system-wide
# or user configuration says (an installed suite makes real cameras its
# default), and may reach GigE Vision cameras on loopback only: the camera
# library refuses broadcast discovery and every other address under
# VEXO_SDK_LOOPBACK_ONLY. A test that needs real cameras names its backend and
# 127.0.0.1 in its own k=v list, which comes later and wins.
set(VEXO_TEST_CAMERA_ENV
  "VEXO_SDK_BACKENDS=sim;VEXO_SDK_SYSTEM_CONFIG=/dev/null;VEXO_SDK_CONFIG=/dev/null;VEXO_SDK_LOOPBACK_ONLY=1")

# vexo_test_env(test home [k=v ...]): private data, state and camera-set
# locations for one registered test, offscreen, emptied before it runs.
function(vexo_test_env test home)
  set(dir ${CMAKE_BINARY_DIR}/testhome/${home})
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${dir}/data;XDG_CONFIG_HOME=${dir}/config;XDG_STATE_HOME=${dir}/state;XDG_CACHE_HOME=${dir}/cache;VEXO_SDK_HOME=${dir}/sdk;HOME=${dir};TMPDIR=${dir}/tmp;${VEXO_TEST_CAMERA_ENV};${VEXO_SANITIZER_ENV};${ARGN}")
  if(NOT TEST ${home}_cleanhome)
    add_test(NAME ${home}_cleanhome COMMAND sh -c "rm -rf '${dir}' && mkdir -p '${dir}/tmp'")
    set_tests_properties(${home}_cleanhome PROPERTIES FIXTURES_SETUP ${home}_home)
  endif()
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED ${home}_home)
endfunction()

# vexo_add_test(name SOURCES ... LIBS ... [ENV k=v ...])
# One executable, one registered test with its own environment (vexo_test_env).
function(vexo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} vexo_warnings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  vexo_test_env(${name} ${name} ${T_ENV})
endfunction()

# vexo_python_test(name module [k=v ...]): one unittest module of the current
# source folder as one registered test, run by Debian's Python 3 against the
# library, the Python module and the command-line tool of this build.
function(vexo_python_test name module)
  find_program(VEXO_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
  find_program(VEXO_PYTHON3 python3 REQUIRED)
  add_test(NAME ${name}
    COMMAND ${VEXO_PYTHON3} -m unittest -v ${module}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  vexo_test_env(${name} ${name}
    PYTHONPATH=${VEXO_PYTHON_DIR}:${PROJECT_SOURCE_DIR}/tests/common
    PYTHONDONTWRITEBYTECODE=1
    VEXO_SDK_LIBRARY=$<TARGET_FILE:VexoCameraSDK>
    VEXO_CLI=$<TARGET_FILE:vexocam-cli>
    VEXO_SIM_TOOL=$<TARGET_FILE:vexo-sim>
    ${ARGN})
endfunction()
