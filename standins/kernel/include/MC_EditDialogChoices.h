// What hosts' base editor dialogs do differently, offered by this kernel as choices so that an
// element's editor can be run under each. The host sets them before it opens an editor.
#pragma once

#include "mckernel.h"

struct MC_EDITDLG_CHOICES {
  // Nonzero: m_checkInput is set from the dialog's creation to its end; 0: for the exchange of
  // OK only.
  int bCheckInputAlways;
  // Nonzero: a click on a radio button or check box runs a save exchange and, when it passes, a
  // load exchange; 0: a click runs no exchange.
  int bClickExchange;
};

// The defaults: m_checkInput for OK's exchange only, and clicks that exchange.
MCK_API MC_EDITDLG_CHOICES MC_GetEditDialogChoices();
MCK_API void MC_SetEditDialogChoices(MC_EDITDLG_CHOICES choices);
