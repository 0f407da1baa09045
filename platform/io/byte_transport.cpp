// The keeper of transports whose reader would not end.
#include "platform/io/byte_transport.h"

#include <mutex>
#include <vector>

namespace platform {

void KeepWhileItsReaderRuns(std::unique_ptr<ByteTransport> transport) {
    static std::mutex mutex;
    // Never destroyed, and still reachable: kept, not leaked.
    static auto* const kept = new std::vector<std::unique_ptr<ByteTransport>>;
    std::lock_guard lock(mutex);
    kept->push_back(std::move(transport));
}

}  // namespace platform
