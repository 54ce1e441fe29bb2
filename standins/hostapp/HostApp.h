// The host's application object: its name captions the host's message boxes, and it answers the
// help commands that an element's editor routes to it (Help button, F1, the context-help mark).
#pragma once

#include "afxwin.h"

class CHostApp : public CWinApp {
public:
  CHostApp();

  // The element whose editor is open: help shows its topic.
  void SetHelpElement(const char* pszName) { m_helpElement = pszName; }

protected:
  void OnHelp();

  CString m_helpElement;

  DECLARE_MESSAGE_MAP()
};

extern CHostApp theApp;
