// What the host reads: a program file or standard input ("-"), a line at a time, and a
// parameter text from standard input.
#pragma once

#include <cstdint>
#include <string>

#include "afxwin.h"

// The name that stands for standard input where a file is expected.
inline bool IsStandardInputName(const char* pszName) { return pszName[0] == '-' && pszName[1] == '\0'; }

// True when Windows maps the name to a device instead of a file: a stem of DeviceNames.h's
// table, in any case, in any folder and with any extension or trailing blanks; and the device
// namespace "\\.\" (its named pipes excepted). Such a name is refused before it is opened:
// opening a serial port may wait for its line, and a console waits for its user.
bool IsDeviceName(const char* pszPath);

// A program's bytes, read a line at a time straight from its Windows handle. A file on a disk
// can be read again from where its first reading started; a pipe or a console cannot.
class CInputFile {
public:
  CInputFile() = default;
  ~CInputFile();
  CInputFile(const CInputFile&) = delete;
  CInputFile& operator=(const CInputFile&) = delete;

  // Opens the named file, or standard input for "-". False with a one-line message naming the
  // file (as pszName) when it cannot be opened or is no file: a device, by its name or by what
  // it turned out to be (Wine opens a Unix device such as /dev/stdin in its server, which is
  // not this process, so that it reads the server's /dev/null, not the caller's pipe).
  bool Open(const char* pszName, CString& error);
  // The name that messages give it: the path, or "<stdin>".
  const char* GetName() const { return m_name; }
  bool IsStandardInput() const { return m_bStandardInput; }
  // True for a file on a disk: Rewind reads it again.
  bool CanReadTwice() const { return m_bSeekable; }

  // One line without its line end ("\n" or "\r\n"), any bytes kept; false at the end or after
  // a read error (Failed tells which).
  bool ReadLine(std::string& line);
  bool Failed() const { return m_bFailed; }
  // Appends all that is left, as it comes; false after a read error.
  bool ReadRest(std::string& bytes);
  // Back to where the first reading started; false when that cannot be done.
  bool Rewind();

  // What the reading so far delivered, line ends included: its length and a hash of its bytes.
  // Two readings of an unchanged file give the same; a file that changed gives another.
  std::uint64_t GetBytesRead() const { return m_nBytes; }
  std::uint64_t GetHash() const { return m_hash; }

private:
  bool Fill();

  HANDLE m_hFile = INVALID_HANDLE_VALUE;
  bool m_bOwned = false;
  bool m_bStandardInput = false;
  bool m_bSeekable = false;
  LARGE_INTEGER m_start = {};
  CString m_name;
  static const std::size_t kBufferSize = 64 * 1024;
  char* m_pBuffer = nullptr;
  std::size_t m_pos = 0, m_end = 0;
  bool m_bEnd = false, m_bFailed = false;
  std::uint64_t m_nBytes = 0;
  std::uint64_t m_hash = 0;
};

// All of standard input as one parameter text: UTF-8 into the ANSI code page, a byte-order
// mark before it skipped and one final line end ("\n" or "\r\n") not part of it. False after
// reporting a read error or a text that does not convert.
bool ReadStandardInputText(CString& text);
