#include "HostApp.h"

#include <cstring>

#include "HostResource.h"
#include "afxres.h"

namespace {
// The host's help topics, one per element it knows, in its own string table.
struct HelpTopic {
  const char* pszElement;
  UINT nIDText;
};
const HelpTopic kHelpTopics[] = {{"Slave Management", IDS_HELP_SLAVE_MANAGEMENT}};
}  // namespace

CHostApp theApp;

CHostApp::CHostApp() : CWinApp(MCHOST_APP_NAME) {}

void CHostApp::OnHelp() {
  for (const HelpTopic& topic : kHelpTopics)
    if (std::strcmp(topic.pszElement, m_helpElement) == 0) {
      AfxMessageBox(topic.nIDText, MB_ICONINFORMATION);
      return;
    }
  CString text;
  text.Format(IDS_HELP_NO_TOPIC, m_helpElement.GetString());
  AfxMessageBox(text, MB_ICONINFORMATION, IDS_HELP_NO_TOPIC);
}

BEGIN_MESSAGE_MAP(CHostApp, CWinApp)
  ON_COMMAND(ID_HELP, &CHostApp::OnHelp)
  ON_COMMAND(ID_DEFAULT_HELP, &CHostApp::OnHelp)
END_MESSAGE_MAP()
