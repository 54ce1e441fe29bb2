// The exports called from several threads at once, as a host with a background compile calls
// them: every thread must get exactly what one thread alone gets, whether each thread has its
// own host objects or all of them read one network's. The texts themselves are shared too, as
// a host's program lines are, so that the strings' reference counts are worked from every thread.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "TestNetworks.h"
#include "TranslateUnderTest.h"

namespace {
const int kThreads = 8;
const int kTexts = 3000;

// One call's answer: the result and the text out.
struct CAnswer {
  int result = -1;
  CString out;
  bool operator==(const CAnswer& other) const { return result == other.result && out == other.out; }
};

// Texts of all four operations, valid and not: every slave, times in every unit (and wrong ones),
// masks, functions known and unknown, repeated or malformed items, unknown items in front.
std::vector<CString> VariedTexts() {
  static const char* const kTypes[] = {"0", "1", "2", "3", "4", "x"};
  static const char* const kTimes[] = {"1e-9[s]", "5[s]", "250[ms]", "7[IU]", "2.5[s]", "3[m]", "-1[s]", "1e30[s]"};
  static const char* const kMasks[] = {"0x1", "0xF0", "0x100", "12", "0xFFFFFFFF"};
  static const char* const kFunctions[] = {"\"Home\"", "\"Jog\"", "\"F11\"", "\"Sync\"", "\"Go\"", "\"Nope\"", "\"Stop", "Home"};
  static const char* const kExtras[] = {"", "Note=\"a;b\";", "Type=1;", "Wait", "X=1;Y=2;Z=3;A=4;B=5;C=6;D=7;E=8;F=9;G=10;H=11;I=12;J=13;K=14;L=15;M=16;N=17;"};
  std::vector<CString> texts;
  unsigned seed = 14;
  auto pick = [&seed](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
  };
  for (int i = 0; i < kTexts; ++i) {
    CString text;
    switch (i % 6) {  // every other text is meant to be valid, the rest is chance
      case 0: text.Format("%sType=0;ATIME=%s;", kExtras[pick(5)], kTimes[pick(5)]); break;
      case 1: text.Format("Type=1;%sSlave=%d;MER_MASK=0x%X;", kExtras[pick(5)], pick(2), 1u << pick(4)); break;
      case 2: text.Format("Type=2;Slave=1;Function=\"F%d\";Wait=%d;%s", pick(12), pick(2), kExtras[pick(5)]); break;
      default:
        text.Format("%sType=%s;Slave=%d;", kExtras[pick(5)], kTypes[pick(6)], pick(11));
        if (pick(4) != 0) text.AppendFormat("ATIME=%s;", kTimes[pick(8)]);
        if (pick(2) != 0) text.AppendFormat("MER_MASK=%s;", kMasks[pick(5)]);
        if (pick(3) != 0) text.AppendFormat("Function=%s;", kFunctions[pick(8)]);
        if (pick(2) != 0) text.AppendFormat("Wait=%d;", pick(3));
    }
    texts.push_back(text);
  }
  return texts;
}

class Threads : public ::testing::Test {
protected:
  void SetUp() override {
    m_translate = m_export.Get();
    m_defaults = m_export.GetDefaults();
    ASSERT_NE(m_translate, nullptr);
    ASSERT_NE(m_defaults, nullptr);
    m_texts = VariedTexts();
  }
  // Each text in turn from a thread's own starting point, then the default parameters.
  void Run(CMC_DriveNetwork& network, int nFirst, std::vector<CAnswer>& answers) const {
    answers.assign(m_texts.size() + 1, CAnswer());
    for (std::size_t n = 0; n < m_texts.size(); ++n) {
      std::size_t i = (n + static_cast<std::size_t>(nFirst)) % m_texts.size();
      CString text(m_texts[i]);
      answers[i].result = m_translate(&network.GetMasterSetup(), &network.GetMasterMotion(), &text, &answers[i].out);
    }
    m_defaults(&network.GetMasterSetup(), &network.GetMasterMotion(), &answers.back().out);
  }
  // Runs kThreads threads, each on its own network or all on the first, against one thread alone.
  void ExpectAsOneThread(bool shareNetwork) {
    std::vector<std::unique_ptr<CMC_DriveNetwork>> networks;
    for (int t = 0; t < (shareNetwork ? 1 : kThreads); ++t) networks.push_back(LoadStandardNetwork());
    std::vector<CAnswer> reference;
    Run(*networks[0], 0, reference);
    int valid = 0;
    for (const CAnswer& answer : reference) valid += answer.result;
    EXPECT_GT(valid, kTexts / 5) << "the texts should mix valid and invalid ones";
    EXPECT_LT(valid, kTexts * 4 / 5);
    std::vector<std::vector<CAnswer>> answers(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&, t] { Run(*networks[shareNetwork ? 0 : t], t * kTexts / kThreads, answers[t]); });
    for (std::thread& thread : threads) thread.join();
    int wrong = 0;
    for (int t = 0; t < kThreads; ++t)
      for (std::size_t i = 0; i < reference.size(); ++i)
        if (!(answers[t][i] == reference[i]) && ++wrong <= 5)
          ADD_FAILURE() << "thread " << t << ", text " << (i < m_texts.size() ? m_texts[i].GetString() : "(defaults)")
                        << ": " << answers[t][i].out.GetString() << " instead of " << reference[i].out.GetString();
    EXPECT_EQ(wrong, 0);
  }

  CTranslateUnderTest m_export;
  PFN_TranslateMotionSequence m_translate = nullptr;
  PFN_GetDefaultParameters m_defaults = nullptr;
  std::vector<CString> m_texts;
};
}  // namespace

TEST_F(Threads, EachWithItsOwnNetworkGetWhatOneThreadGets) { ExpectAsOneThread(false); }

TEST_F(Threads, SharingOneNetworkGetWhatOneThreadGets) { ExpectAsOneThread(true); }
