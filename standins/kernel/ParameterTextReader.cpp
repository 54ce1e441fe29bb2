#include "ParameterTextReader.h"

#include <cstring>

namespace {
// What each byte means to the tokenizer, one table look-up a byte.
enum : unsigned char { kBlank = 1, kEquals = 2, kSemicolon = 4, kQuote = 8 };

struct CharClasses {
  unsigned char of[256] = {};
  constexpr CharClasses() {
    of[static_cast<unsigned char>(' ')] = of[static_cast<unsigned char>('\t')] = kBlank;
    of[static_cast<unsigned char>('\r')] = of[static_cast<unsigned char>('\n')] = kBlank;
    of[static_cast<unsigned char>('=')] = kEquals;
    of[static_cast<unsigned char>(';')] = kSemicolon;
    of[static_cast<unsigned char>('"')] = kQuote;
  }
};
// Built by the compiler, so usable before any constructor of the process runs.
constexpr CharClasses g_classes;

unsigned ClassOf(char ch) { return g_classes.of[static_cast<unsigned char>(ch)]; }
}  // namespace

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
  // The position is a local: stores into item could otherwise alias it and force reloads.
  const char* const t = m_text;
  const int n = m_length;
  int pos = m_pos;
  auto skipBlanks = [&] {
    while (pos < n && (ClassOf(t[pos]) & kBlank) != 0) ++pos;
  };
  for (;;) {
    skipBlanks();
    if (pos >= n) {
      m_pos = pos;
      return false;
    }
    if (t[pos] != ';') break;
    ++pos;  // an empty item
  }
  item = MC_PARAM_ITEM();
  item.begin = pos;
  item.key = t + pos;
  while (pos < n && (ClassOf(t[pos]) & (kBlank | kEquals | kSemicolon | kQuote)) == 0) ++pos;
  item.keyLength = pos - item.begin;
  skipBlanks();
  if (pos < n && t[pos] == '=') {
    item.hasEquals = true;
    ++pos;
    skipBlanks();
    int start = pos;
    if (pos < n && t[pos] == '"') {
      m_pos = pos;
      item.quoted = true;
      item.unterminated = !SkipString();
      pos = m_pos;
      item.value = t + start + 1;
      item.valueLength = pos - start - (item.unterminated ? 1 : 2);
    } else {
      while (pos < n && (ClassOf(t[pos]) & (kBlank | kSemicolon | kQuote)) == 0) ++pos;
      item.value = t + start;
      item.valueLength = pos - start;
    }
    skipBlanks();
  } else {
    // No '=': the rest up to the next ';' belongs to this malformed item.
    while (pos < n && t[pos] != ';') {
      if (t[pos] == '"') {
        m_pos = pos;
        item.unterminated = !SkipString();
        pos = m_pos;
      } else {
        ++pos;
      }
    }
  }
  if (pos < n && t[pos] == ';') {
    item.hasSemicolon = true;
    ++pos;
  }
  item.end = pos;
  m_pos = pos;
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
