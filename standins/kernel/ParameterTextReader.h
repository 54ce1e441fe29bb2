// The tokenizer of parameter text: a sequence of items "Key=Value;". It works on the text's
// bytes and length (any byte, NUL included, may occur), allocates nothing and reads every byte
// at most a fixed number of times, so finding a key costs time linear in the text. Below it, the
// index of a text's items that the element-data reads share.
#pragma once

#include "mckernel.h"

// One item as it stands in the text. Offsets count from the start of the text.
struct MC_PARAM_ITEM {
  int begin = 0;          // first character of the key
  int end = 0;            // just past the item's ';', or where the next item starts
  const char* key = nullptr;
  int keyLength = 0;
  const char* value = nullptr;  // for a string: the characters between the quotes, quotes still doubled
  int valueLength = 0;
  bool hasEquals = false;       // a '=' follows the key
  bool quoted = false;          // the value is a string in double quotes
  bool unterminated = false;    // a string that the text ends inside
  bool hasSemicolon = false;    // the item ends with ';'
};

class CParameterTextReader {
public:
  CParameterTextReader(const char* pText, int nLength)
      : m_text(pText != nullptr ? pText : ""), m_length(pText != nullptr && nLength > 0 ? nLength : 0) {}

  // The next item from the current position, false at the end of the text. An item whose ';'
  // is missing ends where the next item starts, so one fault never hides the items after it.
  bool Next(MC_PARAM_ITEM& item);
  void Rewind() { m_pos = 0; }

  // Counts the items of the key (the whole text is scanned) and keeps the first in item.
  int Find(const char* pszKey, MC_PARAM_ITEM& item);

  static bool KeyIs(const MC_PARAM_ITEM& item, const char* pszKey, int nKeyLength);
  static bool KeyIs(const MC_PARAM_ITEM& item, const char* pszKey);

private:
  // Past a string that starts at m_pos (on its opening quote); false when the text ends inside.
  bool SkipString();

  const char* m_text;
  int m_length;
  int m_pos = 0;
};

// The items of a parameter text, found in one pass when a text is first read and shared by the
// reads that follow on the same text. It keeps a shared copy of that text: while the copy is
// held, a write to the caller's text goes to a fresh buffer, so an unchanged buffer means
// unchanged items. Up to 16 items need no allocation; a longer text grows the index on the heap,
// or, when that memory cannot be had, is scanned at each read instead.
class MCK_API CTextItemIndex {
public:
  CTextItemIndex() : m_count(0), m_capacity(kInlineItems), m_items(m_inline) {}
  ~CTextItemIndex();

  // Counts the items of the key and gives the first one in item.
  int Find(const CString& text, const char* pszKey, int nKeyLength, MC_PARAM_ITEM& item);
  // Lets go of the text and of any room on the heap, as a new index.
  void Reset();
  // The items the index has room for.
  int GetCapacity() const { return m_capacity; }

private:
  // Not copyable: declared and never defined.
  CTextItemIndex(const CTextItemIndex&);
  CTextItemIndex& operator=(const CTextItemIndex&);

  enum { kInlineItems = 16 };
  // An item by offsets into the text, with its key's first character to tell keys apart quickly.
  struct Item {
    int begin, end, keyLength, value, valueLength;
    char firstChar;
    unsigned char flags;
  };
  void Build(const CString& text);
  // Room for the items of the rest of the text, pRest on; false when it cannot be had.
  bool Grow(const char* pRest, int nRestLength);

  CString m_text;
  int m_count;  // -1: the items did not fit, the text is scanned at each read
  int m_capacity;
  Item* m_items;
  Item m_inline[kInlineItems];
};
