// The cost of translating one element: TranslateMotionSequence over a program of 100,000
// elements mixing the four operations, against a floor that formats the same lines straight from
// known fields; then the same program with texts 10 and 100 times longer (extra unknown items),
// where a cost growing faster than the text would show.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "AllocationCounter.h"
#include "BenchElements.h"
#include "ElementExports.h"
#include "MC_DriveNetwork.h"

namespace {
const int kElements = 100000;
const int kRounds = 3;  // the best of these counts

// Unknown items in front of the element's own, until the text is factor times as long.
CString Padded(const CString& text, int factor) {
  CString padded;
  for (int i = 0; padded.GetLength() + text.GetLength() < factor * text.GetLength(); ++i) padded.AppendFormat("X%d=1;", i);
  return padded + text;
}

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

Figures MeasureTranslate(CMC_DriveNetwork& network, std::vector<CString>& texts, int& failures) {
  return Measure([&] {
    long long bytes = 0;
    failures = 0;
    for (CString& text : texts) {
      CString out;
      failures += TranslateMotionSequence(&network.GetMasterSetup(), &network.GetMasterMotion(), &text, &out) != 1;
      bytes += out.GetLength();
    }
    return bytes;
  });
}
}  // namespace

int main() {
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

  std::printf("Text length (unknown items in front of the element's own)\n");
  double first = 0;
  for (int factor : {1, 10, 100}) {
    std::vector<CString> padded;
    long long bytes = 0;
    for (int i = 0; i < kElements; ++i) {
      padded.push_back(Padded(texts[i], factor));
      bytes += padded.back().GetLength();
    }
    Figures f = MeasureTranslate(*network, padded, failures);
    double perByte = f.microseconds * 1000.0 / (double(bytes) / kElements);
    if (factor == 1) first = perByte;
    std::printf("  %3dx  %6.0f bytes/element  %8.3f us/element  %6.2f ns/byte  (%.2f x the 1x cost per byte)%s\n", factor,
                double(bytes) / kElements, f.microseconds, perByte, perByte / first, failures ? "  REFUSED ELEMENTS" : "");
  }
  return failures != 0;
}
