# The Windows packaging, built beside the Linux library when the MinGW-w64 cross compiler
# is installed (Debian: g++-mingw-w64-i686); the harness runs under wine as a test.
find_program(QUILL_MINGW_CXX i686-w64-mingw32-g++)
if(NOT QUILL_MINGW_CXX)
  message(STATUS "Windows packaging skipped: no i686-w64-mingw32-g++")
  return()
endif()

# Wraps PNG images as icons and cursors; built for the build machine.
add_executable(quill_make_icon ${CMAKE_CURRENT_LIST_DIR}/tools/make_icon.cpp)
# Reads the built package as a file: its export and its resources.
add_executable(quill_check_package ${CMAKE_CURRENT_LIST_DIR}/tools/check_package.cpp)
target_link_libraries(quill_check_package PRIVATE quill_sdk)

include(ExternalProject)
set(QUILL_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
ExternalProject_Add(quill_win32
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${QUILL_WIN32_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_LIST_DIR}/toolchain-i686-w64-mingw32.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DQUILL_PACK_RESOURCES=$<TARGET_FILE:quill_pack_resources>
    -DQUILL_MAKE_ICON=$<TARGET_FILE:quill_make_icon>
    -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER}
    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${QUILL_WIN32_DIR} -j 2
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS quill_pack_resources quill_make_icon)

if(QUILL_HOST)
  # Where wine cannot run 32-bit programs this is what is checked of the package.
  add_test(NAME Win32.PackageExportsPluginMainWithItsResources
    COMMAND quill_check_package ${QUILL_WIN32_DIR}/Quill.aip)
  add_test(NAME Win32.PluginLoadsWithItsResources
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_wine.sh ${QUILL_WIN32_DIR}/load_plugin.exe
      ${QUILL_WIN32_DIR}/Quill.aip)
  set(wine_environment "WINEPREFIX=${QUILL_WIN32_DIR}/wine;WINEDEBUG=-all")
  set_tests_properties(Win32.PluginLoadsWithItsResources PROPERTIES SKIP_RETURN_CODE 77
    ENVIRONMENT "${wine_environment}" FIXTURES_REQUIRED wine_prefix)
  # Wine makes its prefix once, before the programs that share it start.
  add_test(NAME Win32.WinePrefix COMMAND sh -c "wineboot -i >/dev/null 2>&1; exit 0")
  set_tests_properties(Win32.WinePrefix PROPERTIES FIXTURES_SETUP wine_prefix
    ENVIRONMENT "${wine_environment}")

  # The sessions on the DLL under wine: the examples' dumps against the Linux host's, the
  # scenario tests and the failure sweep built for Windows.
  set(run_sessions ${CMAKE_CURRENT_LIST_DIR}/run_sessions_under_wine.sh)
  add_test(NAME Win32.ExampleSessionsMatchLinux COMMAND ${run_sessions} examples
    ${QUILL_WIN32_DIR} $<TARGET_FILE:quill> ${PROJECT_SOURCE_DIR}/examples)
  add_test(NAME Win32.ScenarioSessions COMMAND ${run_sessions} gtest ${QUILL_WIN32_DIR}
    quill_scenario_tests.exe)
  add_test(NAME Win32.FailureSweep COMMAND ${run_sessions} gtest ${QUILL_WIN32_DIR}
    quill_sweep_tests.exe)
  add_test(NAME Win32.FontsMatchLinux COMMAND ${run_sessions} gtest ${QUILL_WIN32_DIR}
    quill_font_tests.exe)
  add_test(NAME Win32.HostFiles COMMAND ${run_sessions} gtest ${QUILL_WIN32_DIR}
    quill_windows_file_tests.exe)
  set_tests_properties(Win32.ExampleSessionsMatchLinux Win32.ScenarioSessions
    Win32.FailureSweep Win32.FontsMatchLinux Win32.HostFiles PROPERTIES SKIP_RETURN_CODE 77 ENVIRONMENT "${wine_environment}"
    FIXTURES_REQUIRED wine_prefix TIMEOUT 600)
endif()
