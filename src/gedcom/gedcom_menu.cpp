#include "gedcom/gedcom_menu.h"

#include "gedcom/gedcom_exchange.h"
#include "store/family_choice.h"
#include "store/family_code.h"
#include "store/io_errors.h"

namespace brinox {

void exportGedcomFromMenu(const Session& session, Prompt& prompt, const Moment& today) {
    if (session.familyCode.empty()) return;
    const auto file = prompt.chooseSaveFile("Exporteer GEDCOM", kGedcomFilter, session.familyCode + ".ged");
    if (!file) return;
    const auto counts = exportFamily(session, *file, today, prompt);
    if (!counts) return;
    inform(prompt, "De familie " + session.familyCode + " staat nu in\n" + pathForMessage(*file) + "\n\n" +
                       std::to_string(counts->persons) + " personen, " + std::to_string(counts->families) +
                       " gezinnen, " + std::to_string(counts->media) + " foto's en geluiden, " +
                       std::to_string(counts->notes) + " levensbeschrijvingen.");
}

std::optional<std::string> importGedcomFromMenu(Session& session, Prompt& prompt) {
    const auto file = prompt.chooseFile("Importeer GEDCOM", kGedcomFilter);
    if (!file) return std::nullopt;
    const auto typed = prompt.input("Importeer GEDCOM", "Naam van de nieuwe familie:", "");
    if (!typed || typed->empty()) return std::nullopt;
    if (!mayLeaveFamily(session, prompt)) return std::nullopt;
    const ImportResult result = importFamily(*file, session.dataDirectory, *typed, prompt, *session.fileCalls);
    if (result.outcome != ImportOutcome::Imported) return std::nullopt;
    return normalFamilyCode(*typed);
}

}  // namespace brinox
