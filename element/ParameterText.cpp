// The element's parameter text: its items, their validation against the master and the chosen
// slave, and the default text.
#include <cstring>

#include "ElementKeys.h"
#include "InternalData.h"
#include "MC_Messages.h"

CString InvalidValueLine(ElementKey key) {
  CString message, line;
  message.LoadString(IDS_MC_INVALID_VALUE);
  // Room for the line end too, so that the line is allocated once.
  line.Preallocate(message.GetLength() + static_cast<int>(std::strlen(g_elementKeys[key])) + 2);
  line.AppendFormat(message, g_elementKeys[key]);
  line += "\r\n";
  return line;
}

int CInternalData::ReadParameters(CString& text, CString& errors) {
  CString keyError;
  errors.Empty();
  errors += ReadRadioParam(text, g_elementKeys[kKeyType], m_type, InitSlaves, AbortFunction);
  // A timeout out of range is read as the number it is, for the editor to show and refuse while
  // it is the operation's; for any other operation a timeout that does not read is 0, valid.
  const int nErrorLength = errors.GetLength();
  errors += ReadOptionalDataParam(text, g_elementKeys[kKeyTimeout], nullptr, nullptr, m_timeout, m_timeoutUsed);
  if (errors.GetLength() != nErrorLength && m_type != InitSlaves) m_timeout.SetValue(0.0);

  bool slaveAccepted = false;
  if (m_type != InitSlaves) {
    int count = m_setup.GetMotionControllerSlaveCount();
    keyError = ReadRadioParam(text, g_elementKeys[kKeySlave], m_slave, 0, count);
    if (keyError.IsEmpty()) {
      unsigned char axisID = 0;
      if (!m_setup.MotionController_GetAxisIDOfSlave(static_cast<unsigned char>(m_slave), axisID) || axisID == 0)
        keyError = InvalidValueLine(kKeySlave);
      else
        slaveAccepted = true;
    }
    errors += keyError;
  }
  ResolveSlave();
  // Abort tests nothing of the slave after its axis ID; a slave dropped here would give a line
  // that names no slave.
  if (m_type == AbortFunction && slaveAccepted && m_slave < 0) errors += InvalidValueLine(kKeySlave);

  if (m_type == SendErrorMask) {
    keyError = ReadHexaParam(text, g_elementKeys[kKeyErrorMask], m_errorMask, 0, 0xFFFFFFFFu);
    if (keyError.IsEmpty() && (!CanSendErrorMask() || (m_errorMask & ~m_slaveSetup->GetErrorRegMask()) != 0))
      keyError = InvalidValueLine(kKeyErrorMask);
    errors += keyError;
  } else if (m_type == CallFunction) {
    keyError = ReadStringParam(text, g_elementKeys[kKeyFunction], m_functionName);
    if (keyError.IsEmpty() && (!CanCallFunction() || m_slaveMotion->FindFunction(m_functionName) < 0))
      keyError = InvalidValueLine(kKeyFunction);
    errors += keyError;
    ReadOptionalRadioParam(text, g_elementKeys[kKeyWait], m_waitForCompletion, 0, 1);
  }
  return errors.IsEmpty() ? 1 : 0;
}

void CInternalData::WriteParameters(CString& text) {
  // Written into a copy that replaces the text once it is complete: memory that runs out half
  // way leaves the caller's text as it was, not half written.
  CString written(text);
  WriteRadioParam(written, g_elementKeys[kKeyType], m_type);
  if (m_type == InitSlaves) {
    WriteDataParam(written, m_timeout);
  } else {
    // Every operation reads the timeout: one that does not read would refuse the text written
    // here, so the element's valid timeout goes over it.
    CMC_Parameter timeout(m_timeout);
    int present = 0;
    if (!ReadOptionalDataParam(written, g_elementKeys[kKeyTimeout], nullptr, nullptr, timeout, present).IsEmpty()) {
      m_timeout.SetName(timeout.GetName());
      WriteDataParam(written, m_timeout);
    }
    WriteRadioParam(written, g_elementKeys[kKeySlave], m_slave);
    if (m_type == SendErrorMask) WriteHexaParam(written, g_elementKeys[kKeyErrorMask], m_errorMask);
    if (m_type == CallFunction) {
      WriteStringParam(written, g_elementKeys[kKeyFunction], m_functionName);
      // Written in the plain form although it is read as optional.
      WriteRadioParam(written, g_elementKeys[kKeyWait], m_waitForCompletion);
    }
  }
  text = written;
}

CString CInternalData::BuildDefaultParameters() {
  CString text;
  WriteRadioParam(text, g_elementKeys[kKeyType], InitSlaves);
  // The name the later read of the timeout looks for: same key, same null qualifiers.
  CString name = GetDataParamName(g_elementKeys[kKeyTimeout], nullptr, nullptr);
  CString unit = GetDefaultUnit(g_elementKeys[kKeyTimeout], nullptr, nullptr);
  m_motion.AddToElemParameters(text, name, unit, "5");
  return text;
}
