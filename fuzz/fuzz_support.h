// What the fuzz targets share.
#pragma once

#include <sstream>
#include <string>

#include <orvane/tools.h>

// Sends the library's diagnostics to a buffer that is emptied on every call: a target checks
// results, not messages, and the buffer must not grow from run to run.
inline void discardDiagnostics() {
    static std::ostringstream sink;
    VSYST_DumpStream::redirect(&sink);
    sink.str(std::string());
}
