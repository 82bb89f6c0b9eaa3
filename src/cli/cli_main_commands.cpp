#include "cli/cli_commands.h"
#include "pedigree/main_commands.h"
#include "store/save_command.h"

namespace brinox {

int cliAnniversaries(CliContext& context, const std::vector<std::string>&) {
    for (const auto& text : anniversaryMessages(context.session.persons, context.now)) inform(context.prompt, text);
    return kExitOk;
}

int cliDelete(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    const std::string question = deleteQuestion(context.session, *person, toText(*person));
    if (context.prompt.message(MessageKind::Confirmation, question, {Button::Ok, Button::Cancel}) != Button::Ok) {
        return kExitOk;
    }
    deletePerson(context.session, *person);
    return cliSave(context);
}

}  // namespace brinox
