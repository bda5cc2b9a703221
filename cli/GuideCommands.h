#pragma once
// The identification guide from the command line: the count every option
// would leave and the ranking of the unset characters (guide), why a plant
// is not listed (explain), two plants side by side (compare).

#include <string>
#include <vector>

namespace kuyu::cli {

struct GuideArgs {
    std::string db;
    std::string selection = "0000000000";
    std::string mode = "plain";
    std::string name;
    bool json = false;
};
int runGuide(const GuideArgs& args);

struct ExplainArgs {
    std::string db;
    std::string key;
    std::string selection = "0000000000";
    std::string mode = "plain";
    std::string name;
    bool json = false;
};
int runExplain(const ExplainArgs& args);

struct CompareArgs {
    std::string db;
    std::vector<std::string> keys; // exactly two
    bool json = false;
};
int runCompare(const CompareArgs& args);

} // namespace kuyu::cli
