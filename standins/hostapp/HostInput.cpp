#include "HostInput.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "DeviceNames.h"
#include "HostCommands.h"

namespace {
wchar_t AsciiUpper(wchar_t ch) { return ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - L'a' + L'A') : ch; }

// Case-insensitive comparison of a name's stem with a reserved name (ASCII only).
bool SameStem(const wchar_t* pStem, std::size_t nStem, const wchar_t* pszReserved) {
  std::size_t n = std::wcslen(pszReserved);
  if (n != nStem) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (AsciiUpper(pStem[i]) != pszReserved[i]) return false;
  return true;
}

// The stem against a stem of the device table, where '#' takes one digit.
bool MatchesDeviceStem(const wchar_t* pStem, std::size_t nStem, const char* pszPattern) {
  if (std::strlen(pszPattern) != nStem) return false;
  for (std::size_t i = 0; i < nStem; ++i) {
    const bool digit = pStem[i] != L'\0' && std::wcschr(HOST_DEVICE_DIGITS, pStem[i]) != nullptr;
    if (pszPattern[i] == '#' ? !digit : AsciiUpper(pStem[i]) != static_cast<wchar_t>(pszPattern[i])) return false;
  }
  return true;
}

bool IsReservedStem(const wchar_t* pStem, std::size_t nStem) {
#define HOST_DEVICE_STEM(pattern) pattern,
  static const char* const kStems[] = {HOST_DEVICE_STEMS(HOST_DEVICE_STEM)};
#undef HOST_DEVICE_STEM
  for (const char* pszStem : kStems)
    if (MatchesDeviceStem(pStem, nStem, pszStem)) return true;
  return false;
}

const std::uint64_t kHashStart = 14695981039346656037ull;  // FNV-1a, 64 bits
const std::uint64_t kHashPrime = 1099511628211ull;
}  // namespace

bool IsDeviceName(const char* pszPath) {
  int n = ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, nullptr, 0);
  if (n <= 0) return false;
  std::wstring path(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, &path[0], n);
  path.resize(static_cast<std::size_t>(n - 1));
  for (wchar_t& ch : path)
    if (ch == L'/') ch = L'\\';
  // The device namespace: \\.\COM1, \\.\PhysicalDrive0; its named pipes are pipes.
  if (path.compare(0, 4, L"\\\\.\\") == 0) return !SameStem(path.c_str() + 4, std::min<std::size_t>(path.size() - 4, 5), L"PIPE\\");
  // The last component, after the folders and a drive ("C:com1").
  std::size_t start = path.find_last_of(L'\\');
  start = start == std::wstring::npos ? 0 : start + 1;
  if (path.size() >= start + 2 && path[start + 1] == L':') start += 2;
  // Its stem: up to an extension or a colon ("COM1:", "nul.txt"), without trailing blanks.
  std::size_t end = path.find_first_of(L".:", start);
  if (end == std::wstring::npos) end = path.size();
  while (end > start && path[end - 1] == L' ') --end;
  return IsReservedStem(path.c_str() + start, end - start);
}

CInputFile::~CInputFile() {
  if (m_bOwned && m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
  delete[] m_pBuffer;
}

bool CInputFile::Open(const char* pszName, CString& error) {
  m_bStandardInput = IsStandardInputName(pszName);
  m_name = m_bStandardInput ? "<stdin>" : pszName;
  if (!m_bStandardInput && IsDeviceName(pszName)) {
    error.Format("%s: is a device, not a program file", pszName);
    return false;
  }
  if (m_bStandardInput) {
    m_hFile = ::GetStdHandle(STD_INPUT_HANDLE);
    if (m_hFile == nullptr || m_hFile == INVALID_HANDLE_VALUE) {
      m_hFile = INVALID_HANDLE_VALUE;
      error = "there is no standard input to read";
      return false;
    }
  } else {
    m_hFile = ::CreateFileA(pszName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE) {
      error.Format("%s: cannot open the program file", pszName);
      return false;
    }
    m_bOwned = true;
  }
  DWORD type = ::GetFileType(m_hFile);
  if (type == FILE_TYPE_DISK) {
    // Only a file on a disk is read twice, from where the first reading starts (standard input
    // may stand anywhere in its file).
    LARGE_INTEGER zero = {};
    m_bSeekable = ::SetFilePointerEx(m_hFile, zero, &m_start, FILE_CURRENT) != FALSE;
  } else if (type != FILE_TYPE_PIPE && !m_bStandardInput) {
    // A device behind a name that Windows does not reserve (Wine's /dev/stdin, /dev/zero, a
    // terminal): no program file. Standard input is what the caller gave, a console say, and is
    // read once.
    error.Format("%s: is a device, not a program file (give - to read the program from standard input)", pszName);
    return false;
  }
  m_pBuffer = new char[kBufferSize];
  m_hash = kHashStart;
  return true;
}

bool CInputFile::Fill() {
  m_pos = m_end = 0;
  if (m_bEnd) return false;
  DWORD got = 0;
  if (!::ReadFile(m_hFile, m_pBuffer, static_cast<DWORD>(kBufferSize), &got, nullptr)) {
    // The writer of a pipe closed it: the end of the input.
    DWORD code = ::GetLastError();
    if (code != ERROR_BROKEN_PIPE && code != ERROR_HANDLE_EOF) m_bFailed = true;
    m_bEnd = true;
    return false;
  }
  if (got == 0) {
    m_bEnd = true;
    return false;
  }
  m_end = got;
  m_nBytes += got;
  for (DWORD i = 0; i < got; ++i) m_hash = (m_hash ^ static_cast<unsigned char>(m_pBuffer[i])) * kHashPrime;
  return true;
}

bool CInputFile::ReadLine(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (m_pos == m_end && !Fill()) break;
    any = true;
    const char* p = m_pBuffer + m_pos;
    const void* nl = std::memchr(p, '\n', m_end - m_pos);
    std::size_t n = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - p) : m_end - m_pos;
    line.append(p, n);
    m_pos += n;
    if (nl) {
      ++m_pos;
      break;
    }
  }
  if (!any || m_bFailed) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool CInputFile::Rewind() {
  if (!m_bSeekable || !::SetFilePointerEx(m_hFile, m_start, nullptr, FILE_BEGIN)) return false;
  m_pos = m_end = 0;
  m_bEnd = m_bFailed = false;
  m_nBytes = 0;
  m_hash = kHashStart;
  return true;
}

bool CInputFile::ReadRest(std::string& bytes) {
  for (;;) {
    bytes.append(m_pBuffer + m_pos, m_end - m_pos);
    m_pos = m_end;
    if (!Fill()) return !m_bFailed;
  }
}

bool ReadStandardInputText(CString& text) {
  std::string bytes;
  CInputFile in;
  CString error;
  if (!in.Open("-", error)) {
    ReportError(error);
    return false;
  }
  if (!in.ReadRest(bytes)) {
    ReportError("cannot read the parameter text from standard input");
    return false;
  }
  return StandardInputToText(bytes, text);
}
