// Out of memory inside the translation export: the N-th allocation of the platform fails, for
// N = 1, 2, ... until a translation completes. Each failure must reach the caller as the
// platform's memory exception and leave no allocation behind; a translation that completes must
// give exactly what it gives with memory to spare.
#include <gtest/gtest.h>

#include <cstring>

#include "TestNetworks.h"
#include "TranslateUnderTest.h"

namespace {
bool SameBytes(const CString& a, const CString& b) {
  return a.GetLength() == b.GetLength() && std::memcmp(a.GetString(), b.GetString(), static_cast<std::size_t>(a.GetLength())) == 0;
}
}  // namespace

TEST(OutOfMemory, EveryFailedAllocationReachesTheCallerAndLeavesNothing) {
  auto network = LoadStandardNetwork();
  CTranslateUnderTest under;
  PFN_TranslateMotionSequence translate = under.Get();
  ASSERT_NE(translate, nullptr);
  const char* const texts[] = {
      "Type=0;ATIME=250[ms];",
      "Type=1;Slave=1;MER_MASK=0xA0;",
      "Type=2;Slave=0;Function=\"Home\";Wait=1;",
      "Type=3;Slave=2;",
      "Type=2;ATIME=5[h];Slave=5;Function=\"Nope\";",  // refused: error lines from the host and the element
      "Type=1;ATIME=1[s];ATIME=2[s];Slave=4;MER_MASK=0x123456789;",
  };
  for (const char* text : texts) {
    // With memory to spare; this also builds the names the kernel keeps once per process.
    CString warm(text), expected;
    int expectedResult = translate(&network->GetMasterSetup(), &network->GetMasterMotion(), &warm, &expected);
    int failures = 0;
    for (long n = 1; n < 1000; ++n) {
      long long live = AfxGetLiveAllocationCount();
      bool threw = false;
      {
        CString in(text), out("left over from before");
        int result = -1;
        AfxSetAllocFailureCountdown(n);
        try {
          result = translate(&network->GetMasterSetup(), &network->GetMasterMotion(), &in, &out);
        } catch (CMemoryException* e) {
          threw = true;
          e->Delete();
        } catch (...) {
          ADD_FAILURE() << text << ": allocation " << n << " failed with an exception other than CMemoryException*";
          threw = true;
        }
        AfxSetAllocFailureCountdown(0);
        if (!threw) {
          EXPECT_EQ(result, expectedResult) << text << ", allocation " << n;
          EXPECT_TRUE(SameBytes(out, expected)) << text << ", allocation " << n << ": " << out.GetString();
        }
      }
      EXPECT_EQ(AfxGetLiveAllocationCount(), live) << text << ": allocation " << n << " failed and leaked";
      if (!threw) break;
      ++failures;
    }
    EXPECT_GT(failures, 0) << text << ": no allocation failed";
    EXPECT_LT(failures, 999) << text << ": the translation never completed";
  }
}
