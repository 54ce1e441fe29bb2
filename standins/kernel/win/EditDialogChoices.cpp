#include "MC_EditDialogChoices.h"

#include <atomic>
#include <cstddef>
#include <iterator>

namespace {
constexpr std::size_t kChoices = std::size(kEditDialogChoices);

// Set by the host, read by every dialog it opens, on any thread.
struct CStoredChoices {
  std::atomic<int> values[kChoices];
  CStoredChoices() {
    for (std::size_t i = 0; i < kChoices; ++i) values[i].store(kEditDialogChoices[i].nDefault);
  }
};
CStoredChoices& Stored() {
  static CStoredChoices stored;
  return stored;
}
}  // namespace

MC_EDITDLG_CHOICES MC_GetEditDialogChoices() {
  MC_EDITDLG_CHOICES choices;
  for (std::size_t i = 0; i < kChoices; ++i) choices.*kEditDialogChoices[i].pMember = Stored().values[i].load();
  return choices;
}

void MC_SetEditDialogChoices(MC_EDITDLG_CHOICES choices) {
  for (std::size_t i = 0; i < kChoices; ++i) Stored().values[i].store(choices.*kEditDialogChoices[i].pMember != 0);
}
