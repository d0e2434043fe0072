#include "ordered_work.h"

namespace orvex {

unsigned WorkerThreads() {
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace orvex
