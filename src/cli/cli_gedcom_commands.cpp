// brinox-cli gedcom-export and gedcom-import: the family exchanged with other
// genealogy programs.

#include "cli/cli_commands.h"
#include "gedcom/gedcom_exchange.h"

namespace brinox {

int cliGedcomExport(CliContext& context, const std::vector<std::string>& words) {
    std::error_code ec;
    const auto file = std::filesystem::absolute(words.at(0), ec);
    const std::size_t before = context.prompt.shownTexts().size();
    const auto counts = exportFamily(context.session, file, context.now, context.prompt);
    if (!counts) return context.fileError(before);
    printUtf8Line(context.out, "saved", {file.string()});
    printUtf8Line(context.out, "count", {"persons", std::to_string(counts->persons)});
    printUtf8Line(context.out, "count", {"families", std::to_string(counts->families)});
    printUtf8Line(context.out, "count", {"media", std::to_string(counts->media)});
    printUtf8Line(context.out, "count", {"notes", std::to_string(counts->notes)});
    return kExitOk;
}

int cliGedcomImport(CliContext& context, const std::vector<std::string>& words) {
    const auto code = context.option("family");
    if (!code) return context.usage("gedcom-import needs --family CODE");
    std::error_code ec;
    const auto data = context.option("data");
    const auto dataDirectory = data ? std::filesystem::absolute(*data, ec) : std::filesystem::current_path(ec);
    const std::size_t before = context.prompt.shownTexts().size();
    const ImportResult result = importFamily(std::filesystem::absolute(words.at(0), ec), dataDirectory, *code,
                                             context.prompt);
    switch (result.outcome) {
        case ImportOutcome::Refused: return kExitUsage;
        case ImportOutcome::Failed: return context.fileError(before);
        case ImportOutcome::Imported: break;
    }
    printUtf8Line(context.out, "count", {"persons", std::to_string(result.persons)});
    printUtf8Line(context.out, "count", {"unions", std::to_string(result.unions)});
    return kExitOk;
}

}  // namespace brinox
