// The data of one "Slave Management" element: the operation, the slave it acts on with that
// slave's own setup and motion program, and the operation's values.
#pragma once

#include <cstdint>

#include "MC_Kernel.h"

enum OperationType : int {
  NoOperation = -1,  // the editor's "none chosen"; never valid in parameter text
  InitSlaves = 0,
  SendErrorMask = 1,
  CallFunction = 2,
  AbortFunction = 3,
};

class CInternalData : public CMC_EditMotionInternalData {
public:
  CInternalData(CMC_Setup& setup, CMC_Motion& motion);
  ~CInternalData() override;

  // Reads the operation's items and validates them against the master and the slave; every
  // invalid key adds one line to errors, in key order. 1 when errors ends up empty, else 0.
  int ReadParameters(CString& text, CString& errors) override;
  // Writes the items of the current operation into text, replacing or appending each.
  void WriteParameters(CString& text) override;
  // The text of a new element: InitSlaves with a wait timeout of 5 in the timeout's default unit.
  CString BuildDefaultParameters();
  // The operation's motion-program lines; relies on a successful ReadParameters. Empty when
  // there is nothing to translate: an operation outside 0 to 3, or a call of a function that the
  // slave's program no longer finds or whose name holds a control character.
  CString GenerateCode();
  // The same lines appended to code, which needs no allocation when code has room for them.
  void GenerateCode(CString& code);

  // Turns m_slave into the slave's setup and motion program; a slave without a setup is dropped.
  void ResolveSlave();
  // 1 when the resolved slave has the variable "MER_MASK", else 0.
  int CanSendErrorMask();
  // 1 when the resolved slave's program has functions and the slave is no motion controller.
  int CanCallFunction();
  // Sets m_type to NoOperation when the resolved slave does not allow the chosen operation.
  // Aborting needs a slave that can call functions only when bAbortNeedsFunctions: an abort
  // read from parameter text is valid on any slave, one chosen anew is not.
  void DropUnavailableOperation(bool bAbortNeedsFunctions);

  int m_type;
  int m_timeoutUsed;
  CMC_Parameter m_timeout;
  int m_slave;
  CMC_Setup* m_slaveSetup;
  CMC_Motion* m_slaveMotion;
  uint32_t m_errorMask;
  CString m_functionName;
  int m_waitForCompletion;
};
