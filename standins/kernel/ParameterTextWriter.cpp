#include "ParameterTextWriter.h"

#include <cstring>

#include "ParameterTextReader.h"

namespace {
void AppendItem(CString& out, const char* pszKey, const char* pszValue, int nValueLength) {
  out += pszKey;
  out += '=';
  out.Append(pszValue, nValueLength);
  out += ';';
}
}  // namespace

// A key that appears twice is a read error; writing it repairs the text: the first item of the
// key is replaced in place and the later ones are dropped, so that the text reads back as written
// and every other item stays byte for byte.
void MC_SetParameterItem(CString& text, const char* pszKey, const char* pszValue, int nValueLength) {
  if (pszKey == nullptr) return;
  if (pszValue == nullptr) nValueLength = 0;
  CParameterTextReader reader(text, text.GetLength());
  MC_PARAM_ITEM current, item, last;
  int count = 0;
  bool any = false;
  while (reader.Next(current)) {
    if (CParameterTextReader::KeyIs(current, pszKey) && count++ == 0) item = current;
    last = current;
    any = true;
  }
  if (count == 0) {
    // Close a last item left open, or the new item would become part of its value.
    if (any && !last.hasSemicolon) text += last.unterminated ? "\";" : ";";
    AppendItem(text, pszKey, pszValue, nValueLength);
    return;
  }
  const char* p = text;
  CString out;
  out.Preallocate(text.GetLength() + nValueLength + static_cast<int>(std::strlen(pszKey)) + 2);
  out.Append(p, item.begin);
  AppendItem(out, pszKey, pszValue, nValueLength);
  int copied = item.end;
  bool closed = true;  // what out ends with cannot run on into the next item
  if (count > 1) {
    reader.Rewind();
    MC_PARAM_ITEM other;
    while (reader.Next(other)) {
      if (other.begin < copied) continue;
      if (!CParameterTextReader::KeyIs(other, pszKey)) {
        closed = other.hasSemicolon;
        continue;
      }
      out.Append(p + copied, other.begin - copied);
      // An item without its ';' ended where the dropped one began; joined to what follows the
      // dropped one, it would be read otherwise: in Type;=""Type=1""Type, dropping Type=1 would
      // make ="" and ""Type one string "" and bring the last Type to light.
      if (!closed) out += ';';
      closed = true;
      copied = other.end;
    }
  }
  out.Append(p + copied, text.GetLength() - copied);
  text = static_cast<CString&&>(out);
}

void MC_SetParameterItem(CString& text, const char* pszKey, const char* pszValue) {
  MC_SetParameterItem(text, pszKey, pszValue, pszValue != nullptr ? static_cast<int>(std::strlen(pszValue)) : 0);
}
