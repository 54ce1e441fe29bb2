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
  const char* args;  // what follows the options in the usage
};

const Command kCommands[] = {
    {"info", RunInfoCommand, ""},
    {"default", RunDefaultCommand, ""},
    {"translate", RunTranslateCommand, "TEXT|-   (-: the text from stdin)"},
    {"compile", RunCompileCommand, "PROGRAM|-   (-: the program from stdin)"},
    {"edit", RunEditCommand, "[TEXT]   (opens a window)"},
};

// The base dialog's choices, edit's alone: "[--check-input ok|always]", the default word first.
void AppendChoiceUsage(CString& usage) {
  for (const MC_EDITDLG_CHOICE& choice : kEditDialogChoices)
    usage.AppendFormat(" [%s %s|%s]", choice.pszOption, choice.pszDefaultWord, choice.pszOtherWord);
}

void PrintUsage(FILE* out) {
  CString usage("usage: mchost COMMAND [OPTIONS] [ARGS]\ncommands:\n");
  for (const Command& c : kCommands) {
    usage.AppendFormat("  mchost %s [--network FILE] [--module DLL]", c.name);
    if (c.run == RunEditCommand) AppendChoiceUsage(usage);
    usage.AppendFormat("%s%s\n", *c.args ? " " : "", c.args);
  }
  usage += "edit's choices of the base dialog: the first word is the default\n";
  if (out == stdout)
    WriteOut(usage);
  else
    std::fputs(usage, out);
}

const MC_EDITDLG_CHOICE* FindChoice(const CString& option) {
  for (const MC_EDITDLG_CHOICE& choice : kEditDialogChoices)
    if (option == choice.pszOption) return &choice;
  return nullptr;
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
    const MC_EDITDLG_CHOICE* choice = FindChoice(argv[i]);
    if (!network && !module && choice == nullptr) {
      options.args.push_back(argv[i]);
      continue;
    }
    if (i + 1 >= argc) {
      CString message;
      message.Format("%s needs %s", argv[i].GetString(), choice == nullptr ? "a file name" : "a value");
      ReportError(message);
      return kExitUsage;
    }
    const CString& value = argv[++i];
    if (choice == nullptr) {
      (network ? options.networkPath : options.modulePath) = value;
      continue;
    }
    // The base dialog's choices: only the editor has a use for them.
    if (command->run != RunEditCommand) {
      CString message;
      message.Format("%s is an option of edit only", choice->pszOption);
      ReportError(message);
      return kExitUsage;
    }
    if (value != choice->pszDefaultWord && value != choice->pszOtherWord) {
      CString message;
      message.Format("%s takes %s or %s, not '%s'", choice->pszOption, choice->pszDefaultWord, choice->pszOtherWord,
                     value.GetString());
      ReportError(message);
      return kExitUsage;
    }
    options.editChoices.*choice->pMember = value == choice->pszDefaultWord ? choice->nDefault : !choice->nDefault;
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
