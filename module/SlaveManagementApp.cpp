#include "SlaveManagementApp.h"

CSlaveManagementApp theApp;

CSlaveManagementApp::CSlaveManagementApp() : CWinApp(nullptr) {}

BEGIN_MESSAGE_MAP(CSlaveManagementApp, CWinApp)
END_MESSAGE_MAP()
