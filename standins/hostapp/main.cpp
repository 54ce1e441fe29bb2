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
    {"translate", RunTranslateCommand, "translate [--network FILE] [--module DLL] TEXT|-   (-: the text from stdin)"},
    {"compile", RunCompileCommand, "compile [--network FILE] [--module DLL] PROGRAM|-   (-: the program from stdin)"},
    {"edit", RunEditCommand,
     "edit [--network FILE] [--module DLL] [--check-input ok|always] [--click-exchange on|off] [TEXT]   (opens a window)"},
};

// The words of the base dialog's choices, the one for 0 first.
const char* const kCheckInputWords[] = {"ok", "always"};
const char* const kClickExchangeWords[] = {"off", "on"};

void PrintUsage(FILE* out) {
  CString usage("usage: mchost COMMAND [OPTIONS] [ARGS]\ncommands:\n");
  for (const Command& c : kCommands) usage.AppendFormat("  mchost %s\n", c.usage);
  if (out == stdout)
    WriteOut(usage);
  else
    std::fputs(usage, out);
}
}  // namespace

namespace {
int Run(const std::vector<CString>& argv) {
  const int argc = static_cast<int>(argv.size());
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? kExitUsage : kExitOk;
  }
  const Command* command = nullptr;
  for (const Command& c : kCommands)
    if (std::strcmp(c.name, argv[1]) == 0) command = &c;
  if (command == nullptr) {
    CString message;
    message.Format("unknown command '%s' (try mchost --help)", argv[1].GetString());
    ReportError(message);
    return kExitUsage;
  }
  HostOptions options;
  for (int i = 2; i < argc; ++i) {
    const bool network = argv[i] == "--network", module = argv[i] == "--module";
    const bool checkInput = argv[i] == "--check-input", clickExchange = argv[i] == "--click-exchange";
    if (!network && !module && !checkInput && !clickExchange) {
      options.args.push_back(argv[i]);
      continue;
    }
    if (i + 1 >= argc) {
      CString message;
      message.Format("%s needs %s", argv[i].GetString(), network || module ? "a file name" : "a value");
      ReportError(message);
      return kExitUsage;
    }
    const CString& value = argv[++i];
    if (network || module) {
      (network ? options.networkPath : options.modulePath) = value;
      continue;
    }
    // The base dialog's choices: only the editor has a use for them.
    if (command->run != RunEditCommand) {
      CString message;
      message.Format("%s is an option of edit only", argv[i - 1].GetString());
      ReportError(message);
      return kExitUsage;
    }
    const char* const* words = checkInput ? kCheckInputWords : kClickExchangeWords;
    if (value != words[0] && value != words[1]) {
      CString message;
      message.Format("%s takes %s or %s, not '%s'", argv[i - 1].GetString(), words[0], words[1], value.GetString());
      ReportError(message);
      return kExitUsage;
    }
    (checkInput ? options.editChoices.bCheckInputAlways : options.editChoices.bClickExchange) = value == words[1];
  }
  try {
    return command->run(options);
  } catch (const CHostOutOfMemory& oom) {
    ReportOutOfMemory(oom);
  } catch (CException* e) {
    e->Delete();
    ReportOutOfMemory({"", nullptr, nullptr});
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory({"", nullptr, nullptr});
  } catch (const std::length_error&) {
    ReportOutOfMemory({"", nullptr, nullptr});
  }
  return kExitUsage;
}
}  // namespace

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  // The arguments as the user typed them, in the code page the module takes.
  std::vector<CString> argv;
  if (!ReadArguments(argv)) return kExitUsage;
  return FinishOutput(Run(argv));
}
