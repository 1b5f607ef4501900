# Windows-only targets: the platform layer, the program, the stand-in host and the
# tests that need real Win32 calls.
file(GLOB_RECURSE win_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/src/window/*.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/*.cpp
  ${CMAKE_SOURCE_DIR}/src/*_win32.cpp)
list(FILTER win_sources EXCLUDE REGEX "/src/main_win32\\.cpp$")

# The libraries no start needs (the open-file dialog, the shell, the file types) load when
# first called: each pulls in more libraries of its own (the print spooler, among others),
# and a start would wait for all of them. Their import libraries are made here from the
# functions used, with the argument bytes the 32-bit names carry.
set(delayed_comdlg32 GetOpenFileNameA:4)
set(delayed_shell32 ShellExecuteA:24 DragQueryFileA:16 DragFinish:4)
set(delayed_shlwapi AssocQueryStringW:24)
find_program(KESTRIX_DLLTOOL ${KESTRIX_TRIPLET}-dlltool REQUIRED)
set(delayed_libs)
foreach(dll comdlg32 shell32 shlwapi)
  set(def "${CMAKE_BINARY_DIR}/delayed/${dll}.def")
  set(lib "${CMAKE_BINARY_DIR}/delayed/lib${dll}.a")
  set(text "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(entry ${delayed_${dll}})
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 bytes)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(APPEND text "${name}@${bytes}\n")
    else()
      string(APPEND text "${name}\n")
    endif()
  endforeach()
  # Written only when it changes, so a new configure does not relink everything.
  file(CONFIGURE OUTPUT "${def}" CONTENT "${text}")
  # Run beside the files: dlltool names the library's symbols after the path it is given,
  # and the program must not carry the build directory.
  add_custom_command(OUTPUT "${lib}"
    COMMAND ${KESTRIX_DLLTOOL} --input-def ${dll}.def --output-delaylib lib${dll}.a
            --dllname ${dll}.dll --kill-at
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/delayed" DEPENDS "${def}" VERBATIM)
  list(APPEND delayed_libs "${lib}")
endforeach()
add_custom_target(kestrix_delayed_libs DEPENDS ${delayed_libs})

set(KESTRIX_WIN_LIBS user32 gdi32 comctl32 advapi32 ole32 uuid msimg32 uxtheme ${delayed_libs}
  delayimp)

# libpng/zlib built by scripts/build-libpng into the cache; optional until images load.
set(KESTRIX_CACHE "$ENV{KESTRIX_CACHE}")
if(NOT KESTRIX_CACHE)
  set(KESTRIX_CACHE "$ENV{HOME}/.cache/kestrix")
endif()
set(PNG_PREFIX "${KESTRIX_CACHE}/libpng/${KESTRIX_TRIPLET}")

add_library(kestrix_win STATIC ${win_sources})
target_link_libraries(kestrix_win PUBLIC kestrix_core ${KESTRIX_WIN_LIBS})
target_compile_definitions(kestrix_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_compile_options(kestrix_win PRIVATE ${KESTRIX_WARNINGS})
add_dependencies(kestrix_win kestrix_delayed_libs)
if(EXISTS "${PNG_PREFIX}/lib/libpng.a")
  target_include_directories(kestrix_win PUBLIC "${PNG_PREFIX}/include")
  target_link_libraries(kestrix_win PUBLIC "${PNG_PREFIX}/lib/libpng.a" z)
  target_compile_definitions(kestrix_win PUBLIC KESTRIX_HAVE_PNG=1)
endif()

file(GLOB resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
add_executable(kestrix WIN32 ${CMAKE_SOURCE_DIR}/src/main_win32.cpp ${resource_files})
set_target_properties(kestrix PROPERTIES OUTPUT_NAME "tc Kestrix")
target_link_libraries(kestrix PRIVATE kestrix_win)
# No link time in the PE header: a release built twice from one commit is the same file.
target_link_options(kestrix PRIVATE -Wl,--no-insert-timestamp)
# The wide entry (wWinMain): the C runtime splits the UTF-16 command line.
target_link_options(kestrix PRIVATE -municode)
target_compile_options(kestrix PRIVATE ${KESTRIX_WARNINGS})

file(GLOB tcsim_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/tcsim/*_win32.cpp)
add_executable(tcsim WIN32 ${tcsim_sources})
target_link_libraries(tcsim PRIVATE tcsim_core kestrix_core user32 gdi32 comctl32 shlwapi)
target_compile_definitions(tcsim PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_compile_options(tcsim PRIVATE ${KESTRIX_WARNINGS})

# Tests against real Win32 calls. One executable per level; each level is a CTest label.
foreach(level win32 ui e2e)
  file(GLOB level_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${level}/*.cpp)
  if(level_sources)
    add_executable(kestrix_${level}_tests ${level_sources})
    target_link_libraries(kestrix_${level}_tests PRIVATE kestrix_win kestrix_fakes tcsim_core
      GTest::gtest_main GTest::gmock)
    target_compile_options(kestrix_${level}_tests PRIVATE ${KESTRIX_WARNINGS})
    # The win32 and window tests read the program's own glyphs and built-in languages.
    if(level STREQUAL "ui" OR level STREQUAL "win32")
      target_sources(kestrix_${level}_tests PRIVATE
        ${CMAKE_SOURCE_DIR}/tests/win32/resources/win32_tests.rc)
    endif()
    target_compile_definitions(kestrix_${level}_tests PRIVATE
      KESTRIX_EXE_NAME="tc Kestrix.exe" TCSIM_EXE_NAME="tcsim.exe")
    # These tests create, find and focus windows on one shared desktop (a stand-in host
    # of one test changes what another finds): one at a time.
    kestrix_discover_tests(kestrix_${level}_tests ${level} RESOURCE_LOCK kestrix_desktop)
  endif()
endforeach()
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/win32/resources/win32_tests.rc
  PROPERTIES COMPILE_FLAGS "-I${CMAKE_SOURCE_DIR}/resources")
if(TARGET kestrix_win32_tests)
  # The built-in languages are compared with the program's own copy.
  add_dependencies(kestrix_win32_tests kestrix)
endif()
if(TARGET kestrix_e2e_tests)
  add_dependencies(kestrix_e2e_tests kestrix tcsim)
endif()

# The name field's change handler timed in the real window (bench/*_win32.cpp): run by
# hand under Wine or Windows, not a test.
add_executable(kestrix_preview_bench ${CMAKE_SOURCE_DIR}/bench/preview_bench_win32.cpp
  ${CMAKE_SOURCE_DIR}/resources/glyphs.rc)
target_link_libraries(kestrix_preview_bench PRIVATE kestrix_win kestrix_fakes)
target_compile_options(kestrix_preview_bench PRIVATE ${KESTRIX_WARNINGS})

# The programs ship as single static files: nothing but system DLLs among their imports.
if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  add_test(NAME ProgramImports.OnlySystemDlls
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports ${CMAKE_OBJDUMP}
      $<TARGET_FILE:kestrix> $<TARGET_FILE:tcsim>)
  set_tests_properties(ProgramImports.OnlySystemDlls PROPERTIES LABELS e2e)
endif()

# The Windows benchmarks run by scripts/bench: the product next to a bare window program
# with the same manifest, in one run. Not tests.
add_executable(kestrix_bench_bare WIN32 ${CMAKE_SOURCE_DIR}/bench/bare_window_win32.cpp
  ${CMAKE_SOURCE_DIR}/bench/bare_window.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/bench/bare_window.rc
  PROPERTIES COMPILE_FLAGS "-I${CMAKE_SOURCE_DIR}/resources")
target_compile_options(kestrix_bench_bare PRIVATE ${KESTRIX_WARNINGS})
add_executable(kestrix_win_bench ${CMAKE_SOURCE_DIR}/bench/side_by_side_bench_win32.cpp
  ${CMAKE_SOURCE_DIR}/tests/e2e/tcsim_fixture.cpp)
target_link_libraries(kestrix_win_bench PRIVATE kestrix_win kestrix_fakes tcsim_core)
target_compile_definitions(kestrix_win_bench PRIVATE
  KESTRIX_EXE_NAME="tc Kestrix.exe" TCSIM_EXE_NAME="tcsim.exe")
target_compile_options(kestrix_win_bench PRIVATE ${KESTRIX_WARNINGS})
add_dependencies(kestrix_win_bench kestrix tcsim kestrix_bench_bare)
