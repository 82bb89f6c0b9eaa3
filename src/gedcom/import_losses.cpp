#include "gedcom/import_losses.h"

#include <algorithm>

namespace brinox {
namespace {

constexpr std::size_t kNamed = 3;

const std::array<const char*, kLossKinds> kLabels = {
    "Namen langer dan 50 tekens, ingekort",
    "Tekens die Brinox niet kan bewaren, vervangen door ?",
    "Notities langer dan twee regels van 80 tekens, bewaard als levensbeschrijving",
    "Bijschriften langer dan 100 tekens, ingekort",
    "Personen met meer dan vijf relaties (alle bewaard)",
    "Onzekere of onleesbare data, bewaard voor zover mogelijk",
    "Geslacht onbekend, opgeslagen als man",
    "Foto's of geluiden die niet naast het GEDCOM-bestand staan",
    "Foto's, geluiden of teksten boven het aantal per persoon",
    "Kringen in de afstamming, de ouderlink verwijderd",
    "Gegevens waar Brinox geen plaats voor heeft",
    "Regels die geen GEDCOM zijn",
};

}  // namespace

void ImportLosses::add(Loss kind, const std::string& who) {
    Tally& tally = m_tallies[static_cast<std::size_t>(kind)];
    ++tally.count;
    if (tally.first.size() < kNamed && std::find(tally.first.begin(), tally.first.end(), who) == tally.first.end()) {
        tally.first.push_back(who);
    }
}

void ImportLosses::addLines(int count) {
    if (count > 0) m_tallies[static_cast<std::size_t>(Loss::UnreadableLine)].count += count;
}

bool ImportLosses::empty() const {
    return std::all_of(m_tallies.begin(), m_tallies.end(), [](const Tally& t) { return t.count == 0; });
}

std::string ImportLosses::describe() const {
    std::string out;
    for (std::size_t kind = 0; kind < kLossKinds; ++kind) {
        const Tally& tally = m_tallies[kind];
        if (tally.count == 0) continue;
        out += "\n";
        out += kLabels[kind];
        out += ": ";
        out += std::to_string(tally.count);
        if (tally.first.empty()) continue;
        out += " (";
        for (std::size_t i = 0; i < tally.first.size(); ++i) {
            if (i > 0) out += ", ";
            out += tally.first[i];
        }
        if (tally.count > static_cast<int>(tally.first.size())) out += ", ...";
        out += ")";
    }
    return out;
}

}  // namespace brinox
