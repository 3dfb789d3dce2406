#!/usr/bin/python3
"""Reads Tollimer.dll and TollimerCheck.exe with pefile (Debian's
python3-pefile) and fails, naming each, on a missing hardening property:

  both       ASLR (DYNAMIC_BASE, with relocations), NX_COMPAT, no section
             both writable and executable, no shared writable section;
  DLL        a load configuration of the 32-bit layout whose SafeSEH table
             lists exactly the guard's exception handler (its address from
             the link map), not marked NO_SEH, no TLS directory;
  program    a SafeSEH table, or NO_SEH.

Usage: check-pe-hardening.py Tollimer.dll Tollimer.map TollimerCheck.exe
"""
import re
import sys

import pefile

DLL_HANDLERS = ["_GuardFrameHandler"]  # src/plugin/ExceptionHandlers.S
LOAD_CONFIG_32_SIZE = 0x48  # IMAGE_LOAD_CONFIG_DIRECTORY32, up to SEHandlerCount

C = pefile.DLL_CHARACTERISTICS
S = pefile.SECTION_CHARACTERISTICS


def entry(pe, name):
    return pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY[name]]


def safe_seh_handlers(pe):
    """The SafeSEH table's handler addresses (RVAs), or None without a table."""
    config = getattr(pe, "DIRECTORY_ENTRY_LOAD_CONFIG", None)
    if config is None or not config.struct.SEHandlerTable:
        return None
    table = config.struct.SEHandlerTable - pe.OPTIONAL_HEADER.ImageBase
    return [pe.get_dword_at_rva(table + 4 * i) for i in range(config.struct.SEHandlerCount)]


def common_failures(pe):
    failures = []
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    if not flags & C["IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE"]:
        failures.append("no DYNAMIC_BASE (ASLR)")
    if pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_RELOCS_STRIPPED"] \
            or entry(pe, "IMAGE_DIRECTORY_ENTRY_BASERELOC").Size == 0:
        failures.append("no relocations (ASLR cannot move it)")
    if not flags & C["IMAGE_DLLCHARACTERISTICS_NX_COMPAT"]:
        failures.append("no NX_COMPAT")
    for section in pe.sections:
        name = section.Name.rstrip(b"\0").decode()
        writable = section.Characteristics & S["IMAGE_SCN_MEM_WRITE"]
        if writable and section.Characteristics & S["IMAGE_SCN_MEM_EXECUTE"]:
            failures.append(f"section {name} is writable and executable")
        if writable and section.Characteristics & S["IMAGE_SCN_MEM_SHARED"]:
            failures.append(f"section {name} is shared and writable")
    return failures


def dll_failures(pe, map_text):
    failures = common_failures(pe)
    config_entry = entry(pe, "IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG")
    config = getattr(pe, "DIRECTORY_ENTRY_LOAD_CONFIG", None)
    if config is None:
        failures.append("no load configuration directory")
    else:
        size = config.struct.Size
        if size < LOAD_CONFIG_32_SIZE or size != config_entry.Size:
            failures.append(f"load configuration size {size:#x} (directory {config_entry.Size:#x}), "
                            f"not the 32-bit layout's {LOAD_CONFIG_32_SIZE:#x}")
    handlers = safe_seh_handlers(pe)
    expected = []
    for symbol in DLL_HANDLERS:
        found = re.search(rf"^([0-9a-f]+) +[0-9a-f]+ +\d+ +{symbol}$", map_text, re.M)
        if found is None:
            failures.append(f"handler {symbol} not in the link map")
        else:
            expected.append(int(found.group(1), 16))
    if handlers is None:
        failures.append("no SafeSEH table")
    elif sorted(handlers) != sorted(expected):
        failures.append(f"SafeSEH table lists {[hex(h) for h in handlers]}, "
                        f"not the guard's handler {[hex(h) for h in expected]}")
    if pe.OPTIONAL_HEADER.DllCharacteristics & C["IMAGE_DLLCHARACTERISTICS_NO_SEH"]:
        failures.append("marked NO_SEH, which would refuse the guard's handler")
    if entry(pe, "IMAGE_DIRECTORY_ENTRY_TLS").Size != 0:
        failures.append("has a TLS directory")
    return failures, handlers


def program_failures(pe):
    failures = common_failures(pe)
    handlers = safe_seh_handlers(pe)
    no_seh = pe.OPTIONAL_HEADER.DllCharacteristics & C["IMAGE_DLLCHARACTERISTICS_NO_SEH"]
    if not handlers and not no_seh:
        failures.append("neither a SafeSEH table nor NO_SEH")
    return failures, handlers


def main(dll_path, map_path, program_path):
    with open(map_path) as map_file:
        map_text = map_file.read()
    failed = False
    for path, check in ((dll_path, lambda pe: dll_failures(pe, map_text)), (program_path, program_failures)):
        pe = pefile.PE(path, fast_load=False)
        failures, handlers = check(pe)
        flags = [name for name, value in C.items()
                 if isinstance(name, str) and pe.OPTIONAL_HEADER.DllCharacteristics & value]
        print(f"{path}: {' '.join(flags)}; SafeSEH handlers "
              f"{[hex(h) for h in handlers] if handlers is not None else 'none'}")
        for failure in failures:
            print(f"FAIL: {path}: {failure}")
        failed = failed or bool(failures)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
