#include <sstream>

#include "cli/cli_commands.h"
#include "timeline/contemporaries.h"
#include "timeline/history_file.h"
#include "timeline/world_history.h"
#include "timeline/year_search.h"

namespace brinox {
namespace {

// What --click, --find and --again ask of a list of `lineCount` lines.
struct TimelineActions {
    std::vector<int> clickedLines;
    std::optional<FindRequest> find;
    int findAgain = 0;
};

std::optional<TimelineActions> timelineActions(CliContext& context, int lineCount) {
    TimelineActions actions;
    if (const auto clicks = context.option("click")) {
        std::istringstream years(*clicks);
        for (std::string year; std::getline(years, year, ',');) {
            const auto number = parseNumberText(year);
            const auto line = number ? lineInList(*number, lineCount) : std::nullopt;
            if (!line) {
                context.usage("--click: the year " + year + " has no line");
                return std::nullopt;
            }
            actions.clickedLines.push_back(*line);
        }
    }
    if (const auto word = context.option("find")) {
        const auto direction = context.hasFlag("up") ? FindDirection::Up : FindDirection::Down;
        actions.find = FindRequest{*word, direction, context.hasFlag("match-case")};
    }
    if (const auto again = context.option("again")) {
        const auto presses = parseNumberText(*again);
        if (!presses) {
            context.usage("--again needs a number of presses");
            return std::nullopt;
        }
        actions.findAgain = *presses;
    }
    return actions;
}

void printView(CliContext& context, const TimelineView& view) {
    printLine(context.out, "caption", {view.caption});
    if (view.message) inform(context.prompt, *view.message);
    if (view.top) printLine(context.out, "top", {std::to_string(*view.top)});
    if (view.period) {
        printLine(context.out, "period", {std::to_string(view.period->first), std::to_string(view.period->last)});
    }
    if (view.current) printLine(context.out, "current", {std::to_string(*view.current)});
    for (std::size_t i = 0; i < view.lines.size(); ++i) printLine(context.out, "line", {std::to_string(i), view.lines[i]});
}

// The find window's search, then F3 pressed again and again.
void runSearch(CliContext& context, const TimelineView& view, const TimelineActions& actions,
               std::string (*notFound)(const std::string&)) {
    if (!actions.find) return;
    YearSearch search;
    search.restart(static_cast<int>(view.lines.size()));
    for (int press = 0; press <= actions.findAgain; ++press) {
        if (const auto found = search.findNext(view.lines, *actions.find)) {
            printLine(context.out, "found", {std::to_string(*found)});
        } else {
            inform(context.prompt, notFound(search.last().text));
        }
    }
}

}  // namespace

int cliTimeline(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    auto& session = context.session;
    if (session.persons.count() < kContemporariesMinimumPersons) {
        inform(context.prompt, kContemporariesTooFew);
        return kExitOk;
    }
    session.selectedPerson = *person;
    const TimelineView view = openContemporaries(session.persons, *person, context.now.year);
    const auto actions = timelineActions(context, static_cast<int>(view.lines.size()));
    if (!actions) return kExitUsage;

    printView(context, view);
    if (!actions->clickedLines.empty()) {
        RecordNo lastFound;
        for (const int line : actions->clickedLines) {
            for (const auto& text : contemporariesClick(session.persons, *person, line, lastFound)) {
                inform(context.prompt, text);
            }
        }
        printLine(context.out, "lastfound", {toText(lastFound)});
        if (context.hasFlag("close") && !lastFound.isNone()) {
            const std::string question = selectLastFoundQuestion(session.persons, lastFound);
            if (context.prompt.message(MessageKind::Confirmation, question, {Button::Yes, Button::No}) ==
                Button::Yes) {
                session.selectedPerson = lastFound;
                printLine(context.out, "selected", {toText(lastFound)});
            }
        }
    }
    runSearch(context, view, *actions, contemporariesNotFound);
    return kExitOk;
}

int cliHistory(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    auto& session = context.session;
    session.selectedPerson = *person;
    auto read = readHistoryFile(session.dataDirectory);
    auto* lines = std::get_if<std::vector<std::string>>(&read);
    const TimelineView view = openWorldHistory(session.persons, *person, context.now.year,
                                               lines ? std::move(*lines) : std::vector<std::string>());
    const auto actions = timelineActions(context, static_cast<int>(view.lines.size()));
    if (!actions) return kExitUsage;

    if (!lines) {
        printLine(context.out, "caption", {view.caption});
        const auto& failure = std::get<ReadError>(read);
        if (failure.problem != ReadProblem::Missing) {
            reportReadError(context.prompt, failure, session.dataDirectory / kHistoryFileName);
        }
        return kExitOk;
    }
    printView(context, view);
    for (const int line : actions->clickedLines) {
        if (const auto text = worldHistoryClick(session.persons, *person, line)) inform(context.prompt, *text);
    }
    runSearch(context, view, *actions, worldHistoryNotFound);
    return kExitOk;
}

}  // namespace brinox
