// The tokenizer of parameter text: a sequence of items "Key=Value;". It works on the text's
// bytes and length (any byte, NUL included, may occur), allocates nothing and reads every byte
// at most a fixed number of times, so finding a key costs time linear in the text.
#pragma once

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
