# The stand-in host for Windows: quill.exe from the same sources as on Linux, linked
# statically with FreeType and pugixml built from Debian's sources (build-sources/, see
# scripts/fetch_windows_sources.sh) and nlohmann-json's headers. What only Linux has stays
# out: the browser server and librsvg pictures, and the *_posix.cpp files, whose Windows
# sides are the *_win32.cpp files.
set(QUILL_SOURCES_DIR ${QUILL_ROOT}/build-sources)

# FreeType as the Linux host's, without the compressed-font and PNG-glyph extras that text
# metrics never read; its own warnings are not this project's.
set(FT_DISABLE_ZLIB ON CACHE BOOL "" FORCE)
set(FT_DISABLE_BZIP2 ON CACHE BOOL "" FORCE)
set(FT_DISABLE_PNG ON CACHE BOOL "" FORCE)
set(FT_DISABLE_HARFBUZZ ON CACHE BOOL "" FORCE)
set(FT_DISABLE_BROTLI ON CACHE BOOL "" FORCE)
add_subdirectory(${QUILL_SOURCES_DIR}/freetype ${CMAKE_BINARY_DIR}/freetype EXCLUDE_FROM_ALL)
set_target_properties(freetype PROPERTIES COMPILE_OPTIONS "-w")

# In its compact form, as on Linux: a large drawing's parsed tree takes a fifth of the room.
add_library(pugixml STATIC ${QUILL_SOURCES_DIR}/pugixml/src/pugixml.cpp)
target_include_directories(pugixml SYSTEM PUBLIC ${QUILL_SOURCES_DIR}/pugixml/src)
target_compile_definitions(pugixml PUBLIC PUGIXML_COMPACT)

# nlohmann-json is headers only: Debian's, copied so that no other header of the build
# machine's /usr/include is seen.
file(COPY /usr/include/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json_include)

file(GLOB_RECURSE host_sources CONFIGURE_DEPENDS ${QUILL_ROOT}/host/*.cpp)
list(FILTER host_sources EXCLUDE REGEX "_posix\\.cpp$|/svg/render\\.cpp$|leak_suppressions")
add_library(quill_host_win32 OBJECT ${host_sources})
target_include_directories(quill_host_win32 PUBLIC ${QUILL_ROOT} ${QUILL_ROOT}/sdk/include)
target_include_directories(quill_host_win32 SYSTEM PUBLIC ${CMAKE_BINARY_DIR}/json_include)
target_link_libraries(quill_host_win32 PUBLIC freetype pugixml)
# As on Linux, the library of this build, named from the root (wine maps / to drive Z:).
target_compile_definitions(quill_host_win32 PUBLIC QUILL_DEFAULT_PLUGIN="${CMAKE_BINARY_DIR}/Quill.aip")
include(${QUILL_ROOT}/host/suites/suite_functions.cmake)
target_include_directories(quill_host_win32 PRIVATE ${QUILL_GENERATED_DIR})
add_dependencies(quill_host_win32 quill_sdk_layout)
# The stand-in host and its tests build at -O1, in half the time of -O3: they are not
# what ships, and SSE2 doubles round the same at every level.
target_compile_options(quill_host_win32 PRIVATE -O1)

file(GLOB update_sources CONFIGURE_DEPENDS ${QUILL_ROOT}/app/update/*.cpp)
set(app_sources main run_command drawing_contents_command update_command)
list(TRANSFORM app_sources PREPEND ${QUILL_ROOT}/app/quill/)
list(TRANSFORM app_sources APPEND .cpp)
add_executable(quill ${app_sources} ${update_sources})
target_link_libraries(quill PRIVATE quill_host_win32)
# The suites register themselves from static objects: every object of the host is kept.
# Files are read and written as bytes (binmode.o), as on Linux: no CR before LF.
target_link_options(quill PRIVATE -static -static-libgcc -static-libstdc++
  ${CMAKE_FIND_ROOT_PATH}/lib/binmode.o)
set_target_properties(quill PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The system's fonts for quill.exe: the build machine's fontconfig list of the same files.
find_program(QUILL_FC_LIST fc-list REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/quill.fonts
  COMMAND ${QUILL_FC_LIST} --format
    "%{fullname}\\t%{family}\\t%{style}\\t%{weight}\\t%{slant}\\t%{width}\\t%{index}\\t%{file}\\n"
    > ${CMAKE_BINARY_DIR}/quill.fonts
  VERBATIM)
add_custom_target(quill_fonts ALL DEPENDS ${CMAKE_BINARY_DIR}/quill.fonts)
add_dependencies(quill quill_fonts)

include(sessions.cmake)
