#include "MC_EditDialogChoices.h"

#include <atomic>

namespace {
// Set by the host, read by every dialog it opens, on any thread.
std::atomic<int> g_checkInputAlways{0};
std::atomic<int> g_clickExchange{1};
}  // namespace

MC_EDITDLG_CHOICES MC_GetEditDialogChoices() { return {g_checkInputAlways.load(), g_clickExchange.load()}; }

void MC_SetEditDialogChoices(MC_EDITDLG_CHOICES choices) {
  g_checkInputAlways.store(choices.bCheckInputAlways != 0);
  g_clickExchange.store(choices.bClickExchange != 0);
}
