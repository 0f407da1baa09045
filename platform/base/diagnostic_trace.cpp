// Where the base layer writes its diagnostic lines: to the program's trace log once it is connected.
#include "platform/base/diagnostic_trace.h"

#include <atomic>

namespace platform {
namespace {

std::atomic<DiagnosticTraceWriter> g_writer{nullptr};

}  // namespace

void SetDiagnosticTrace(DiagnosticTraceWriter writer) {
    g_writer.store(writer);
}

void WriteDiagnosticTrace(std::string_view line) {
    if (DiagnosticTraceWriter writer = g_writer.load()) {
        writer(line);
    }
}

}  // namespace platform
