# Flags that keep a shipped binary loadable on a retail Windows 95: no C runtime, Windows 95
# structure sizes, Pentium instructions only, subsystem and OS version 4.0. Data keeps the
# alignment the ABI asks for instead of being padded for vector loads the code never makes.
set(TARV_WIN95_DEFINES WINVER=0x0400 _WIN32_WINDOWS=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0300
    NOMINMAX WIN32_LEAN_AND_MEAN)
set(TARV_WIN95_COMPILE -Os -march=i586 -mtune=generic -fno-exceptions -fno-rtti
    -fno-asynchronous-unwind-tables -fno-unwind-tables -fno-threadsafe-statics
    -fno-stack-protector -fcheck-new -ffunction-sections -fdata-sections -malign-data=abi
    -finput-charset=UTF-8 -fexec-charset=CP1252)
set(TARV_WIN95_LINK -nostdlib -nostartfiles -s -Wl,--gc-sections -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0 -Wl,--disable-auto-import
    -Wl,--disable-runtime-pseudo-reloc -Wl,--no-dynamicbase -Wl,--no-nxcompat
    -Wl,--no-insert-timestamp)
# The import libraries close every link line of the Windows build, after all static libraries
# that CMake pulls in through dependencies. Test programs link them anyway.
set(TARV_WIN95_LIBS -lcomctl32 -lole32 -ladvapi32 -lversion -lgdi32 -luser32 -lkernel32 -luuid -lgcc)
string(JOIN " " CMAKE_CXX_STANDARD_LIBRARIES ${TARV_WIN95_LIBS})

# Applies the product flags to a library of product code (compiled into a shipped binary).
function(tarv_win95_code target)
    target_compile_definitions(${target} PUBLIC ${TARV_WIN95_DEFINES})
    target_compile_options(${target} PRIVATE ${TARV_WIN95_COMPILE})
endfunction()

# Turns an executable or shared-library target into a shipped, CRT-free binary.
# kind is DLL or EXE; pass the .def file as the third argument (a DLL needs one, a program
# only when it exports functions).
function(tarv_win95_binary target kind)
    tarv_win95_code(${target})
    target_link_options(${target} PRIVATE ${TARV_WIN95_LINK})
    if(kind STREQUAL "DLL")
        target_link_options(${target} PRIVATE -shared -Wl,-e,_DllMainCRTStartup@12
            -Wl,--image-base,0x1A000000 -Wl,--kill-at ${ARGV2})
    else()
        target_link_options(${target} PRIVATE -mwindows -Wl,-e,_WinMainCRTStartup
            -Wl,--image-base,0x400000)
        if(ARGV2)
            target_link_options(${target} PRIVATE -Wl,--kill-at ${ARGV2})
        endif()
    endif()
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:tarv_runtime>)
    # The stripped binary keeps no symbols; the map tells the import check where its
    # constructor list lies.
    set(link_map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    target_link_options(${target} PRIVATE -Wl,-Map=${link_map})
    set_target_properties(${target} PROPERTIES PREFIX "" LINKER_LANGUAGE CXX
        TARV_LINK_MAP ${link_map})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/ImportCheck.cmake)
