// The parameter-text operations of the element data base: each read finds the one item of its
// key, checks the item's form, then converts and range-checks the value.
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "MC_EditMotionInternalData.h"
#include "MC_Motion.h"
#include "MC_Parameter.h"
#include "ParameterTextReader.h"
#include "ParameterTextWriter.h"
#include "ParameterValueText.h"
#include "SharedNames.h"
#include "TimeValue.h"

namespace {
CString ErrorLine(const char* pszKey, const char* pszFormat, const char* pszDetail = "", const char* pszMore = "") {
  CString line;
  line.Format("Parameter %s", pszKey);
  line.AppendFormat(pszFormat, pszDetail, pszMore);
  line += ".\r\n";
  return line;
}

CString Echo(const MC_PARAM_ITEM& item) { return MC_EchoValue(item.value, item.valueLength); }

// The one well-formed item of the key. False with the error line, which stays empty when the
// item is merely absent.
bool FindItem(const CString& text, const char* pszKey, MC_PARAM_ITEM& item, CString& error) {
  CParameterTextReader reader(text, text.GetLength());
  int count = reader.Find(pszKey, item);
  if (count == 1 && item.hasEquals && !item.unterminated && item.hasSemicolon) return true;
  if (count > 1)
    error = ErrorLine(pszKey, " is given more than once");
  else if (count == 1 && !item.hasEquals)
    error = ErrorLine(pszKey, " has no '=' after its name");
  else if (count == 1 && item.unterminated)
    error = ErrorLine(pszKey, ": the text in double quotes has no closing quote");
  else if (count == 1)
    error = ErrorLine(pszKey, ": ';' is missing after the value");
  return false;
}

CString MissingLine(const char* pszKey) { return ErrorLine(pszKey, " is missing"); }

// A whole number of the item, parsed as Wide and range-checked; empty text on success.
template <class T, class Wide>
CString ReadRanged(const CString& text, const char* pszKey, T& field, T min, T max, bool optional,
                   bool (*parse)(const char*, int, Wide&, bool&), const char* pszNotNumber, const char* pszRange) {
  MC_PARAM_ITEM item;
  CString error;
  if (!FindItem(text, pszKey, item, error)) return error.IsEmpty() && !optional ? MissingLine(pszKey) : error;
  Wide value = 0;
  bool overflow = false;
  if (item.quoted || !parse(item.value, item.valueLength, value, overflow)) return ErrorLine(pszKey, pszNotNumber, Echo(item));
  if (overflow || value < min || value > max) {
    CString range;
    range.Format(pszRange, min, max);
    return ErrorLine(pszKey, ": %s is out of range (%s)", Echo(item), range);
  }
  field = static_cast<T>(value);
  return error;
}

CString ReadInteger(const CString& text, const char* pszKey, int& field, int min, int max, bool optional) {
  return ReadRanged<int, long long>(text, pszKey, field, min, max, optional, MC_ParseInteger,
                                    ": \"%s\" is not a whole number", "%d to %d");
}

CString UnitList() {
  CString list;
  for (int i = 0; i < CMC_Parameter::GetUnitCount(); ++i) {
    if (i > 0) list += i + 1 < CMC_Parameter::GetUnitCount() ? ", " : " or ";
    list += CMC_Parameter::GetUnitName(i);
  }
  return list;
}

// The physical value of the item into value (a copy of the field); empty text on success.
CString ReadPhysical(const MC_PARAM_ITEM& item, const char* pszKey, CMC_Parameter& value) {
  int numberLength = 0, unitLength = 0;
  const char* unit = nullptr;
  auto notATime = [&] { return ErrorLine(pszKey, ": \"%s\" is not a number with its unit in square brackets", Echo(item)); };
  if (item.quoted || !MC_SplitPhysical(item.value, item.valueLength, numberLength, unit, unitLength)) return notATime();
  char unitName[16] = "";
  bool plain = unitLength < static_cast<int>(sizeof unitName) && std::memchr(unit, '\0', static_cast<std::size_t>(unitLength)) == nullptr;
  if (plain) std::memcpy(unitName, unit, static_cast<std::size_t>(unitLength));
  bool known = plain && value.SelectUnit(unitName);
  double number = 0;
  MC_TIME_CHECK check = MC_CheckTime(item.value, numberLength, value, number);
  if (check == MC_TIME_NOT_A_NUMBER) return notATime();
  if (!known) return ErrorLine(pszKey, ": unknown unit \"%s\" (%s)", MC_EchoValue(unit, unitLength), UnitList());
  if (check == MC_TIME_OUT_OF_RANGE) {
    CString range;
    range.Format("0 to %.0f control-loop periods", kMC_MaxControlLoopPeriods);
    return ErrorLine(pszKey, ": %s is out of range (%s)", Echo(item), range);
  }
  value.SetValue(number);
  return CString();
}
}  // namespace

CString CMC_EditMotionInternalData::ReadRadioParam(CString& text, const char* key, int& field, int min, int max) {
  return ReadInteger(text, key, field, min, max, false);
}

void CMC_EditMotionInternalData::ReadOptionalRadioParam(CString& text, const char* key, int& field, int min, int max) {
  ReadInteger(text, key, field, min, max, true);
}

CString CMC_EditMotionInternalData::ReadHexaParam(CString& text, const char* key, uint32_t& field, uint32_t min,
                                                  uint32_t max) {
  return ReadRanged<uint32_t, unsigned long long>(
      text, key, field, min, max, false, MC_ParseHexa,
      ": \"%s\" is not a hexadecimal number (0x and hexadecimal digits)", "0x%X to 0x%X");
}

CString CMC_EditMotionInternalData::ReadStringParam(CString& text, const char* key, CString& field) {
  MC_PARAM_ITEM item;
  CString error;
  if (!FindItem(text, key, item, error)) return error.IsEmpty() ? MissingLine(key) : error;
  if (!item.quoted) return ErrorLine(key, ": \"%s\" is not a text in double quotes", Echo(item));
  // A name ends at its first NUL wherever the kernel takes it as const char*: "F5\0x" would be
  // checked and called as F5 but written back whole.
  if (std::memchr(item.value, '\0', static_cast<std::size_t>(item.valueLength)) != nullptr)
    return ErrorLine(key, ": the text in double quotes holds a NUL character");
  field = MC_UnquoteString(item.value, item.valueLength);
  return error;
}

CString CMC_EditMotionInternalData::ReadOptionalDataParam(CString& text, const char* key, const char* p1,
                                                          const char* p2, CMC_Parameter& field, int& present) {
  CString name = GetDataParamName(key, p1, p2);
  field.SetName(name);
  MC_PARAM_ITEM item;
  CString error;
  if (!FindItem(text, name, item, error)) {
    present = error.IsEmpty() ? 0 : 1;
    return error;
  }
  present = 1;
  CMC_Parameter value(field);
  error = ReadPhysical(item, name, value);
  if (error.IsEmpty()) field = value;
  return error;
}

void CMC_EditMotionInternalData::WriteRadioParam(CString& text, const char* key, int value) {
  char buffer[16];
  int n = std::snprintf(buffer, sizeof buffer, "%d", value);
  MC_SetParameterItem(text, key, buffer, n);
}

void CMC_EditMotionInternalData::WriteHexaParam(CString& text, const char* key, uint32_t value) {
  char buffer[16];
  int n = std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
  MC_SetParameterItem(text, key, buffer, n);
}

void CMC_EditMotionInternalData::WriteStringParam(CString& text, const char* key, const CString& value) {
  CString quoted = MC_QuoteString(value, value.GetLength());
  MC_SetParameterItem(text, key, quoted, quoted.GetLength());
}

void CMC_EditMotionInternalData::WriteDataParam(CString& text, const CMC_Parameter& value) {
  if (value.GetName().IsEmpty()) return;
  m_motion.AddToElemParameters(text, value.GetName(), value.GetSelectedUnit(), value.PrintValue());
}

CString CMC_EditMotionInternalData::GetDataParamName(const char* key, const char* p1, const char* p2) {
  bool qualified = (p1 != nullptr && *p1 != '\0') || (p2 != nullptr && *p2 != '\0');
  if (!qualified) return MC_SharedName(key);
  CString name(key);
  for (const char* qualifier : {p1, p2})
    if (qualifier != nullptr && *qualifier != '\0') {
      name += '_';
      name += qualifier;
    }
  return name;
}

CString CMC_EditMotionInternalData::GetDefaultUnit(const char*, const char*, CMC_Setup*) {
  return MC_SharedName(CMC_Parameter::GetUnitName(0));
}
