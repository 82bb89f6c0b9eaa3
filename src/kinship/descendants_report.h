#pragma once

// The descendants report: the list of the descendants window followed by a
// data block for every listed person, as a text file in the family folder.

#include <filesystem>
#include <string>

#include "kinship/descendants.h"
#include "store/file_calls.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// The report file of `person`: "fam" + key + ".AFS" in the family folder,
// spelled as on disk when it exists in another letter case.
std::filesystem::path descendantsReportPath(const Session& session, RecordNo person);

// The whole report in Windows-1252, every line ended by CR LF. A walk that
// was cut short says so below its lines.
std::string descendantsReport(const PersonTable& persons, const UnionTable& unions, const DescendantWalk& walk);

enum class ReportReplace { Ask, Always };

struct ReportSave {
    enum Outcome { Written, Declined, Failed } outcome = Written;
    int error = 0;  // errno when Failed
};

// Writes the report of `walk` to `file` crash-safely. An existing file is
// replaced only after the user said Yes (with Ask). After writing, tells
// where the report went. A failed write shows nothing and leaves the old
// file as it was: the caller reports `error`.
ReportSave saveDescendantsReport(const PersonTable& persons, const UnionTable& unions, const DescendantWalk& walk,
                                 const std::filesystem::path& file, Prompt& prompt, ReportReplace replace,
                                 FileCalls& calls = systemFileCalls());

}  // namespace brinox
