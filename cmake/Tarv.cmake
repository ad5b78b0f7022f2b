# Helpers shared by every folder's CMakeLists.txt.
include_guard(GLOBAL)

# GoogleTest from Debian's source package. Under Wine it is linked statically so a test
# program needs no runtime DLLs beside it.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
if(TARV_WINDOWS)
    include(${CMAKE_CURRENT_LIST_DIR}/Win95Product.cmake)
endif()

# The installer's string table, the one home of its texts: the program compiles it, native
# tests and fuzz targets read it (TARV_INSTALLER_RC names it to their code).
set(TARV_INSTALLER_RC ${CMAKE_SOURCE_DIR}/resources/installer/InstallerStrings.rc)

# A library of platform-free product code. On Windows it is compiled with the shipped
# binaries' flags, so tests under Wine run the very code that ships.
function(tarv_core_library name)
    add_library(${name} STATIC ${ARGN})
    if(TARV_WINDOWS)
        tarv_win95_code(${name})
    endif()
endfunction()

# A GoogleTest program: tarv_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2).
# Natively its cases become CTest tests at build time; under Windows they are listed at test
# time through the Wine emulator, so each case is run and counted on its own.
function(tarv_test name)
    if(TARV_FUZZ)
        message(FATAL_ERROR "${name}: the fuzz build makes no GoogleTest programs")
    endif()
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
    if(TARV_WINDOWS)
        target_link_options(${name} PRIVATE -static)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
            PROPERTIES LABELS wine)
    else()
        gtest_discover_tests(${name})
    endif()
endfunction()

# A libFuzzer target, built only in the fuzz build and run as a test for TARV_FUZZ_SECONDS:
# tarv_fuzz_target(name SOURCES a.cpp LIBS lib1).
function(tarv_fuzz_target name)
    if(NOT TARV_FUZZ)
        message(FATAL_ERROR "${name}: fuzz targets belong to the fuzz build (TARV_FUZZ)")
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    file(MAKE_DIRECTORY ${corpus})
    # Inputs that once crashed a target are kept in the repository and replayed by every run.
    set(regressions ${CMAKE_SOURCE_DIR}/tests/fuzz/regressions/${name})
    if(NOT IS_DIRECTORY ${regressions})
        set(regressions "")
    endif()
    add_test(NAME ${name} COMMAND ${name} -max_total_time=${TARV_FUZZ_SECONDS} -rss_limit_mb=2048
        -print_final_stats=1 ${corpus} ${regressions})
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
endfunction()
