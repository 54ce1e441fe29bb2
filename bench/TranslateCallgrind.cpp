// The driver that scripts/callgrind runs under callgrind: N translations of one element of the
// benchmark's mix, N formats of its lines by the snprintf floor, or N scans of its text for ';'
// with memchr (the floor of reading bytes). FACTOR pads the text with unknown items in front
// until it is that many times as long. The script runs it for two counts and divides the
// difference of the instruction counts by the difference of the counts, so that start-up,
// loading the network and the first translation's one-time work drop out.
//   translate_callgrind translate|floor|scan ELEMENT N [FACTOR]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchElements.h"
#include "ElementExports.h"
#include "MC_DriveNetwork.h"

int main(int argc, char** argv) {
  const char* mode = argc >= 4 ? argv[1] : "";
  if ((argc != 4 && argc != 5) ||
      (std::strcmp(mode, "translate") != 0 && std::strcmp(mode, "floor") != 0 && std::strcmp(mode, "scan") != 0)) {
    std::fprintf(stderr, "usage: translate_callgrind translate|floor|scan ELEMENT N [FACTOR]\n");
    return 2;
  }
  int element = std::atoi(argv[2]);
  long count = std::atol(argv[3]);
  int factor = argc == 5 ? std::atoi(argv[4]) : 1;
  if (element < 0 || element >= kMixSize || count < 0 || factor < 1) return 2;
  const KnownElement& known = kMix[element];
  CString text = Padded(TextOf(known), factor);
  long long bytes = 0;
  if (mode[0] == 'f') {
    char buffer[256];
    for (long i = 0; i < count; ++i) bytes += FloorFormat(known, buffer, sizeof buffer);
  } else if (mode[0] == 's') {
    for (long i = 0; i < count; ++i) {
      const char* p = text;
      const char* end = p + text.GetLength();
      while ((p = static_cast<const char*>(std::memchr(p, ';', static_cast<std::size_t>(end - p)))) != nullptr) {
        ++bytes;
        ++p;
      }
    }
  } else {
    std::unique_ptr<CMC_DriveNetwork> network = CMC_DriveNetwork::LoadDefault();
    CString out;
    // One out for every call, as a host that keeps its output text does.
    for (long i = 0; i < count; ++i) {
      if (TranslateMotionSequence(&network->GetMasterSetup(), &network->GetMasterMotion(), &text, &out) != 1) return 1;
      bytes += out.GetLength();
    }
  }
  // The element's text, its padded length and the bytes made (which also keeps the loops from
  // being optimised away).
  std::printf("%s\t%d\t%lld\n", TextOf(known).GetString(), text.GetLength(), bytes);
  return 0;
}
