#!/usr/bin/python3
"""Configures the module's Visual C++ build as its user would, with clang-cl in the place of
Visual C++ (ClangClToolchain.cmake beside this file), compiles every source of it and checks:
- the configuration refuses to go on without the host's kernel import library or headers, and
  with a compiler that is not Visual C++ 2012's;
- the sources are exactly those of the module's folders, each compiled for MFC in a shared DLL,
  with multi-byte characters, as a regular DLL on the release run-time (the host's mfc110.dll),
  in the Debug configuration too, and none reaches the stand-ins' folders; the .def and the
  resource script are the DLL's;
- the objects reference the host's kernel classes under their Microsoft C++ names (the
  constructor of CMC_Parameter through its import among them), and no name is in GCC's manner.
usage: vc_project_check.py CMAKE SOURCE_DIR WORK_DIR x64|x86 NM SYSTEM_INCLUDE_DIR..."""
import glob
import json
import os
import re
import shutil
import subprocess
import sys

MODULE_FOLDERS = ("module", "element", "translate", "editor")
STAND_INS = ("standins", "tests/support")
DEFINES = ("_AFXDLL", "_MBCS", "_USRDLL")
# The class a Microsoft C++ name belongs to: ?Name@Class@@... or, for a special member, ??0Class@@...
SCOPE = re.compile(r"^(?:__imp_)?\?(?:\?_?[0-9A-Z]|[^?@]+@)(?P<scope>[^?@]+)@@")
# One host class as the objects must name it: CMC_Parameter's constructor, imported.
WITNESS = {"x64": "__imp_??0CMC_Parameter@@QEAA@AEAVCMC_Setup@@@Z",
           "x86": "__imp_??0CMC_Parameter@@QAE@AAVCMC_Setup@@@Z"}


def configure(cmake, src, work, args):
    return subprocess.run([cmake, "-S", src, "-B", work, "-G", "Unix Makefiles"] + args,
                          capture_output=True, text=True)


def refuses(cmake, src, work, args, words, faults):
    run = configure(cmake, src, work, args)
    if run.returncode == 0 or words not in " ".join(run.stderr.split()):
        faults.append(f"configuring with {args[-1]} did not stop with '{words}'")


def check_commands(src, work, faults):
    with open(os.path.join(work, "compile_commands.json")) as f:
        commands = json.load(f)
    built = {os.path.relpath(c["file"], src) for c in commands}
    wanted = {os.path.relpath(p, src) for d in MODULE_FOLDERS for p in glob.glob(os.path.join(src, d, "*.cpp"))}
    if built != wanted:
        faults.append(f"sources {sorted(built ^ wanted)} are not both in the build and in the module's folders")
    for c in commands:
        words = c["command"].split()
        name = os.path.relpath(c["file"], src)
        for define in DEFINES:
            if f"-D{define}" not in words:
                faults.append(f"{name}: compiled without {define}")
        if "-MD" not in words:
            faults.append(f"{name}: not compiled for the release DLL run-time (-MD)")
        for stand_in in STAND_INS:
            if os.path.join(src, stand_in) in c["command"]:
                faults.append(f"{name}: reaches {stand_in}/")
    rules = open(os.path.join(work, "module/CMakeFiles/SlaveManagement.dir/build.make")).read()
    link = open(os.path.join(work, "module/CMakeFiles/SlaveManagement.dir/link.txt")).read()
    if "res/SlaveManagement.rc" not in rules:
        faults.append("the resource script is not compiled into the DLL")
    cache = open(os.path.join(work, "CMakeCache.txt")).read()
    module_def = re.search(r"^MC_MODULE_DEF:INTERNAL=(.*)$", cache, re.M)
    if not module_def or not os.path.isfile(module_def.group(1)):
        faults.append("the configuration made no .def for the module")
    else:
        # The link line names it from the module's build folder.
        linked = {os.path.normpath(os.path.join(work, "module", d)) for d in re.findall(r"/DEF:(\S+)", link)}
        if linked != {os.path.normpath(module_def.group(1))} or "/dll" not in link:
            faults.append("the DLL is not linked with the module's .def")


def check_names(work, arch, nm, faults):
    objects = sorted(glob.glob(os.path.join(work, "*/CMakeFiles/*.dir/*.obj")))
    host = set()
    for obj in objects:
        listing = subprocess.run([nm, "-u", obj], capture_output=True, text=True, check=True).stdout
        for name in (line.split()[-1] for line in listing.splitlines() if line.strip()):
            if name.startswith("_Z") or name.startswith("__Z"):
                faults.append(f"{os.path.basename(obj)}: {name} is a GCC name")
            else:
                scope = SCOPE.match(name)
                if scope and scope.group("scope").startswith("CMC_"):
                    host.add(name)
    if WITNESS[arch] not in host:
        faults.append(f"no object references {WITNESS[arch]}")
    return len(objects), len(host)


def main():
    if len(sys.argv) < 7:
        print(__doc__, file=sys.stderr)
        return 2
    cmake, src, work, arch, nm = (sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3]),
                                  sys.argv[4], sys.argv[5])
    shutil.rmtree(work, ignore_errors=True)
    base = [f"-DCMAKE_TOOLCHAIN_FILE={os.path.dirname(os.path.abspath(__file__))}/ClangClToolchain.cmake",
            f"-DMC_MSVC_ARCH={arch}", "-DMC_MSVC_SYSTEM_INCLUDES=" + ";".join(sys.argv[6:])]
    faults = []
    refuses(cmake, src, work, base, "Set MC_HOST_KERNEL_LIBRARY", faults)
    base.append(f"-DMC_HOST_KERNEL_LIBRARY={work}/host/mckernel.lib")
    refuses(cmake, src, work, base, "Set MC_HOST_INCLUDE_DIR", faults)
    base.append(f"-DMC_HOST_INCLUDE_DIR={src}/host")
    refuses(cmake, src, work, base, "the host's MFC 11 (mfc110.dll) comes with Visual C++ 2012", faults)
    # Debug, where Visual C++'s own default would be the debug run-time and its MFC.
    run = configure(cmake, src, work, base + ["-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON",
                                             "-DMC_REQUIRE_MFC11=OFF"])
    if run.returncode != 0:
        print(run.stdout + run.stderr)
        return 1
    check_commands(src, work, faults)
    # Objects only: the libraries of MFC and of the C run-time are not here to link with.
    build = subprocess.run([cmake, "--build", work, "-j2", "--target", "element", "translate", "editor"],
                           capture_output=True, text=True)
    module = subprocess.run([cmake, "--build", os.path.join(work, "module"), "--target",
                             "DescriptorExports.cpp.obj", "SlaveManagementApp.cpp.obj"], capture_output=True, text=True)
    for step in (build, module):
        if step.returncode != 0:
            print(step.stdout + step.stderr)
            return 1
    objects, names = check_names(work, arch, nm, faults)
    for fault in faults:
        print(f"FAIL: {fault}")
    if not faults:
        print(f"{arch}: {objects} objects of the module's folders reference {names} members of the host's "
              f"classes, all by their Microsoft names ({WITNESS[arch]} among them), none by GCC's")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
