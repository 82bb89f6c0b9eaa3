#include "cli/cli_commands.h"

#include <map>

#include "store/ansi_text.h"
#include "store/family_code.h"
#include "store/family_load.h"

namespace brinox {
namespace {

using Command = int (*)(CliContext&, const std::vector<std::string>&);

struct CommandInfo {
    Command run;
    std::size_t arguments;  // how many words follow the command word
    bool needsFamily = true;
};

const std::map<std::string, CommandInfo>& commands() {
    static const std::map<std::string, CommandInfo> table = {
        {"persons", {cliPersons, 0}},
        {"unions", {cliUnions, 0}},
        {"resave", {cliResave, 0}},
        {"pedigree", {cliPedigree, 1}},
        {"select", {cliSelect, 1}},
        {"anniversaries", {cliAnniversaries, 0}},
        {"delete", {cliDelete, 1}},
        {"details", {cliDetails, 1}},
        {"descendants", {cliDescendants, 1}},
        {"relation", {cliRelation, 2}},
        {"identify", {cliIdentify, 1}},
        {"timeline", {cliTimeline, 1}},
        {"history", {cliHistory, 1}},
        {"captions", {cliCaptions, 0}},
        {"slides", {cliSlides, 1}},
        {"photos", {cliPhotos, 1}},
        {"photo", {cliPhoto, 1}},
        {"album", {cliAlbum, 0}},
        {"lifetexts", {cliLifeTexts, 1}},
        {"lifetext", {cliLifeText, 1}},
        {"lifesave", {cliLifeSave, 1}},
        {"lifedelete", {cliLifeDelete, 1}},
        {"gedcom-export", {cliGedcomExport, 1}},
        {"gedcom-import", {cliGedcomImport, 1, false}},
        {"counts", {cliCounts, 0}},
        {"voice", {cliVoice, 1}},
        {"jpeg", {cliJpeg, 1, false}},
    };
    return table;
}

// Options typed as UTF-8 that the family files hold as Windows-1252.
bool convertTextOptions(CliArguments& arguments, std::string& error) {
    for (const char* name : {"family", "password", "word", "find", "goto"}) {
        const auto found = arguments.options.find(name);
        if (found == arguments.options.end()) continue;
        const auto ansi = utf8ToAnsi(found->second);
        if (!ansi) {
            error = std::string("--") + name + " holds a character the family files cannot store";
            return false;
        }
        found->second = *ansi;
    }
    for (auto& [name, values] : arguments.pairs) {
        for (std::string* value : {&values.first, &values.second}) {
            const auto ansi = utf8ToAnsi(*value);
            if (!ansi) {
                error = "--" + name + " holds a character the family files cannot store";
                return false;
            }
            *value = *ansi;
        }
    }
    return true;
}

int applyClock(CliContext& context) {
    context.now = currentMoment();
    if (const auto today = context.option("today"); today && !parseDate(*today, context.now)) {
        return context.usage("--today needs a date YYYY-MM-DD");
    }
    if (const auto now = context.option("now"); now && !parseTime(*now, context.now)) {
        return context.usage("--now needs a time HH:MM");
    }
    return kExitOk;
}

// Opens the family as the program does at start, with the options' changes.
int openFamily(CliContext& context) {
    std::error_code ec;
    const auto data = context.option("data");
    readStartConfiguration(context.session, data ? std::filesystem::absolute(*data, ec)
                                                 : std::filesystem::current_path(ec));
    if (const auto family = context.option("family")) {
        const std::string code = normalFamilyCode(*family);
        if (const auto refusal = familyCodeRefusal(code)) return context.usage(ansiToUtf8(*refusal));
        context.session.familyCode = code;
    }
    if (const auto selected = context.option("selected")) {
        const auto number = parseNumberText(*selected);
        if (!number || *number < 1) return context.usage("--selected needs a record number");
        context.session.selectedPerson = RecordNo(*number);
    }
    if (context.session.selectedPerson.isNone()) context.session.selectedPerson = RecordNo(1);

    context.prompt.hold();
    if (!LoadFamily(context.session, context.prompt)) {
        for (const auto& text : context.prompt.takeHeld()) context.err << ansiToUtf8(text) << '\n';
        return kExitFileError;
    }
    context.prompt.release();
    return kExitOk;
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::string error;
    auto split = splitArguments(arguments, error, TextOption::Pair);
    // "lifesave" takes --text with one value, "photos" with two.
    if (!split || split->words.empty() || split->words.front() != "photos") {
        std::string singleError;
        auto single = splitArguments(arguments, singleError, TextOption::Single);
        if (single && !single->words.empty() && single->words.front() == "lifesave") split = std::move(single);
    }
    if (!split || !convertTextOptions(*split, error)) {
        err << error << '\n';
        return kExitUsage;
    }
    if (split->words.empty()) {
        err << "usage: brinox-cli [OPTIONS] COMMAND [ARGUMENTS]\n";
        return kExitUsage;
    }
    const auto found = commands().find(split->words.front());
    if (found == commands().end()) {
        err << "unknown command: " << split->words.front() << '\n';
        return kExitUsage;
    }
    const std::vector<std::string> words(split->words.begin() + 1, split->words.end());
    if (words.size() != found->second.arguments) {
        err << found->first << " takes " << found->second.arguments << " argument(s)\n";
        return kExitUsage;
    }

    std::optional<std::string> password;
    if (const auto given = split->options.find("password"); given != split->options.end()) password = given->second;
    CliContext context(out, err, std::move(*split), password);
    if (const int code = applyClock(context)) return code;
    if (found->second.needsFamily) {
        if (const int code = openFamily(context)) return code;
    }
    return found->second.run(context, words);
}

}  // namespace brinox
