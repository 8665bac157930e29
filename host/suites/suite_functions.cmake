# The functions of every suite of the plug-in interface, read from its headers into
# suite_functions.inc, so that a script naming a function its suite lacks is told so.
# Each suite's name is the `#define k…Suite "NAME"` above its table of functions.
# The basic suite, which every message carries, is declared in messages.h without a name.
get_filename_component(QUILL_SDK_HEADERS ${CMAKE_CURRENT_LIST_DIR}/../../sdk/include/sdk ABSOLUTE)
file(GLOB QUILL_SUITE_HEADERS ${QUILL_SDK_HEADERS}/suites/*.h ${QUILL_SDK_HEADERS}/messages.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUILL_SUITE_HEADERS})
set(QUILL_SUITE_FUNCTIONS "")
foreach(header IN LISTS QUILL_SUITE_HEADERS)
  file(STRINGS ${header} lines)
  set(suite "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^#define k[A-Za-z0-9_]*Suite \"([^\"]+)\"")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^typedef struct SPBasicSuite {")
      set(suite "SP Basic Suite")
    elseif(line MATCHES "^} [A-Za-z0-9_]*Suite;")
      set(suite "")
    elseif(suite AND line MATCHES "\\(AIAPI\\* *([A-Za-z0-9_]+)\\)")
      string(APPEND QUILL_SUITE_FUNCTIONS "    {\"${suite}\", \"${CMAKE_MATCH_1}\"},\n")
    endif()
  endforeach()
endforeach()
set(QUILL_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${QUILL_GENERATED_DIR}/suite_functions.inc
  CONTENT "${QUILL_SUITE_FUNCTIONS}" @ONLY)
