// The window classes of the shared library that the module's code names: command targets and
// their message maps, windows, dialogs, controls, dialog data exchange, the application object
// and message boxes. Declarations only, with the signatures of the library's reference.
#pragma once

#include "afx.h"

class CWnd;
class CDataExchange;

// Message maps. A map entry names its handler by a pointer to member (&CMyDialog::OnThing).
class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)(void);

enum AfxSig { AfxSig_end = 0, AfxSigCmd_v = 12 };

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT_PTR nSig;
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
  static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
  virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                          \
    typedef theClass ThisClass;                                                     \
    typedef baseClass TheBaseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}                                                         \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, (WORD)wNotifyCode, (WORD)id, (WORD)id, AfxSigCmd_v, (static_cast<AFX_PMSG>(memberFxn))},
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (WORD)id, (WORD)id, AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)

#define CN_COMMAND 0

class CCmdTarget : public CObject {
public:
  CCmdTarget();

  DECLARE_MESSAGE_MAP()
};

class CWnd : public CCmdTarget {
public:
  CWnd();
  virtual ~CWnd();

  HWND m_hWnd;

  static const MSG* PASCAL GetCurrentMessage();
  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  void SetWindowText(LPCTSTR lpszString);
  void GetWindowText(CString& rString) const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};

class CDialog : public CWnd {
public:
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  virtual ~CDialog();

  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);

protected:
  virtual void OnOK();
  virtual void OnCancel();

  DECLARE_MESSAGE_MAP()
};

class CComboBox : public CWnd {
public:
  CComboBox();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int AddString(LPCTSTR lpszString);
  void ResetContent();
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
};

class CListBox : public CWnd {
public:
  CListBox();
  int GetCount() const;
  int AddString(LPCTSTR lpszItem);
  void ResetContent();
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  int SetSel(int nIndex, BOOL bSelect = TRUE);
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;
};

class CDataExchange {
public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;

  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  void Fail();
};

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

class CWinThread : public CCmdTarget {
public:
  CWnd* m_pMainWnd;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
};

class CWinApp : public CWinThread {
public:
  explicit CWinApp(LPCTSTR lpszAppName = NULL);
  virtual ~CWinApp();

  LPCTSTR m_pszAppName;
  HINSTANCE m_hInstance;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  DECLARE_MESSAGE_MAP()
};

CWinApp* AFXAPI AfxGetApp();
CWnd* AFXAPI AfxGetMainWnd();

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
