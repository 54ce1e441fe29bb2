#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "afx.h"

TEST(CString, CopiesShareUntilWritten) {
  CString a("motion");
  CString b(a);
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(b));
  b += " program";
  EXPECT_EQ(a, "motion");
  EXPECT_EQ(b, "motion program");
  b.SetAt(0, 'M');
  EXPECT_EQ(a, "motion");
  EXPECT_EQ(b, "Motion program");
}

TEST(CString, AppendingItsOwnTextIsSafe) {
  CString s("ab");
  for (int i = 0; i < 10; ++i) s += s;
  EXPECT_EQ(s.GetLength(), 2 << 10);
  EXPECT_EQ(s.Left(6), "ababab");
  s = static_cast<const char*>(s) + 1;  // assign from inside its own buffer
  EXPECT_EQ(s.GetLength(), (2 << 10) - 1);
  EXPECT_EQ(s.Left(3), "bab");
}

TEST(CString, FormatFollowsThePlatformRules) {
  CString s;
  uint32_t all = 0xFFFFFFFFu;
  s.Format("0x%lX|0x%lX|0x%lX", static_cast<uint32_t>(0), static_cast<uint32_t>(255), all);
  EXPECT_EQ(s, "0x0|0xFF|0xFFFFFFFF");
  s.Format("(%c) %s %d%%", 'A' + 2, "FUNCTION", -3);
  EXPECT_EQ(s, "(C) FUNCTION -3%");
  CString big;
  big.Format("%s|%s", CString('x', 1000).GetString(), "end");
  EXPECT_EQ(big.GetLength(), 1004);
  EXPECT_EQ(big.Right(4), "|end");
  big.AppendFormat("%d", 42);
  EXPECT_EQ(big.Right(2), "42");
}

TEST(CString, FindMidAndTrimStayInBounds) {
  CString s("  Key = Value ;  ");
  EXPECT_EQ(s.Find('='), 6);
  EXPECT_EQ(s.Find("Value"), 8);
  EXPECT_EQ(s.Find('=', 100), -1);
  EXPECT_EQ(s.Find("x", -1), -1);
  EXPECT_EQ(s.Mid(8, 5), "Value");
  EXPECT_EQ(s.Mid(50), "");
  EXPECT_EQ(s.Mid(-3, 4), "  Ke");
  EXPECT_EQ(s.Right(100), s);
  EXPECT_EQ(CString(s).Trim(), "Key = Value ;");
  EXPECT_EQ(s.GetAt(1000), '\0');
}

TEST(CString, BufferAccessKeepsTheLengthRight) {
  CString s("abc");
  CString shared(s);
  char* p = s.GetBuffer(10);
  p[3] = 'd';
  p[4] = '\0';
  s.ReleaseBuffer();
  EXPECT_EQ(s, "abcd");
  EXPECT_EQ(shared, "abc");
  s.GetBufferSetLength(2);
  EXPECT_EQ(s, "ab");
  EXPECT_EQ(s.GetLength(), 2);
  // A copy taken while the buffer is out shares it; the length released is the writer's alone.
  s.GetBuffer(8);
  CString copy(s);
  s.ReleaseBuffer(1);
  EXPECT_EQ(s, "a");
  EXPECT_EQ(copy, "ab");
  EXPECT_EQ(copy.GetLength(), 2);
}

TEST(CString, FailedAllocationThrowsAndKeepsTheOldText) {
  CString s("kept");
  AfxSetAllocFailureCountdown(1);
  bool thrown = false;
  try {
    s += CString('y', 100);  // the temporary itself is the failing allocation
  } catch (CMemoryException* e) {
    thrown = true;
    e->Delete();
  }
  AfxSetAllocFailureCountdown(0);
  EXPECT_TRUE(thrown);
  EXPECT_EQ(s, "kept");
}

TEST(CString, EveryBlockIsFreed) {
  long long live = AfxGetLiveAllocationCount();
  {
    CString a("one"), b(a), c;
    c.Format("%s-%s", a.GetString(), "two");
    b += c;
    CString moved(static_cast<CString&&>(b));
    moved = a;
  }
  EXPECT_EQ(AfxGetLiveAllocationCount(), live);
}

// The common conversions are written without the C library: they must give its bytes, whether
// the text goes into a buffer's spare room, into a fresh one, or needs to grow.
TEST(CString, CommonConversionsGiveTheCLibrarysText) {
  const int numbers[] = {0, 7, -1, 255, 4096, -2147483647 - 1, 2147483647};
  for (int n : numbers) {
    char expected[128];
    std::snprintf(expected, sizeof expected, "%d|%i|%u|%x|%X|%c|%s%%", n, n, static_cast<unsigned>(n), static_cast<unsigned>(n),
                  static_cast<unsigned>(n), 'A' + (n & 15), "end");
    CString fresh, roomy, shared("x");
    fresh.Format("%d|%i|%u|%x|%X|%c|%s%%", n, n, n, n, n, 'A' + (n & 15), "end");
    roomy.Preallocate(200);
    roomy.AppendFormat("%d|%i|%u|%x|%X|%c|%s%%", n, n, n, n, n, 'A' + (n & 15), "end");
    CString copy(shared);  // shared: formatted into a new buffer, the copy keeps its text
    shared.AppendFormat("%d|%i|%u|%x|%X|%c|%s%%", n, n, n, n, n, 'A' + (n & 15), "end");
    EXPECT_EQ(fresh, expected) << n;
    EXPECT_EQ(roomy, expected) << n;
    EXPECT_EQ(shared, CString("x") + expected) << n;
    EXPECT_EQ(copy, "x");
  }
  CString nul;
  nul.Format("a%cb", 0);  // a NUL character is part of the text, as snprintf counts it
  EXPECT_EQ(nul.GetLength(), 3);
  CString little;
  little.Preallocate(4);
  little.AppendFormat("%s|%5d|%.2f", CString('y', 600).GetString(), 42, 0.5);  // too long, and flags
  EXPECT_EQ(little.GetLength(), 600 + 1 + 5 + 1 + 4);
  EXPECT_EQ(little.Right(11), "|   42|0.50");
  CString self("abcd");  // its own text as argument and as format, with room to write in place
  self.Preallocate(64);
  self.Truncate(2);  // the room behind the terminator still holds "d"
  self.AppendFormat("<%s>", self.GetString());
  EXPECT_EQ(self, "ab<ab>");
  self.AppendFormat(self.GetString());
  EXPECT_EQ(self, "ab<ab>ab<ab>");
  // Long: the C library formats it, whether the string must grow or has the room already.
  CString grows('b', 600);
  grows.AppendFormat("%s", grows.GetString());
  EXPECT_EQ(grows, CString('b', 1200));
  grows.AppendFormat(grows);
  EXPECT_EQ(grows, CString('b', 2400));
  CString roomyLong('c', 600);
  roomyLong.Preallocate(4000);
  roomyLong.AppendFormat("%s%d", roomyLong.GetString(), 1);
  EXPECT_EQ(roomyLong, CString('c', 1200) + "1");
}

TEST(CString, TruncateKeepsAnUnsharedBufferAndLeavesASharedOneAlone) {
  CString a("motion program");
  const char* buffer = a;
  a.Truncate(6);
  EXPECT_EQ(a, "motion");
  EXPECT_EQ(static_cast<const char*>(a), buffer);
  a += " lines";
  EXPECT_EQ(static_cast<const char*>(a), buffer);  // grown back within its room
  CString b(a);
  b.Truncate(0);
  EXPECT_EQ(a, "motion lines");
  EXPECT_EQ(b, "");
}
