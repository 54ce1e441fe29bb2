#include "BenchElements.h"

#include <cstdio>

const KnownElement kMix[] = {
    {0, -1, 0, 0, 0, nullptr},     {1, 1, 0, 0, 0xA0, nullptr},    {2, 0, 0, 1, 0, "Home"},
    {3, 2, 0, 0, 0, nullptr},      {1, 0, 0, 0, 0xFF, nullptr},    {2, 1, 11, 0, 0, "F11"},
    {3, 1, 0, 0, 0, nullptr},      {2, 0, 3, 0, 0, "Stop"},
};
const int kMixSize = sizeof kMix / sizeof kMix[0];

CString TextOf(const KnownElement& e) {
  CString text;
  switch (e.type) {
    case 0: text = "Type=0;ATIME=5[s];"; break;
    case 1: text.Format("Type=1;Slave=%d;MER_MASK=0x%X;", e.slave, e.mask); break;
    case 2: text.Format("Type=2;Slave=%d;Function=\"%s\";Wait=%d;", e.slave, e.name, e.wait); break;
    default: text.Format("Type=3;Slave=%d;", e.slave); break;
  }
  return text;
}

int FloorFormat(const KnownElement& e, char* buffer, std::size_t size) {
  int c = 'A' + e.slave;
  switch (e.type) {
    case 0:
      return std::snprintf(buffer, size, "  TIMEOUT %s; // Set wait timeout to %s[%s]\r\n  INITSLAVES; //Initialize the slaves\r\n",
                           "5000", "5", "s");
    case 1: return std::snprintf(buffer, size, "  (%c) { %s = 0x%X; } //Set send error mask on slave %c\r\n", c, "MER_MASK", e.mask, c);
    case 2: {
      int n = std::snprintf(buffer, size, "  (%c) { FUNCTION %d; } //Call function %s on slave %c\r\n", c, e.function, e.name, c);
      if (e.wait) n += std::snprintf(buffer + n, size - n, "  WOF(%c); //Wait for function completion\r\n", c);
      return n;
    }
    default: return std::snprintf(buffer, size, "  (%c) { ABORT; } //Abort last function call on slave %c\r\n", c, c);
  }
}

CString Padded(const CString& text, int factor) {
  CString padded;
  for (int i = 0; padded.GetLength() + text.GetLength() < factor * text.GetLength(); ++i) padded.AppendFormat("X%d=1;", i);
  return padded + text;
}
