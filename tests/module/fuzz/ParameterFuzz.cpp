// Arbitrary bytes as an element's parameter text. Whatever the text, reading never faults and
// reports every error as whole lines; a text that reads without error translates into indented
// lines and writes back to a text that reads into the same fields and the same program, also
// when written over itself. Over any text, valid or not, the items written read back as written
// and the items of other keys stay.
#include <cstddef>
#include <cstdint>

#include "ElementExports.h"
#include "FuzzChecks.h"
#include "FuzzNetwork.h"

namespace {
CFuzzNetwork& Network() {
  static CFuzzNetwork network;
  return network;
}

// What an element read from text gives on a second reading of text.
void CheckRereads(const CInternalData& element, CString& text, const CString& code, const char* pszWhat) {
  CFuzzNetwork& network = Network();
  CInternalData copy(network.Setup(), network.Motion());
  CString errors;
  FuzzCheck(copy.ReadParameters(text, errors) == 1, pszWhat);
  FuzzCheck(SameFields(element, copy), pszWhat);
  FuzzCheck(SameBytes(copy.GenerateCode(), code), pszWhat);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  CFuzzNetwork& network = Network();
  const CString original(reinterpret_cast<const char*>(data), static_cast<int>(size));
  CString text(original);
  CInternalData element(network.Setup(), network.Motion());
  CString errors("left over");
  int result = element.ReadParameters(text, errors);
  FuzzCheck(SameBytes(text, original), "reading leaves the text as it was");
  FuzzCheck(result == (errors.IsEmpty() ? 1 : 0), "the result is 1 exactly when the error text is empty");
  FuzzCheck(AreLines(errors, false), "every error line ends in \\r\\n");

  // The editor writes over the text it read, whether or not the text was valid.
  CString merged(original);
  element.WriteParameters(merged);
  FuzzCheck(KeepsOtherItems(original, merged), "writing over a text keeps its other items");
  FuzzCheck(ReadsBackAsWritten(element, merged), "the items written over a text read back as written");

  CString out("left over");
  int exported = TranslateMotionSequence(&network.Setup(), &network.Motion(), &text, &out);
  FuzzCheck(exported == result, "the export gives the result of reading");
  if (result == 0) {
    FuzzCheck(SameBytes(out, errors), "a refused text gives its error lines");
    return 0;
  }

  CString code = element.GenerateCode();
  FuzzCheck(!code.IsEmpty() && AreLines(code, true), "generated lines start with two blanks and end in \\r\\n");
  FuzzCheck(SameBytes(out, code), "the export gives the generated lines");
  if (element.m_type == CallFunction) {
    int number = element.m_slaveMotion->FindFunction(element.m_functionName);
    FuzzCheck(SameBytes(element.m_slaveMotion->GetFunctionName(number), element.m_functionName),
              "the function called is the one the text names");
  }

  CString written;
  element.WriteParameters(written);
  CheckRereads(element, written, code, "the fields written to empty text read back the same");
  CheckRereads(element, merged, code, "the fields written over the text they came from read back the same");
  return 0;
}
