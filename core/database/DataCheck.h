// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking a data folder the way the program will read it, for people who
// write their own KUYU.DAT and SNAME.DAT in a text editor: every problem with
// its file, line and field, and whether the program will load the database.

#include "core/text/Text.h"

#include <set>
#include <string>
#include <vector>

namespace kuyu {

struct DataProblem {
    // Which file: "database", "aliases" or "folder" (the data folder's files).
    std::string file;
    int line = 0;   // 1-based line where the record starts; 0 for the whole file
    int record = 0; // 1-based record number; 0 when not about one record
    int field = 0;  // 1-based field (1 name, 2 code, 3 family); 0 for none
    // A short machine-readable kind, e.g. "partial-record", "code-length".
    std::string kind;
    // What a person reads, in the program's words.
    Text message;
    // True when the program refuses the database because of it.
    bool stopsLoading = false;
    int otherRecord = 0; // the record it clashes with, when there is one
    int category = 0;    // the category (1..10) to change, when there is one
};

struct DataCheckReport {
    bool loadsAtStartUp = false;   // started with this file on the command line
    bool loadsBySelection = false; // chosen through ﾃﾞｰﾀﾌｧｲﾙ選択
    int plantCount = 0;            // records read (up to the first refusal)
    int aliasCount = 0;
    std::vector<DataProblem> problems;
};

// The records a check looks at: as read from the files, or as the data
// editor holds them before they are saved.
struct CheckedPlant {
    Text name;
    Text code; // as written, not padded
    Text family;
    int line = 0; // where the record starts; the editor gives the row
};
struct CheckedAlias {
    Text alias;
    Text plant;
    int line = 0;
};
struct CheckTables {
    std::vector<CheckedPlant> plants;
    std::vector<CheckedAlias> aliases;
    Text folder; // the data folder, "" for the current one
    // Keys of plants whose picture is about to be written (not yet on disk).
    std::set<Text> picturesToCome;
};

// The problems of the records themselves, of their names and codes, of the
// aliases and of the folder's files: everything but reading the files.
std::vector<DataProblem> CheckTableProblems(const CheckTables& tables);

// Reads `databasePath` (as the start-up command line gives it), the alias
// file beside it (or in the current folder, as the program looks), and the
// names of the files in its data folder.
DataCheckReport CheckDataFiles(const Text& databasePath);

} // namespace kuyu
