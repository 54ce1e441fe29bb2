#!/usr/bin/python3
"""Checks a built element module the way a host sees it: the machine type, the exports by name
(exactly those its .def lists), the resources by type and ID, and that every DLL it needs,
directly or through what it loads, is one of Windows' own, the host's mckernel.dll, or a file
beside the module. In a trial kit the host is beside the module too: the DLLs are walked from
both, and the kernel must be there."""
import argparse
import os
import sys

import pefile

MACHINES = {"x86": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
            "x64": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]}
RT = pefile.RESOURCE_TYPE
RT_DLGINIT = 240
# (type, name or ID) that the host reads from the module.
RESOURCES = [(RT["RT_DIALOG"], 227), (RT_DLGINIT, 227), (RT["RT_BITMAP"], "MODULEICON"),
             (RT["RT_VERSION"], 1), (RT["RT_MANIFEST"], 2)]
HOST_DLLS = {"mckernel.dll"}
KIT_HOST = "mchost.exe"
# DLLs that every Windows installation carries in its system folder.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "comctl32.dll",
               "comdlg32.dll", "shell32.dll", "shlwapi.dll", "ole32.dll", "oleaut32.dll",
               "msvcrt.dll", "ntdll.dll", "version.dll", "uxtheme.dll", "ws2_32.dll", "psapi.dll",
               "imm32.dll", "winmm.dll", "rpcrt4.dll", "bcrypt.dll", "crypt32.dll", "secur32.dll"}
DIRECTORIES = [pefile.DIRECTORY_ENTRY[d] for d in
               ("IMAGE_DIRECTORY_ENTRY_EXPORT", "IMAGE_DIRECTORY_ENTRY_IMPORT",
                "IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT", "IMAGE_DIRECTORY_ENTRY_RESOURCE")]


def load(path):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(directories=DIRECTORIES)
    return pe


def imports(pe):
    entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
    return sorted({e.dll.decode("ascii").lower() for e in entries})


def resource_keys(pe):
    keys = set()
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return keys
    for rtype in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for entry in rtype.directory.entries:
            keys.add((rtype.id, str(entry.name) if entry.name is not None else entry.id))
    return keys


def def_exports(path):
    """The names a module definition file lists under EXPORTS."""
    names, listing = set(), False
    with open(path) as f:
        for line in f:
            words = line.split()
            if words and words[0] in ("LIBRARY", "EXPORTS"):
                listing = words[0] == "EXPORTS"
            elif words and listing:
                names.add(words[0])
    return names


def check_module(pe, machine, version, exports, faults):
    if pe.FILE_HEADER.Machine != MACHINES[machine]:
        faults.append(f"machine type 0x{pe.FILE_HEADER.Machine:X}, not {machine}")
    if not pe.is_dll():
        faults.append("not a DLL")
    names = {s.name.decode("ascii") for s in pe.DIRECTORY_ENTRY_EXPORT.symbols if s.name} \
        if hasattr(pe, "DIRECTORY_ENTRY_EXPORT") else set()
    if names != exports:
        faults.append(f"exports {sorted(names)}, not {sorted(exports)}")
    present = resource_keys(pe)
    for key in RESOURCES:
        if key not in present:
            faults.append(f"no resource of type {key[0]} and name {key[1]}")
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)  # read with the resources
    if not fixed:
        faults.append("no fixed version information")
        return
    parts = [int(p) for p in version.split(".")]
    want_ms, want_ls = parts[0] << 16 | parts[1], parts[2] << 16 | parts[3]
    for what in ("File", "Product"):
        ms, ls = getattr(fixed[0], what + "VersionMS"), getattr(fixed[0], what + "VersionLS")
        if (ms, ls) != (want_ms, want_ls):
            faults.append(f"{what.lower()} version {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}, not {version}")


def check_closure(module, machine, exact, kit, faults):
    """Walks the imports from the module, and in a kit from the host, through the DLLs beside it."""
    folder = os.path.dirname(os.path.abspath(module))
    beside = {f.lower(): f for f in os.listdir(folder)}
    start = os.path.basename(module).lower()
    todo = [start]
    if kit:
        if KIT_HOST in beside:
            todo.append(KIT_HOST)
        else:
            faults.append(f"no {KIT_HOST} beside the module")
    provided = SYSTEM_DLLS if kit else SYSTEM_DLLS | HOST_DLLS
    seen = set(todo)
    while todo:
        name = todo.pop()
        pe = load(os.path.join(folder, beside[name]))
        if name != start and pe.FILE_HEADER.Machine != MACHINES[machine]:
            faults.append(f"{beside[name]}: machine type 0x{pe.FILE_HEADER.Machine:X}, not {machine}")
        for dll in imports(pe):
            if dll in provided or dll.startswith("api-ms-win-") or dll in seen:
                continue
            if dll not in beside:
                where = "not in the kit" if kit else "not the host's, not beside the module"
                faults.append(f"{beside[name]} imports {dll}: not a system DLL, {where}")
                continue
            seen.add(dll)
            todo.append(dll)
    if exact:
        unused = sorted(f for f in beside.values() if f.lower().endswith(".dll") and f.lower() not in seen)
        if unused:
            faults.append(f"DLLs beside the module that nothing loads: {', '.join(unused)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("module")
    parser.add_argument("--machine", choices=sorted(MACHINES), required=True)
    parser.add_argument("--version", required=True, help="expected file and product version, 1.2.3.4")
    parser.add_argument("--def", dest="def_file", required=True,
                        help="the module's .def, which names the exports the host finds")
    parser.add_argument("--exact", action="store_true", help="every DLL beside the module must be needed")
    parser.add_argument("--kit", action="store_true", help=f"a trial kit: {KIT_HOST} and its DLLs are beside the module")
    args = parser.parse_args()
    faults = []
    exports = def_exports(args.def_file)
    check_module(load(args.module), args.machine, args.version, exports, faults)
    check_closure(args.module, args.machine, args.exact, args.kit, faults)
    for fault in faults:
        print(f"{args.module}: {fault}")
    if not faults:
        print(f"{args.module}: {args.machine}, {len(exports)} exports, {len(RESOURCES)} resources, imports closed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
