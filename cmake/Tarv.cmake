# Helpers shared by every folder's CMakeLists.txt.

# GoogleTest from Debian's source package, built once per tree. Under Wine it is linked
# statically so a test program needs no runtime DLLs beside it.
if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
include(GoogleTest)

# A library of platform-free product code. On Windows it is compiled with the shipped
# binaries' flags, so tests under Wine run the very code that ships.
function(tarv_core_library name)
    add_library(${name} STATIC ${ARGN})
    if(TARV_WINDOWS)
        target_compile_definitions(${name} PUBLIC WINVER=0x0400 _WIN32_WINDOWS=0x0400
            _WIN32_WINNT=0x0400 _WIN32_IE=0x0300 NOMINMAX WIN32_LEAN_AND_MEAN)
        target_compile_options(${name} PRIVATE -Os -march=i586 -fno-exceptions -fno-rtti
            -fno-asynchronous-unwind-tables -fno-threadsafe-statics -fno-stack-protector
            -fcheck-new -ffunction-sections -fdata-sections -finput-charset=UTF-8
            -fexec-charset=CP1252)
    endif()
endfunction()

# A GoogleTest program: tarv_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2).
# Natively its cases become CTest tests at build time; under Windows they are listed at test
# time through the Wine emulator, so each case is run and counted on its own.
function(tarv_test name)
    if(TARV_FUZZ)
        return()
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
        return()
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    file(MAKE_DIRECTORY ${corpus})
    add_test(NAME ${name} COMMAND ${name} -max_total_time=${TARV_FUZZ_SECONDS} -rss_limit_mb=2048
        -print_final_stats=1 ${corpus})
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
endfunction()
