// The motion-program lines of each operation. Every line starts with two blanks and ends with
// "\r\n"; the master addresses a slave by its letter, "A" for index 0.
#include "ElementKeys.h"
#include "InternalData.h"

namespace {
const char kTimeoutLine[] = "  TIMEOUT %s; // Set wait timeout to %s[%s]\r\n";
const char kInitSlavesLine[] = "  INITSLAVES; //Initialize the slaves\r\n";
const char kErrorMaskLine[] = "  (%c) { %s = 0x%lX; } //Set send error mask on slave %c\r\n";
const char kCallLine[] = "  (%c) { FUNCTION %d; } //Call function %s on slave %c\r\n";
const char kWaitLine[] = "  WOF(%c); //Wait for function completion\r\n";
const char kAbortLine[] = "  (%c) { ABORT; } //Abort last function call on slave %c\r\n";
// Room for two lines, so that the text grows at most once.
const int kCodeCapacity = 160;

// A name that would break or garble the line it is written into.
bool HasControlCharacter(const CString& name) {
  const char* p = name.GetString();
  for (int i = 0, n = name.GetLength(); i < n; ++i) {
    unsigned char ch = static_cast<unsigned char>(p[i]);
    if (ch < 0x20 || ch == 0x7F) return true;
  }
  return false;
}
}  // namespace

CString CInternalData::GenerateCode() {
  CString code;
  GenerateCode(code);
  return code;
}

void CInternalData::GenerateCode(CString& code) {
  if (m_type < InitSlaves || m_type > AbortFunction) return;
  int letter = 'A' + m_slave;
  int number = 0;
  if (m_type == CallFunction) {
    number = m_slaveMotion->FindFunction(m_functionName);
    // A host that no longer finds the function it found when validating would have the master
    // call a negative number, and a host whose function name holds a line break would end the
    // line inside its comment: generate nothing, which the export refuses.
    if (number < 0 || HasControlCharacter(m_functionName)) return;
  }
  code.Preallocate(code.GetLength() + kCodeCapacity);
  switch (m_type) {
    case InitSlaves:
      code.AppendFormat(kTimeoutLine, m_timeout.PrintValueForQEL().GetString(), m_timeout.PrintValue().GetString(),
                        m_timeout.GetSelectedUnit().GetString());
      code += kInitSlavesLine;
      break;
    case SendErrorMask:
      // "%lX" takes a 32-bit value on this platform.
      code.AppendFormat(kErrorMaskLine, letter, g_elementKeys[kKeyErrorMask], m_errorMask, letter);
      break;
    case CallFunction:
      code.AppendFormat(kCallLine, letter, number, m_functionName.GetString(), letter);
      if (m_waitForCompletion != 0) code.AppendFormat(kWaitLine, letter);
      break;
    case AbortFunction: code.AppendFormat(kAbortLine, letter, letter); break;
    default: break;
  }
}
