// The cost of translating one element: TranslateMotionSequence over a program of 100,000
// elements mixing the four operations, against a floor that formats the same lines straight from
// known fields; then the same program with texts 10 and 100 times longer (extra unknown items),
// where a cost growing faster than the text would show.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "AllocationCounter.h"
#include "BenchElements.h"
#include "ElementExports.h"
#include "MC_DriveNetwork.h"

namespace {
const int kElements = 100000;
const int kRounds = 3;  // the best of these counts

struct Figures {
  double microseconds;  // per element
  double allocations;   // per element: the platform's heap and operator new
  long long bytes;      // of output, so that nothing is optimised away
};

unsigned long long Allocations() { return AfxGetAllocationCount() + GetOperatorNewCount(); }

template <class Body>
Figures Measure(Body body) {
  Figures best{1e30, 0, 0};
  for (int round = 0; round < kRounds; ++round) {
    unsigned long long before = Allocations();
    auto start = std::chrono::steady_clock::now();
    long long bytes = body();
    auto end = std::chrono::steady_clock::now();
    double us = std::chrono::duration<double, std::micro>(end - start).count() / kElements;
    if (us < best.microseconds) best = {us, double(Allocations() - before) / kElements, bytes};
  }
  return best;
}

// One out text for all the calls, as a host that keeps its output text does: only its growth
// allocates. refused counts the elements that gave error text.
Figures MeasureTranslate(CMC_DriveNetwork& network, std::vector<CString>& texts, int& refused) {
  return Measure([&] {
    long long bytes = 0;
    CString out;
    refused = 0;
    for (CString& text : texts) {
      refused += TranslateMotionSequence(&network.GetMasterSetup(), &network.GetMasterMotion(), &text, &out) != 1;
      bytes += out.GetLength();
    }
    return bytes;
  });
}

// Invalid elements: the host's read errors and the element's invalid-value lines, one or more.
const char* const kInvalid[] = {
    "Type=1;Slave=1;MER_MASK=0x4;",                        // a bit the slave lacks
    "Type=2;Slave=0;Function=\"Nope\";",                    // a function the slave lacks
    "Type=3;Slave=9;",                                     // past the last slave
    "Type=0;ATIME=5[h];",                                  // an unknown unit
    "Type=2;ATIME=-1[s];Slave=5;Function=\"Nope\";",        // three keys wrong
};
const int kInvalidSize = sizeof kInvalid / sizeof kInvalid[0];

volatile long long g_sink = 0;

// The floor of scanning bytes: a memchr for ';' over them, to set beside the cost per byte.
double MemchrNanosecondsPerByte(const std::vector<CString>& texts) {
  long long bytes = 0;
  for (const CString& text : texts) bytes += text.GetLength();
  Figures f = Measure([&] {
    long long found = 0;
    for (const CString& text : texts) {
      const char* p = text;
      const char* end = p + text.GetLength();
      while ((p = static_cast<const char*>(std::memchr(p, ';', static_cast<std::size_t>(end - p)))) != nullptr) {
        ++found;
        ++p;
      }
    }
    return found;
  });
  g_sink = g_sink + f.bytes;  // the count is used, so the scan cannot be left out
  return f.microseconds * 1000.0 / (double(bytes) / kElements);
}
}  // namespace

// A program file of count elements of the mix, one a line, for the measures of compile.
int WriteProgram(long count) {
  for (long i = 0; i < count; ++i) std::printf("%s\n", TextOf(kMix[i % kMixSize]).GetString());
  return 0;
}

int main(int argc, char** argv) {
  //   translate_bench               the figures
  //   translate_bench --program N   a program of N valid elements on stdout
  if (argc == 3 && std::strcmp(argv[1], "--program") == 0) return WriteProgram(std::atol(argv[2]));
  std::unique_ptr<CMC_DriveNetwork> network = CMC_DriveNetwork::LoadDefault();
  const int mixSize = kMixSize;
  std::vector<CString> texts;
  for (int i = 0; i < kElements; ++i) {
    texts.push_back(TextOf(kMix[i % mixSize]));
  }

  int failures = 0;
  Figures translate = MeasureTranslate(*network, texts, failures);
  Figures floor = Measure([&] {
    char buffer[256];
    long long bytes = 0;
    for (int i = 0; i < kElements; ++i) bytes += FloorFormat(kMix[i % mixSize], buffer, sizeof buffer);
    return bytes;
  });
  std::printf("TranslateMotionSequence, %d elements of the four operations (best of %d rounds)\n", kElements, kRounds);
  std::printf("  translate  %7.3f us/element  %5.2f allocations/element  %lld bytes out, %d refused\n",
              translate.microseconds, translate.allocations, translate.bytes, failures);
  std::printf("  floor      %7.3f us/element  %5.2f allocations/element  %lld bytes out (snprintf from known fields)\n",
              floor.microseconds, floor.allocations, floor.bytes);
  std::printf("  ratio      %7.1f x the floor\n", translate.microseconds / floor.microseconds);

  // Invalid elements: every allocation beyond the error lines' own and the error text's growth
  // would show here as more than lines/element.
  std::vector<CString> invalid;
  long long lines = 0;
  for (int i = 0; i < kElements; ++i) invalid.push_back(kInvalid[i % kInvalidSize]);
  int refused = 0;
  Figures errors = MeasureTranslate(*network, invalid, refused);
  for (int i = 0; i < kInvalidSize; ++i) {
    CString text(kInvalid[i]), out;
    TranslateMotionSequence(&network->GetMasterSetup(), &network->GetMasterMotion(), &text, &out);
    for (int j = 0; j < out.GetLength(); ++j) lines += out[j] == '\n';
  }
  std::printf("  invalid    %7.3f us/element  %5.2f allocations/element  %.2f error lines/element, %d of %d refused\n",
              errors.microseconds, errors.allocations, double(lines) / kInvalidSize, refused, kElements);

  std::printf("Text length (unknown items in front of the element's own; the floor scans the same bytes with memchr)\n");
  double first = 0, baseMicroseconds = 0, baseBytes = 0;
  for (int factor : {1, 10, 100}) {
    std::vector<CString> padded;
    long long bytes = 0;
    for (int i = 0; i < kElements; ++i) {
      padded.push_back(Padded(texts[i], factor));
      bytes += padded.back().GetLength();
    }
    Figures f = MeasureTranslate(*network, padded, failures);
    double perElement = double(bytes) / kElements;
    double perByte = f.microseconds * 1000.0 / perElement;
    if (factor == 1) {
      first = perByte;
      baseMicroseconds = f.microseconds;
      baseBytes = perElement;
    }
    std::printf("  %3dx  %6.0f bytes/element  %8.3f us/element  %6.2f ns/byte (%.2f x the 1x)  %5.2f allocations/element%s\n",
                factor, perElement, f.microseconds, perByte, perByte / first, f.allocations,
                failures ? "  REFUSED ELEMENTS" : "");
    if (factor > 1)
      std::printf("        per extra byte of unknown items %6.3f ns, the memchr floor %6.3f ns\n",
                  (f.microseconds - baseMicroseconds) * 1000.0 / (perElement - baseBytes), MemchrNanosecondsPerByte(padded));
  }
  return failures != 0;
}
