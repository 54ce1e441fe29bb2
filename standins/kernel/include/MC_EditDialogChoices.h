// What hosts' base editor dialogs do differently, offered by this kernel as choices so that an
// element's editor can be run under each. The host sets them before it opens an editor.
#pragma once

#include "mckernel.h"

// Each choice once, as CHOICE(member, option, default word, other word, default value): the
// structure and the rows below, mchost edit's options and usage, and the editor tests'
// combinations all come from here (docs/ELEMENT.md is checked against it). A new choice is a row
// here and its behaviour in win/EditMotionDlg.cpp.
//   bCheckInputAlways: m_checkInput is set for the exchange of OK only (0), or from the dialog's
//     creation to its end.
//   bClickExchange: a click on a radio button or check box runs a save exchange and, when it
//     passes, a load exchange (1), or no exchange.
#define MC_EDITDLG_CHOICE_TABLE(CHOICE) \
  CHOICE(bCheckInputAlways, "--check-input", "ok", "always", 0) \
  CHOICE(bClickExchange, "--click-exchange", "on", "off", 1)

struct MC_EDITDLG_CHOICES {
#define MC_EDITDLG_CHOICE_MEMBER(member, option, defaultWord, otherWord, defaultValue) int member;
  MC_EDITDLG_CHOICE_TABLE(MC_EDITDLG_CHOICE_MEMBER)
#undef MC_EDITDLG_CHOICE_MEMBER
};

// One row of the table, for code that walks the choices.
struct MC_EDITDLG_CHOICE {
  const char* pszOption;
  const char* pszDefaultWord;
  const char* pszOtherWord;
  int nDefault;  // 0 or 1: the value of the default word
  int MC_EDITDLG_CHOICES::*pMember;
};
inline const MC_EDITDLG_CHOICE kEditDialogChoices[] = {
#define MC_EDITDLG_CHOICE_ROW(member, option, defaultWord, otherWord, defaultValue) \
  {option, defaultWord, otherWord, defaultValue, &MC_EDITDLG_CHOICES::member},
    MC_EDITDLG_CHOICE_TABLE(MC_EDITDLG_CHOICE_ROW)
#undef MC_EDITDLG_CHOICE_ROW
};

// The defaults are the table's until the host sets others.
MCK_API MC_EDITDLG_CHOICES MC_GetEditDialogChoices();
MCK_API void MC_SetEditDialogChoices(MC_EDITDLG_CHOICES choices);
