#include "cli/cli_commands.h"
#include "kinship/descendants.h"
#include "kinship/descendants_report.h"
#include "store/ansi_text.h"
#include "store/io_errors.h"

namespace brinox {

int cliDescendants(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    auto& session = context.session;
    session.selectedPerson = *person;
    const DescendantWalk walk = walkDescendants(session.persons, session.unions, *person);

    std::optional<std::size_t> click;
    if (const auto given = context.option("click")) {
        const auto index = parseNumberText(*given);
        if (!index || *index >= walk.lines.size()) {
            const std::string count = std::to_string(walk.lines.size());
            return context.usage("--click needs a line index below " + count);
        }
        click = *index;
    }

    printLine(context.out, "title", {descendantsTitle(session.persons, walk)});
    for (const auto& line : shownLines(walk)) printLine(context.out, "line", {line});
    if (walk.cutShort) warn(context.prompt, cutShortWarning());

    if (context.hasFlag("save")) {
        const auto file = descendantsReportPath(session, *person);
        const ReportSave saved = saveDescendantsReport(session.persons, session.unions, walk, file, context.prompt,
                                                       ReportReplace::Always, *session.fileCalls);
        if (saved.outcome == ReportSave::Failed) {
            context.err << ansiToUtf8(systemErrorText(saved.error) + ".\n" + pathForMessage(file)) << '\n';
            return kExitFileError;
        }
        printLine(context.out, "saved", {pathForMessage(file)});
    }

    if (click) {
        const ClickMessage message = clickMessage(session.persons, walk, *click);
        const bool asks = message.kind != MessageKind::Information;
        const Button answer = asks ? context.prompt.message(message.kind, message.text, {Button::Ok, Button::Cancel})
                                   : context.prompt.message(message.kind, message.text, {Button::Ok});
        if (asks && answer == Button::Ok && session.persons.isPerson(message.selects)) {
            session.selectedPerson = message.selects;
            printLine(context.out, "selected", {toText(message.selects)});
        }
    }
    return kExitOk;
}

}  // namespace brinox
