#!/usr/bin/python3
"""Compiles one source in clang's Microsoft mode (the dialect and the ABI of Visual C++) at the
language level of Visual C++ 2012, the compiler of MFC 11. Every error and warning fails the
check, and so does every C++11 feature that compiler does not have: clang names each C++11
feature it meets under -Wc++98-compat, and those that Visual C++ 2012 has (auto, decltype,
lambdas, nullptr, override and final, range-based for, rvalue references, static_assert,
enumerations with a fixed type, '>>' in templates) pass.
usage: check_msvc_source.py CLANG [FLAGS...] SOURCE"""
import re
import subprocess
import sys

# The features that Visual C++ 2012 refuses, in the words of clang 14's -Wc++98-compat.
LACKING = ("'alignas'", "alignof expressions", "'char16_t'", "'char32_t'", "'constexpr'",
           "'thread_local'", "C++11 attribute syntax", "alias declarations",
           "default member initializer", "default template arguments for a function template",
           "defaulted function definitions", "deleted function definitions",
           "delegating constructors", "explicit conversion functions",
           "generalized initializer lists", "initialization of initializer_list",
           "inheriting constructors", "inline namespaces", "literal operators", "noexcept",
           "raw string literals", "reference qualifiers", "unicode literals", "union member",
           "variadic templates")
COMPAT = re.compile(r"^(?P<place>.+?:\d+):\d+: warning: (?P<what>.+?) (?:is|are) incompatible "
                    r"with C\+\+98(?: \(.*\))? \[-Wc\+\+98-compat\]$")
NOISE = re.compile(r"^(In file included from |\d+ warnings? generated\.$)")


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    command = sys.argv[1:] + ["-fno-caret-diagnostics", "-Wc++98-compat", "-Wno-error=c++98-compat"]
    run = subprocess.run(command, capture_output=True, text=True)
    refused, other = [], []
    for line in run.stderr.splitlines():
        compat = COMPAT.match(line)
        if compat:
            what = compat.group("what")
            if any(feature in what for feature in LACKING) and compat.group(0) not in refused:
                refused.append(compat.group(0))
                print(f"{compat.group('place')}: {what}: not in Visual C++ 2012")
        elif not NOISE.match(line):
            other.append(line)
    if run.returncode != 0:
        print("\n".join(other))
    return 1 if run.returncode != 0 or refused else 0


if __name__ == "__main__":
    sys.exit(main())
