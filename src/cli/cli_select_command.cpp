#include <map>

#include "cli/cli_commands.h"
#include "selection/selection_history.h"
#include "selection/selection_model.h"

namespace brinox {
namespace {

std::optional<ListKind> listKindNamed(const std::string& word) {
    static const std::map<std::string, ListKind> kinds = {
        {"familienaam", ListKind::FamilyName}, {"voornaam", ListKind::FirstName},
        {"recordnummer", ListKind::RecordNumber}, {"geboortejaar", ListKind::BirthYear},
        {"zoekwoord", ListKind::Keyword}, {"historie", ListKind::History},
    };
    const auto found = kinds.find(word);
    if (found == kinds.end()) return std::nullopt;
    return found->second;
}

// "--history 3,7,3": each a record number in 1..count, recorded in order.
bool recordHistory(CliContext& context, const std::string& list) {
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const auto person = context.recordArgument(list.substr(start, comma - start));
        if (!person) return false;
        recordSelection(context.session.selection, *person);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

}  // namespace

int cliSelect(CliContext& context, const std::vector<std::string>& words) {
    const auto kind = listKindNamed(words.at(0));
    if (!kind) {
        return context.usage("select needs familienaam, voornaam, recordnummer, geboortejaar, zoekwoord or historie");
    }
    Session& session = context.session;
    session.selection.reference = session.selectedPerson;
    if (const auto reference = context.option("reference")) {
        const auto person = context.recordArgument(*reference);
        if (!person) return kExitUsage;
        session.selection.reference = *person;
    }
    if (const auto word = context.option("word")) session.selection.searchWord = *word;
    if (const auto history = context.option("history")) {
        if (!recordHistory(context, *history)) return kExitUsage;
    }

    // The window opened with this list, as after choosing it from the menu.
    session.selection.listKind = static_cast<int>(*kind);
    SelectionModel model(session);
    model.open();

    auto& out = context.out;
    printLine(out, "title", {model.title()});
    printLine(out, "persoon", {model.personCaption()});
    printLine(out, "partner", {model.partnerCaption()});
    for (const auto& line : model.lines()) printLine(out, "line", {line});
    return kExitOk;
}

}  // namespace brinox
