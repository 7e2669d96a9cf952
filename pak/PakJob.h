#pragma once
// The job behind the "Unpack" button and the command line: extract every entry
// of a pak next to it, or write its file list, driven through a JobHost.
#include <string>

#include "JobHost.h"

namespace pakmole {

// Runs the job on the pak at pakPath (a host path). Per-entry failures are
// counted in the summary; a pak that cannot be opened raises the platform's
// file-open error, and one that is not a readable pak raises EPakFormatError.
JobSummary RunPakJob(const std::string& pakPath, JobHost& host);

// The message shown at the end of an interactive extraction: "DONE!", plus a
// line saying how many entries could not be extracted, when some could not.
std::string CompletionMessage(const JobSummary& summary);

}  // namespace pakmole
