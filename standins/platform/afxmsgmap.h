// Command targets and message maps: static tables of (notification, control, handler), each
// chained to its base class's table.
#pragma once

#include "afxwindows.h"

#include "afxver.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

enum AfxSig : UINT {
  AfxSig_end = 0,
  AfxSig_vv = 1,  // void handler(void)
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT nSig;
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

class AFX_API CCmdTarget {
public:
  CCmdTarget();
  virtual ~CCmdTarget();
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // Heap objects of the platform come from its heap and fail with CMemoryException*.
  static void* operator new(std::size_t nSize);
  static void operator delete(void* p);

  // Runs the first handler of the map chain for this command; FALSE when none is mapped.
  virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                   \
protected:                                      \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                             \
    typedef theClass ThisClass;                                                 \
    typedef baseClass TheBaseClass;                                             \
    (void)sizeof(ThisClass*);                                                   \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                          \
  {0, 0, 0, 0, AfxSig_end, static_cast<AFX_PMSG>(nullptr)}                         \
  }                                                                                \
  ;                                                                                \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                              \
  }

// memberFxn is a pointer to member, &CMyDialog::OnThing, as the shared library's maps take it.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, (UINT)(wNotifyCode), (UINT)(WORD)(id), (UINT)(WORD)(id), AfxSig_vv, static_cast<AFX_PMSG>(memberFxn)},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
