#include "SlaveManagementApp.h"

// Defined together so that the module state is built before the application object and
// destroyed after it.
AFX_MODULE_STATE g_moduleState(TRUE);
CSlaveManagementApp theApp;

CSlaveManagementApp::CSlaveManagementApp() : CWinApp(nullptr) {}

BEGIN_MESSAGE_MAP(CSlaveManagementApp, CWinApp)
END_MESSAGE_MAP()
