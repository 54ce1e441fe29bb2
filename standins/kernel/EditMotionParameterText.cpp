// The parameter-text operations of the element data base: each read finds the one item of its
// key, checks the item's form, then converts and range-checks the value.
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "MC_EditMotionInternalData.h"
#include "MC_Motion.h"
#include "MC_Parameter.h"
#include "ParameterTextReader.h"
#include "ParameterTextWriter.h"
#include "ParameterValueText.h"
#include "SharedNames.h"
#include "ThreadTexts.h"
#include "TimeValue.h"

namespace {
// One allocation: the line's room is reserved before it is written.
CString ErrorLine(const char* pszKey, const char* pszFormat, const char* pszDetail = "", const char* pszMore = "") {
  const char kStart[] = "Parameter ", kEnd[] = ".\r\n";
  CString line;
  line.Preallocate(static_cast<int>(sizeof kStart + std::strlen(pszKey) + std::strlen(pszFormat) + std::strlen(pszDetail) +
                                    std::strlen(pszMore) + sizeof kEnd));
  line += kStart;
  line += pszKey;
  line.AppendFormat(pszFormat, pszDetail, pszMore);
  line += kEnd;
  return line;
}

MC_SHORT_TEXT Echo(const MC_PARAM_ITEM& item) { return MC_EchoValue(item.value, item.valueLength); }

// Counts the items of the key by reading the whole text, and gives the first one in item.
int ScanItems(const CString& text, const char* pszKey, MC_PARAM_ITEM& item) {
  CParameterTextReader reader(text, text.GetLength());
  return reader.Find(pszKey, item);
}

// Whether two keys of n characters whose first ones match are the same. Keys are short: a loop
// in line costs less than a call to memcmp.
bool SameKeyTail(const char* a, const char* b, int n) {
  for (int i = 1; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The one well-formed item of the key, through the index the calling thread lends pOwner. False
// with the error line, which stays empty when the item is merely absent.
bool FindItem(const void* pOwner, const CString& text, const char* pszKey, MC_PARAM_ITEM& item, CString& error) {
  CTextItemIndex* index = MC_GetThreadTexts().indexes.Claim(pOwner);
  int count = index != nullptr ? index->Find(text, pszKey, static_cast<int>(std::strlen(pszKey)), item)
                               : ScanItems(text, pszKey, item);
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
CString ReadRanged(const void* pOwner, const CString& text, const char* pszKey, T& field, T min, T max, bool optional,
                   bool (*parse)(const char*, int, Wide&, bool&), const char* pszNotNumber, const char* pszRange) {
  MC_PARAM_ITEM item;
  CString error;
  if (!FindItem(pOwner, text, pszKey, item, error)) return error.IsEmpty() && !optional ? MissingLine(pszKey) : error;
  Wide value = 0;
  bool overflow = false;
  if (item.quoted || !parse(item.value, item.valueLength, value, overflow)) return ErrorLine(pszKey, pszNotNumber, Echo(item));
  if (overflow || value < min || value > max) {
    MC_SHORT_TEXT range;
    std::snprintf(range.text, sizeof range.text, pszRange, min, max);
    return ErrorLine(pszKey, ": %s is out of range (%s)", Echo(item), range);
  }
  field = static_cast<T>(value);
  return error;
}

CString ReadInteger(const void* pOwner, const CString& text, const char* pszKey, int& field, int min, int max,
                    bool optional) {
  return ReadRanged<int, long long>(pOwner, text, pszKey, field, min, max, optional, MC_ParseInteger,
                                    ": \"%s\" is not a whole number", "%d to %d");
}

MC_SHORT_TEXT UnitList() {
  MC_SHORT_TEXT list;
  int length = 0;
  list.text[0] = '\0';
  for (int i = 0; i < CMC_Parameter::GetUnitCount() && length < static_cast<int>(sizeof list.text); ++i) {
    const char* separator = i == 0 ? "" : i + 1 < CMC_Parameter::GetUnitCount() ? ", " : " or ";
    length += std::snprintf(list.text + length, sizeof list.text - static_cast<std::size_t>(length), "%s%s", separator,
                            CMC_Parameter::GetUnitName(i));
  }
  return list;
}

// The physical value of the item into value (a copy of the field); empty text on success.
// bNumber tells whether value holds the item's number and unit, which a time out of range
// also gives.
CString ReadPhysical(const MC_PARAM_ITEM& item, const char* pszKey, CMC_Parameter& value, bool& bNumber) {
  bNumber = false;
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
  // An infinity has no text to show or write back.
  bNumber = std::isfinite(number);
  if (bNumber) value.SetValue(number);
  if (check == MC_TIME_OUT_OF_RANGE) {
    MC_SHORT_TEXT range;
    std::snprintf(range.text, sizeof range.text, "0 to %.0f control-loop periods", kMC_MaxControlLoopPeriods);
    return ErrorLine(pszKey, ": %s is out of range (%s)", Echo(item), range);
  }
  return CString();
}
}  // namespace

namespace {
enum : unsigned char { kHasEquals = 1, kQuoted = 2, kUnterminated = 4, kHasSemicolon = 8 };
}  // namespace

CTextItemIndex::~CTextItemIndex() {
  if (m_items != m_inline) AfxFreeMemory(m_items);
}

void CTextItemIndex::Reset() {
  m_text.Empty();
  if (m_items != m_inline) AfxFreeMemory(m_items);
  m_items = m_inline;
  m_capacity = kInlineItems;
  m_count = 0;
}

bool CTextItemIndex::Grow(const char* pRest, int nRestLength) {
  // Room for exactly the items there are, counted by reading the rest once: one allocation,
  // however long the items are.
  CParameterTextReader reader(pRest, nRestLength);
  MC_PARAM_ITEM item;
  long long wanted = m_count;
  while (reader.Next(item)) ++wanted;
  if (wanted > (1 << 26)) return false;
  int capacity = static_cast<int>(wanted);
  auto* items = static_cast<Item*>(AfxTryAllocMemory(static_cast<std::size_t>(capacity) * sizeof(Item)));
  if (items == nullptr) return false;
  std::memcpy(items, m_items, static_cast<std::size_t>(m_count) * sizeof(Item));
  if (m_items != m_inline) AfxFreeMemory(m_items);
  m_items = items;
  m_capacity = capacity;
  return true;
}

void CTextItemIndex::Build(const CString& text) {
  m_text = text;
  m_count = 0;
  CParameterTextReader reader(text, text.GetLength());
  MC_PARAM_ITEM item;
  while (reader.Next(item)) {
    if (m_count == m_capacity && !Grow(text.GetString() + item.begin, text.GetLength() - item.begin)) {
      m_count = -1;
      return;
    }
    const char* p = text;
    unsigned char flags = (item.hasEquals ? kHasEquals : 0) | (item.quoted ? kQuoted : 0) |
                          (item.unterminated ? kUnterminated : 0) | (item.hasSemicolon ? kHasSemicolon : 0);
    int value = item.value != nullptr ? static_cast<int>(item.value - p) : -1;
    m_items[m_count++] = {item.begin, item.end, item.keyLength, value, item.valueLength,
                          item.keyLength > 0 ? item.key[0] : '\0', flags};
  }
}

int CTextItemIndex::Find(const CString& text, const char* pszKey, int nKeyLength, MC_PARAM_ITEM& item) {
  // The same buffer is the same text: it cannot change while m_text shares it.
  if (m_text.GetString() != text.GetString()) Build(text);
  if (m_count < 0) return ScanItems(text, pszKey, item);
  const char* p = text;
  const Item* first = nullptr;
  int count = 0;
  const char firstChar = nKeyLength > 0 ? pszKey[0] : '\0';
  for (int i = 0; i < m_count; ++i) {
    const Item& candidate = m_items[i];
    if (candidate.keyLength == nKeyLength && candidate.firstChar == firstChar &&
        SameKeyTail(p + candidate.begin, pszKey, nKeyLength) && count++ == 0)
      first = &candidate;
  }
  if (first != nullptr) {
    item.begin = first->begin;
    item.end = first->end;
    item.key = p + first->begin;
    item.keyLength = first->keyLength;
    item.value = first->value >= 0 ? p + first->value : nullptr;
    item.valueLength = first->valueLength;
    item.hasEquals = (first->flags & kHasEquals) != 0;
    item.quoted = (first->flags & kQuoted) != 0;
    item.unterminated = (first->flags & kUnterminated) != 0;
    item.hasSemicolon = (first->flags & kHasSemicolon) != 0;
  }
  return count;
}

CTextItemIndexes::CTextItemIndexes() {
  for (const void*& owner : m_owners) owner = nullptr;
}

CTextItemIndex* CTextItemIndexes::ClaimOther(const void* pOwner) {
  for (int i = 1; i < kIndexes; ++i)
    if (m_owners[i] == pOwner) return &m_indexes[i];
  for (int i = 0; i < kIndexes; ++i)
    if (m_owners[i] == nullptr) {
      m_owners[i] = pOwner;
      return &m_indexes[i];
    }
  return nullptr;
}

void CTextItemIndexes::Release(const void* pOwner) {
  for (int i = 0; i < kIndexes; ++i)
    if (m_owners[i] == pOwner) {
      m_owners[i] = nullptr;
      m_indexes[i].Reset();
      return;
    }
}

CString CMC_EditMotionInternalData::ReadRadioParam(CString& text, const char* key, int& field, int min, int max) {
  return ReadInteger(this, text, key, field, min, max, false);
}

void CMC_EditMotionInternalData::ReadOptionalRadioParam(CString& text, const char* key, int& field, int min, int max) {
  ReadInteger(this, text, key, field, min, max, true);
}

CString CMC_EditMotionInternalData::ReadHexaParam(CString& text, const char* key, uint32_t& field, uint32_t min,
                                                  uint32_t max) {
  return ReadRanged<uint32_t, unsigned long long>(
      this, text, key, field, min, max, false, MC_ParseHexa,
      ": \"%s\" is not a hexadecimal number (0x and hexadecimal digits)", "0x%X to 0x%X");
}

CString CMC_EditMotionInternalData::ReadStringParam(CString& text, const char* key, CString& field) {
  MC_PARAM_ITEM item;
  CString error;
  if (!FindItem(this, text, key, item, error)) return error.IsEmpty() ? MissingLine(key) : error;
  if (!item.quoted) return ErrorLine(key, ": \"%s\" is not a text in double quotes", Echo(item));
  // A name ends at its first NUL wherever the kernel takes it as const char*: "F5\0x" would be
  // checked and called as F5 but written back whole.
  if (std::memchr(item.value, '\0', static_cast<std::size_t>(item.valueLength)) != nullptr)
    return ErrorLine(key, ": the text in double quotes holds a NUL character");
  field = MC_ReusedText(MC_GetThreadTexts().read, item.valueLength, [&](char* out) { return MC_UnquoteString(item.value, item.valueLength, out); });
  return error;
}

CString CMC_EditMotionInternalData::ReadOptionalDataParam(CString& text, const char* key, const char* p1,
                                                          const char* p2, CMC_Parameter& field, int& present) {
  CString name = GetDataParamName(key, p1, p2);
  field.SetName(name);
  MC_PARAM_ITEM item;
  CString error;
  if (!FindItem(this, text, name, item, error)) {
    present = error.IsEmpty() ? 0 : 1;
    return error;
  }
  present = 1;
  CMC_Parameter value(field);
  bool bNumber = false;
  error = ReadPhysical(item, name, value, bNumber);
  if (bNumber) field = value;
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
