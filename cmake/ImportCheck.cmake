# The check every shipped binary passes as a test: imports only from the Windows 95 allowlist,
# subsystem and OS version 4.0, 32-bit x86, the given exports, below a size limit, and no
# static constructors. Declared next to the binary's target:
#   tarv_import_check(target max_bytes EXPORTS name...)      exports exactly these names
#   tarv_import_check(target max_bytes MAY_EXPORT name...)   exports none beyond these names
function(tarv_import_check target max_bytes mode)
    if(mode STREQUAL "EXPORTS")
        set(exports --all ${ARGN})
    elseif(mode STREQUAL "MAY_EXPORT")
        set(exports ${ARGN})
    else()
        message(FATAL_ERROR "tarv_import_check(${target}): EXPORTS or MAY_EXPORT, not ${mode}")
    endif()
    get_target_property(link_map ${target} TARV_LINK_MAP)
    if(NOT link_map)
        message(FATAL_ERROR "tarv_import_check(${target}): not a shipped binary (tarv_win95_binary)")
    endif()
    set(dir ${CMAKE_SOURCE_DIR}/tests/imports)
    add_test(NAME imports_${target} COMMAND bash ${dir}/check-imports.sh ${CMAKE_OBJDUMP}
        ${dir}/win95-allowlist.txt $<TARGET_FILE:${target}> ${link_map} ${max_bytes} ${exports})
endfunction()
