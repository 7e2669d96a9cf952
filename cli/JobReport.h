#pragma once
#include <string>

#include "ConsoleHost.h"
#include "pak/PakJob.h"

namespace pakmole::cli {

// Runs the job and tells the terminal how it went: the count line on stdout,
// each failed entry on stderr. Returns the exit status.
int ReportJob(const std::string& pakPath, ConsoleHost& host, const PakJobOptions& options, bool listMode);

}  // namespace pakmole::cli
