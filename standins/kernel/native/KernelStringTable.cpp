// Native core build: the kernel's message strings, registered at start-up.
#include "../KernelStrings.h"
#include "StringResource.h"

namespace {
const AFX_STRING_ENTRY kKernelStrings[] = {
    {IDS_MC_SLAVE_REQUIRED, IDS_MC_SLAVE_REQUIRED_TEXT},
    {IDS_MC_INVALID_VALUE, IDS_MC_INVALID_VALUE_TEXT},
    {IDS_MC_NUMBER_REQUIRED, IDS_MC_NUMBER_REQUIRED_TEXT},
};
struct Registrar {
  Registrar() { AfxRegisterStringTable(kKernelStrings, sizeof kKernelStrings / sizeof kKernelStrings[0]); }
} g_registrar;
}  // namespace
