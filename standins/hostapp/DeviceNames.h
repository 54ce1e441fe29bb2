// The names that Windows maps to a device instead of a file, in any folder, with any extension
// or trailing blanks: their stems, in any case. A '#' stands for one digit, 0 to 9 or a
// superscript 1, 2 or 3 (HOST_DEVICE_DIGITS), which Windows takes as digits there.
// One DEVICE( line each: cmake/Package.cmake lists them in the kit's README from these lines.
#pragma once

#define HOST_DEVICE_STEMS(DEVICE) \
  DEVICE("CON") \
  DEVICE("PRN") \
  DEVICE("AUX") \
  DEVICE("NUL") \
  DEVICE("COM#") \
  DEVICE("LPT#") \
  DEVICE("CONIN$") \
  DEVICE("CONOUT$")

#define HOST_DEVICE_DIGITS L"0123456789\u00B9\u00B2\u00B3"
