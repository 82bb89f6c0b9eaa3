#include "cli/cli_commands.h"
#include "store/ansi_text.h"
#include "store/name_formats.h"
#include "store/save_command.h"

namespace brinox {
namespace {

// Prints the messages a write command showed since `from` on stderr too, and
// answers the exit code for the save's outcome.
int saveExitCode(CliContext& context, SaveOutcome outcome, std::size_t from) {
    switch (outcome) {
        case SaveOutcome::NothingToSave:
        case SaveOutcome::Saved: return kExitOk;
        case SaveOutcome::NoPassword: return kExitUsage;
        case SaveOutcome::Refused:
        case SaveOutcome::Failed: break;
    }
    return context.fileError(from);
}

}  // namespace

int cliPersons(CliContext& context, const std::vector<std::string>&) {
    const auto& persons = context.session.persons;
    for (int i = 1; i <= persons.count(); ++i) {
        const RecordNo r(i);
        const char sex = persons.getSex(r);
        printLine(context.out, "person",
                  {toText(r), sex == 0 ? std::string() : std::string(1, sex), persons.getFamilyName(r),
                   persons.getFirstNames(r), birthDateText(persons, r), deathDateText(persons, r),
                   toText(persons.getFather(r)), toText(persons.getMother(r)), persons.getInfo1(r),
                   persons.getInfo2(r)});
    }
    return kExitOk;
}

int cliUnions(CliContext& context, const std::vector<std::string>&) {
    const auto& unions = context.session.unions;
    for (int i = 1; i <= UnionTable::kLast; ++i) {
        const auto& e = unions[i];
        if (!e.inUse()) continue;
        printLine(context.out, "union",
                  {std::to_string(i), std::to_string(e.man), std::to_string(e.woman), std::to_string(e.married)});
    }
    return kExitOk;
}

int cliSave(CliContext& context) {
    const std::size_t before = context.prompt.shownTexts().size();
    return saveExitCode(context, saveCommand(context.session, context.prompt), before);
}

int cliResave(CliContext& context, const std::vector<std::string>&) { return cliSave(context); }

}  // namespace brinox
