// mchost: a command-line stand-in for the host application. It loads an element module the way
// the host does and runs its exports on a drive network.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

#include "HostCommands.h"

namespace {
struct Command {
  const char* name;
  int (*run)(const HostOptions&);
  const char* usage;
};

const Command kCommands[] = {
    {"info", RunInfoCommand, "info [--network FILE] [--module DLL]"},
    {"default", RunDefaultCommand, "default [--network FILE] [--module DLL]"},
    {"translate", RunTranslateCommand, "translate [--network FILE] [--module DLL] TEXT"},
    {"compile", RunCompileCommand, "compile [--network FILE] [--module DLL] PROGRAM"},
    {"edit", RunEditCommand, "edit [--network FILE] [--module DLL] [TEXT]   (opens a window)"},
};

void PrintUsage(FILE* out) {
  std::fputs("usage: mchost COMMAND [OPTIONS] [ARGS]\ncommands:\n", out);
  for (const Command& c : kCommands) std::fprintf(out, "  mchost %s\n", c.usage);
}
}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? kExitUsage : kExitOk;
  }
  const Command* command = nullptr;
  for (const Command& c : kCommands)
    if (std::strcmp(c.name, argv[1]) == 0) command = &c;
  if (command == nullptr) {
    CString message;
    message.Format("unknown command '%s' (try mchost --help)", argv[1]);
    ReportError(message);
    return kExitUsage;
  }
  HostOptions options;
  for (int i = 2; i < argc; ++i) {
    bool network = std::strcmp(argv[i], "--network") == 0, module = std::strcmp(argv[i], "--module") == 0;
    if (network || module) {
      if (i + 1 >= argc) {
        CString message;
        message.Format("%s needs a file name", argv[i]);
        ReportError(message);
        return kExitUsage;
      }
      (network ? options.networkPath : options.modulePath) = argv[++i];
    } else {
      options.args.emplace_back(argv[i]);
    }
  }
  try {
    return command->run(options);
  } catch (CException* e) {
    e->Delete();
    ReportError("out of memory");
    return kExitUsage;
  }
}
