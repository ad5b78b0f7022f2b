# Sourced by the demo and the Wine tests: what installing 3dfx's 1.07.00 Windows 9x driver
# again does to the Voodoo5 of the simulated PC that driver leaves
# (tests/fixtures/win98-voodoo-series-1.07.reg, the board at display-class instance 0001), as
# a REGEDIT4 file. The INF's Prev.DelReg deletes the instance's GLIDE, D3D and MODES subkeys;
# it then writes FX_GLIDE_SWAPINTERVAL="0" and its own mode keys again: the 8-bit ones with
# their rates, the 16- and 32-bit ones without values. The board keeps its DEFAULT key.
#   driver_reinstall_reg OUT.reg

driver_reinstall_reg() {
    local root instance='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0001'
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    {
        printf 'REGEDIT4\n\n'
        printf '[-%s\\%s]\n\n' "$instance" GLIDE "$instance" D3D "$instance" MODES
        printf '[%s\\GLIDE]\n"FX_GLIDE_SWAPINTERVAL"="0"\n\n' "$instance"
        # The mode keys as the driver leaves them, section by section up to the blank line.
        sed -n '/^\[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\MODES\\/,/^$/p' \
            "$root/tests/fixtures/win98-voodoo-series-1.07.reg"
    } >"$1"
}
