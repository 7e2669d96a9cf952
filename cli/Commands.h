#pragma once
// The command line's commands. The classic form, "pakmole [--aes-key KEY]
// <pak>" and "pakmole [--aes-key KEY] -filelist <pak>", runs the same job as
// the window's batch mode; the named commands look into a pak without
// touching it (info, list, verify) or extract part of it (extract).
#include <cstdio>
#include <string>
#include <vector>

namespace pakmole::cli {

enum ExitStatus { kAllExtracted = 0, kSomeFailed = 1, kUnreadable = 2 };

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    int (*run)(const Arguments& args);
};

const std::vector<Command>& Commands();

void PrintUsage(std::FILE* to);
int RunClassicJob(const Arguments& args);

int RunInfo(const Arguments& args);
int RunList(const Arguments& args);
int RunExtract(const Arguments& args);
int RunVerify(const Arguments& args);

}  // namespace pakmole::cli
