#include "cli/cli_commands.h"
#include "pedigree/pedigree_layout.h"
#include "pedigree/pedigree_model.h"

namespace brinox {

int cliPedigree(CliContext& context, const std::vector<std::string>& words) {
    std::optional<int> width;
    if (const auto given = context.option("width")) {
        width = parseNumberText(*given);
        if (!width) return context.usage("--width needs a number of pixels");
    }
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;

    context.session.selectedPerson = *person;
    const PedigreeView view = buildPedigree(context.session);
    auto& out = context.out;
    printLine(out, "caption", {view.caption.value_or("Kwartierstaat")});
    for (int i = 0; i < kPanelCount; ++i) printLine(out, kPanelNames[i], {view.panelTexts[i]});
    printLine(out, "Label7", {view.partnerLabel.value_or("gehuwd met")});
    for (const auto& line : view.children) printLine(out, "List", {toText(line.target), line.text});
    if (width) {
        for (const auto& place : pedigreeLayout(*width, *width)) {
            printLine(out, "layout", {place.name, std::to_string(place.left), std::to_string(place.top)});
        }
    }
    return kExitOk;
}

}  // namespace brinox
