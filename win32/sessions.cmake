# The scenario tests and the failure sweep for Windows: the same test sources, built with
# the Windows host, loading Quill.aip (and QuillWithErrorList.aip, with the tests' list of
# error messages) as the Windows host does. GoogleTest from Debian's sources
# (/usr/src/googletest, package googletest).
set(QUILL_GTEST_SOURCES /usr/src/googletest)
if(NOT EXISTS ${QUILL_GTEST_SOURCES}/CMakeLists.txt)
  message(STATUS "Windows scenario tests skipped: no ${QUILL_GTEST_SOURCES}")
  return()
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUILL_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(tests ${QUILL_ROOT}/tests)
quill_windows_library(QuillWithErrorList ${tests}/plugin/support/error_list.manifest)

function(quill_windows_tests name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${tests})
  target_compile_options(${name} PRIVATE -O1)
  target_link_libraries(${name} PRIVATE quill_host_win32 gtest_main gmock)
  target_compile_definitions(${name} PRIVATE QUILL_SOURCE_DIR="${QUILL_ROOT}"
    QUILL_SHARED_DIR="${QUILL_ROOT}/../shared" QUILL_PLUGIN="Quill.aip"
    QUILL_PLUGIN_WITH_ERROR_LIST="QuillWithErrorList.aip")
  target_compile_options(${name} PRIVATE -include
    ${CMAKE_CURRENT_SOURCE_DIR}/compat/posix_environment.h)
  target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++
    ${CMAKE_FIND_ROOT_PATH}/lib/binmode.o)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  add_dependencies(${name} Quill QuillWithErrorList quill_fonts)
endfunction()

# Left out, as Linux-only: the browser server's session test, its worker line and its
# French messages, the test that reads the Linux library's ELF sections (the DLL's export
# and resources are checked by check_package and load_plugin), and the style sheet test
# that pictures through librsvg.
file(GLOB scenario_sources CONFIGURE_DEPENDS ${tests}/scenarios/*_test.cpp)
list(FILTER scenario_sources EXCLUDE REGEX
  "/(serve_session|serve_worker_line|french_details|plugin_frame|style_sheet_save)_test\\.cpp$")
quill_windows_tests(quill_scenario_tests ${scenario_sources} ${update_sources})
# The plug-in's geometry driven through the host's suites without loading it.
target_link_libraries(quill_scenario_tests PRIVATE quill_plugin_code)

quill_windows_tests(quill_sweep_tests ${tests}/sweep/failure_sweep_test.cpp)

# The fonts as the Windows host finds them in quill.fonts: the same faces, names, weights,
# slants and metrics as fontconfig and FreeType give the Linux host.
quill_windows_tests(quill_font_tests ${tests}/host/font_description_test.cpp
  ${tests}/host/text_metrics_test.cpp)
# The host's files on Windows.
quill_windows_tests(quill_windows_file_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests/file_io_test.cpp)
