#pragma once
// kuyu-cli export-csv and import-csv: the plant table as a spreadsheet and
// back, written the way the data editor saves.

#include <string>

namespace CLI {
class App;
}

namespace kuyu::cli {

struct CsvArgs {
    std::string db;
    std::string out;  // export: the file to write; empty for standard output
    std::string file; // import: the spreadsheet to read
};

struct CsvCommands {
    CLI::App* exportCmd = nullptr;
    CLI::App* importCmd = nullptr;
    CsvArgs exportArgs;
    CsvArgs importArgs;
};

// Adds both subcommands to `app`.
void addCsvCommands(CLI::App& app, CsvCommands& commands);
// Runs the one parsed, if either was: its exit status, else -1.
int runCsvCommands(const CsvCommands& commands);

int runExportCsv(const CsvArgs& args);
int runImportCsv(const CsvArgs& args);

} // namespace kuyu::cli
