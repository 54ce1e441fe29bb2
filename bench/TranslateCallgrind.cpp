// The driver that scripts/callgrind runs under callgrind: N translations of one element of the
// benchmark's mix, or N formats of its lines by the snprintf floor. The script runs it for two
// counts and divides the difference of the instruction counts by the difference of the counts,
// so that start-up, loading the network and the first translation's one-time work drop out.
//   translate_callgrind translate|floor ELEMENT N
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchElements.h"
#include "ElementExports.h"
#include "MC_DriveNetwork.h"

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[1], "translate") != 0 && std::strcmp(argv[1], "floor") != 0)) {
    std::fprintf(stderr, "usage: translate_callgrind translate|floor ELEMENT N\n");
    return 2;
  }
  int element = std::atoi(argv[2]);
  long count = std::atol(argv[3]);
  if (element < 0 || element >= kMixSize || count < 0) return 2;
  const KnownElement& known = kMix[element];
  long long bytes = 0;
  if (argv[1][0] == 'f') {
    char buffer[256];
    for (long i = 0; i < count; ++i) bytes += FloorFormat(known, buffer, sizeof buffer);
  } else {
    std::unique_ptr<CMC_DriveNetwork> network = CMC_DriveNetwork::LoadDefault();
    CString text = TextOf(known), out;
    // One out for every call, as a host that keeps its output text does.
    for (long i = 0; i < count; ++i) {
      if (TranslateMotionSequence(&network->GetMasterSetup(), &network->GetMasterMotion(), &text, &out) != 1) return 1;
      bytes += out.GetLength();
    }
  }
  // The element's text and the bytes made, which also keeps the loops from being optimised away.
  std::printf("%s\t%lld\n", TextOf(known).GetString(), bytes);
  return 0;
}
