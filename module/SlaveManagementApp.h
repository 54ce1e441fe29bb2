// The module's one application object. It adds nothing to the platform's defaults.
#pragma once

#include "afxwin.h"

class CSlaveManagementApp : public CWinApp {
public:
  CSlaveManagementApp();

  DECLARE_MESSAGE_MAP()
};

extern CSlaveManagementApp theApp;
