#include "lottery/pool_scan.h"

namespace pool_scan {

bool ScanScalar(uint32_t state, int64_t count, uint32_t residue) {
  for (int64_t i = 0; i < count; ++i) {
    state = state * kMultiplier + kIncrement;
    if (Output(state) % 1000 == residue) return true;
  }
  return false;
}

}  // namespace pool_scan
