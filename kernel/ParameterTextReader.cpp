#include "ParameterTextReader.h"

#include <cstring>

CParameterTextReader::CParameterTextReader(const char* pText, int nLength)
    : m_text(pText != nullptr ? pText : ""), m_length(pText != nullptr && nLength > 0 ? nLength : 0) {}

bool CParameterTextReader::SkipString() {
  ++m_pos;  // the opening quote
  while (m_pos < m_length) {
    if (m_text[m_pos++] != '"') continue;
    if (m_pos < m_length && m_text[m_pos] == '"') {
      ++m_pos;  // a doubled quote stands for one quote inside the string
      continue;
    }
    return true;
  }
  return false;
}

bool CParameterTextReader::Next(MC_PARAM_ITEM& item) {
  for (;;) {
    SkipBlanks();
    if (m_pos >= m_length) return false;
    if (m_text[m_pos] != ';') break;
    ++m_pos;  // an empty item
  }
  item = MC_PARAM_ITEM();
  item.begin = m_pos;
  item.key = m_text + m_pos;
  while (m_pos < m_length) {
    char ch = m_text[m_pos];
    if (ch == '=' || ch == ';' || ch == '"' || IsBlank(ch)) break;
    ++m_pos;
  }
  item.keyLength = m_pos - item.begin;
  SkipBlanks();
  if (m_pos < m_length && m_text[m_pos] == '=') {
    item.hasEquals = true;
    ++m_pos;
    SkipBlanks();
    int start = m_pos;
    if (m_pos < m_length && m_text[m_pos] == '"') {
      item.quoted = true;
      item.unterminated = !SkipString();
      item.value = m_text + start + 1;
      item.valueLength = m_pos - start - (item.unterminated ? 1 : 2);
    } else {
      while (m_pos < m_length && m_text[m_pos] != ';' && m_text[m_pos] != '"' && !IsBlank(m_text[m_pos])) ++m_pos;
      item.value = m_text + start;
      item.valueLength = m_pos - start;
    }
    SkipBlanks();
  } else {
    // No '=': the rest up to the next ';' belongs to this malformed item.
    while (m_pos < m_length && m_text[m_pos] != ';') {
      if (m_text[m_pos] == '"') {
        item.unterminated = !SkipString();
      } else {
        ++m_pos;
      }
    }
  }
  if (m_pos < m_length && m_text[m_pos] == ';') {
    item.hasSemicolon = true;
    ++m_pos;
  }
  item.end = m_pos;
  return true;
}

bool CParameterTextReader::KeyIs(const MC_PARAM_ITEM& item, const char* pszKey, int nKeyLength) {
  return item.keyLength == nKeyLength && (nKeyLength == 0 || item.key[0] == pszKey[0]) &&
         std::memcmp(item.key, pszKey, static_cast<std::size_t>(nKeyLength)) == 0;
}

bool CParameterTextReader::KeyIs(const MC_PARAM_ITEM& item, const char* pszKey) {
  return KeyIs(item, pszKey, static_cast<int>(std::strlen(pszKey)));
}

int CParameterTextReader::Find(const char* pszKey, MC_PARAM_ITEM& item) {
  Rewind();
  int count = 0;
  int keyLength = static_cast<int>(std::strlen(pszKey));
  MC_PARAM_ITEM current;
  while (Next(current)) {
    if (!KeyIs(current, pszKey, keyLength)) continue;
    if (count++ == 0) item = current;
  }
  return count;
}
