// The cost of translating one element: TranslateMotionSequence over a program of 100,000
// elements mixing the four operations, against a floor that formats the same lines straight from
// known fields; then the same program with texts 10 and 100 times longer (extra unknown items),
// where a cost growing faster than the text would show.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "AllocationCounter.h"
#include "Exports.h"
#include "MC_DriveNetwork.h"

namespace {
const int kElements = 100000;
const int kRounds = 3;  // the best of these counts

// What the floor knows of an element without reading anything.
struct KnownElement {
  int type, slave, function, wait;
  unsigned mask;
  const char* name;
};

const KnownElement kMix[] = {
    {0, -1, 0, 0, 0, nullptr},     {1, 1, 0, 0, 0xA0, nullptr},    {2, 0, 0, 1, 0, "Home"},
    {3, 2, 0, 0, 0, nullptr},      {1, 0, 0, 0, 0xFF, nullptr},    {2, 1, 11, 0, 0, "F11"},
    {3, 1, 0, 0, 0, nullptr},      {2, 0, 3, 0, 0, "Stop"},
};

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

// Unknown items in front of the element's own, until the text is factor times as long.
CString Padded(const CString& text, int factor) {
  CString padded;
  for (int i = 0; padded.GetLength() + text.GetLength() < factor * text.GetLength(); ++i) padded.AppendFormat("X%d=1;", i);
  return padded + text;
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
  const int mixSize = sizeof kMix / sizeof kMix[0];
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
