// The command line of the terminal tool.
#pragma once

#include <string>
#include <vector>

struct CliOptions {
    bool help = false;
    bool tsv = false;
    int firstYear = 0;   // 0: the current month
    int firstMonth = 0;
    int lastYear = 0;
    int lastMonth = 0;
};

// Reads args (without the program name). Returns an empty string on success,
// else the one-line reason why the arguments cannot be used.
std::string ParseCliOptions(const std::vector<std::string>& args, CliOptions& options);

extern const char* const kCliUsage;
