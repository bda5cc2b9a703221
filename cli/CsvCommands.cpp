// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu-cli export-csv and import-csv: the plant table as a spreadsheet and
// back, written the way the data editor saves.

#include "cli/Command.h"
#include "core/Errors.h"
#include "core/editor/DataFiles.h"
#include "core/editor/PlantCsv.h"
#include "core/editor/PlantData.h"
#include "core/files/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace kuyu::cli {

namespace {

using editor::PlantData;

struct CsvArgs {
    Common common;    // --db; no --json
    std::string out;  // export: the file to write; empty for standard output
    std::string file; // import: the spreadsheet to read
};

int fail(int status, const Text& message) {
    std::cerr << "kuyu-cli: " << utf8(message) << '\n';
    return status;
}

// Aliases of SNAME.DAT that name no plant have no row of their own.
int aliasesWithoutPlant(const PlantData& data) {
    int n = 0;
    for (const editor::Warning& w : data.warnings()) {
        n += w.kind == "unknown-plant" ? 1 : 0;
    }
    return n;
}

// Writes `bytes` to `path` through a temporary file renamed into place.
Text writeFile(const std::string& path, const std::string& bytes) {
    std::string tmp = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        return editor::WriteFailureReason(errno);
    }
    ::fchmod(fd, 0644);
    std::size_t done = 0;
    int e = 0;
    while (done < bytes.size() && e == 0) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) {
            e = errno;
        } else if (n > 0) {
            done += static_cast<std::size_t>(n);
        }
    }
    if (e == 0 && ::fsync(fd) != 0) {
        e = errno;
    }
    if (::close(fd) != 0 && e == 0) {
        e = errno;
    }
    if (e == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) {
        e = errno;
    }
    if (e != 0) {
        ::unlink(tmp.c_str());
        return editor::WriteFailureReason(e);
    }
    return {};
}

int runExportCsv(const CsvArgs& args) {
    Text why;
    const auto data = PlantData::open(pathArgument(args.common.db), why);
    if (!data) {
        return fail(ExitLoadFailed, why);
    }
    const std::string csv = editor::ExportCsv(*data);
    if (const int orphans = aliasesWithoutPlant(*data)) {
        std::cerr << "kuyu-cli: SNAME.DAT の別名 " << orphans
                  << " 件は、名前の植物がないので書き出していません\n";
    }
    if (args.out.empty()) {
        std::cout << csv;
        std::cout.flush();
        return std::cout ? ExitOk : fail(ExitWriteFailed, U"書き出せませんでした");
    }
    if (Text failed = writeFile(args.out, csv); !failed.empty()) {
        return fail(ExitWriteFailed,
                    fromUtf8(args.out) + U" に書けませんでした（" + failed + U"）");
    }
    return ExitOk;
}

int runImportCsv(const CsvArgs& args) {
    std::string bytes;
    try {
        bytes = readWholeFile(pathArgument(args.file), editor::MaxCsvBytes);
    } catch (const RunTimeError& e) {
        return fail(ExitNotFound, fromUtf8(args.file) + U": " +
                                      (e.number() == err::OutOfMemory
                                           ? U"ファイルが大きすぎます（" +
                                                 decimal(editor::MaxCsvBytes >> 20) + U"MBまで）"
                                           : errorNumberText(e.number())));
    }
    const editor::CsvImport read = editor::ImportCsv(bytes);
    if (!read.problems.empty()) {
        for (const editor::CsvProblem& p : read.problems) {
            std::cerr << utf8(fromUtf8(args.file)) << ": " << utf8(p.message) << '\n';
        }
        std::cerr << "kuyu-cli: 問題 " << read.problems.size()
                  << " 件。データファイルは書き換えていません\n";
        return ExitBadInput;
    }
    const Text db = pathArgument(args.common.db);
    Text why;
    std::optional<PlantData> data;
    if (FileExists(db) == 0) {
        data = PlantData::fromTables(db, read.plants);
    } else {
        data = PlantData::open(db, why);
        if (!data) {
            return fail(ExitLoadFailed, why);
        }
        const int orphans = aliasesWithoutPlant(*data);
        if (editor::Outcome o = data->replaceAll(read.plants); !o.ok) {
            return fail(ExitBadInput, o.message);
        }
        if (orphans > 0) {
            std::cerr << "kuyu-cli: 植物のない別名 " << orphans
                      << " 件は除きました（元の SNAME.DAT は SNAME.DAT.bak に残ります）\n";
        }
    }
    if (editor::Outcome o = data->save(); !o.ok) {
        return fail(ExitWriteFailed, o.message);
    }
    std::cout << "植物 " << data->count() << " 件を " << args.common.db << " に書きました\n";
    return ExitOk;
}

const CommandRegistration exportCsv{
    130, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addCommand(app, run, "export-csv",
                                   "write the plant table as a UTF-8 spreadsheet", runExportCsv);
        sub->add_option("--db", a.common.db, "plant database file")->required();
        sub->add_option("--out", a.out, "CSV file to write (default: standard output)");
    }};

const CommandRegistration importCsv{
    140, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addCommand(app, run, "import-csv",
                                   "read a spreadsheet into the database (old files kept as .bak)",
                                   runImportCsv);
        sub->add_option("--db", a.common.db, "plant database file to write")->required();
        sub->add_option("FILE", a.file, "CSV file to read")->required();
    }};

} // namespace
} // namespace kuyu::cli
