// brinox-cli lifetexts, lifetext, lifesave and lifedelete: the life-description
// entry window opened for a person, and its commands.

#include <cstdio>

#include "cli/cli_commands.h"
#include "store/ansi_text.h"
#include "store/family_files.h"
#include "store/io_errors.h"
#include "texts/life_text_entry.h"

namespace brinox {
namespace {

const char* alignmentWord(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left: return "left";
        case Alignment::Center: return "center";
        case Alignment::Right: return "right";
        case Alignment::Justify: return "justify";
    }
    return "left";
}

std::string pointSize(int halfPoints) {
    std::string text = std::to_string(halfPoints / 2);
    if (halfPoints % 2 != 0) text += ".5";
    return text;
}

std::string styleLetters(const CharFormat& format) {
    std::string letters;
    if (format.bold) letters += 'b';
    if (format.italic) letters += 'i';
    if (format.underline) letters += 'u';
    if (format.strike) letters += 's';
    return letters.empty() ? "-" : letters;
}

std::string colourText(const std::optional<Rgb>& colour) {
    if (!colour) return "auto";
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour->red, colour->green, colour->blue);
    return text;
}

void printDocument(std::ostream& out, const RichText& document) {
    printUtf8Line(out, "text", {plainText(document)});
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        printUtf8Line(out, "paragraph", {std::to_string(i), alignmentWord(document.paragraphs[i].alignment)});
    }
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        for (const auto& run : document.paragraphs[i].runs) {
            printUtf8Line(out, "run",
                          {std::to_string(i), std::to_string(run.start), std::to_string(run.length),
                           run.format.fontFamily, pointSize(run.format.halfPoints), styleLetters(run.format),
                           colourText(run.format.colour)});
        }
    }
}

// Typed text: every line feed starts a new paragraph.
std::optional<RichText> typedText(const std::string& utf8) {
    const auto characters = decodeUtf8(utf8);
    if (!characters) return std::nullopt;
    RichText document;
    document.paragraphs.emplace_back();
    for (char32_t c : *characters) {
        if (c == U'\n') {
            document.paragraphs.emplace_back();
        } else {
            appendCharacter(document.paragraphs.back(), c, CharFormat{});
        }
    }
    return document;
}

std::string fileName(const std::filesystem::path& file) { return file.filename().string(); }

std::optional<char> letterOption(CliContext& context) {
    const auto letter = context.option("letter");
    if (!letter) return std::nullopt;
    if (letter->size() != 1 || (*letter)[0] < 'A' || (*letter)[0] >= 'A' + kLifeTextSlots) {
        context.usage("--letter needs a letter from A to T");
        return std::nullopt;
    }
    return (*letter)[0];
}

// The entry window activated for the command's person, or nothing after a usage error.
std::optional<LifeTextEntry> openEntry(CliContext& context, const std::string& word) {
    const auto person = context.recordArgument(word);
    if (!person) return std::nullopt;
    context.session.selectedPerson = *person;
    std::optional<LifeTextEntry> entry;
    entry.emplace(context.session, context.prompt);
    entry->activate();
    return entry;
}

// Chooses the existing text of `letter`; false after a usage error.
bool chooseLetter(CliContext& context, LifeTextEntry& entry, char letter) {
    const auto& existing = entry.list().existing();
    for (std::size_t i = 0; i < existing.size(); ++i) {
        if (existing[i] == entry.list().file(letter)) {
            entry.choose(static_cast<int>(i));
            return true;
        }
    }
    context.usage(toText(context.session.selectedPerson) + " has no text " + letter);
    return false;
}

ImportKind importKindOf(const std::filesystem::path& file) {
    return equalsIgnoringCase(file.extension().string(), ".rtf") ? ImportKind::RichText : ImportKind::PlainText;
}

}  // namespace

int cliLifeTexts(CliContext& context, const std::vector<std::string>& words) {
    auto entry = openEntry(context, words.at(0));
    if (!entry) return kExitUsage;
    printLine(context.out, "caption", {entry->activationCaption()});
    for (const auto& choice : entry->choices()) printLine(context.out, "choice", {choice});
    const auto next = entry->list().firstFreeLetter();
    printLine(context.out, "next", {next ? std::string(1, *next) : std::string()});
    return kExitOk;
}

int cliLifeText(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    const auto letter = context.option("letter") ? letterOption(context) : std::optional<char>('A');
    if (!letter) return kExitUsage;
    const auto directory = familyFiles(context.session.dataDirectory, context.session.familyCode).directory;
    const LifeTextList list(directory, *person);
    const auto& file = list.file(*letter);
    if (file.empty()) return context.usage(toText(*person) + " has no text " + *letter);
    auto loaded = loadLifeText(file);
    if (auto* failure = std::get_if<ReadError>(&loaded)) {
        reportReadError(context.prompt, *failure, file);
        return context.fileError(context.prompt.shownTexts().size() - 1);
    }
    const auto& text = std::get<LoadedText>(loaded);
    printUtf8Line(context.out, "file", {fileName(file)});
    printUtf8Line(context.out, "format", {text.rich ? "rtf" : "plain"});
    printDocument(context.out, text.text);
    return kExitOk;
}

int cliLifeSave(CliContext& context, const std::vector<std::string>& words) {
    const bool startNew = context.hasFlag("new");
    const auto import = context.option("import");
    const auto typed = context.option("text");
    if (startNew == context.option("letter").has_value() || import.has_value() == typed.has_value()) {
        return context.usage("lifesave takes one of --new and --letter, and one of --import and --text");
    }
    const auto letter = startNew ? std::optional<char>() : letterOption(context);
    if (!startNew && !letter) return kExitUsage;
    std::optional<RichText> text;
    if (typed && !(text = typedText(*typed))) return context.usage("--text needs UTF-8 text");
    auto entry = openEntry(context, words.at(0));
    if (!entry) return kExitUsage;
    if (letter && !chooseLetter(context, *entry, *letter)) return kExitUsage;
    if ((startNew || import) && !entry->newEnabled()) {
        return context.usage(toText(context.session.selectedPerson) + " has twenty texts already");
    }
    const std::size_t before = context.prompt.shownTexts().size();
    if (import) {
        text = entry->importFile(importKindOf(*import), *import);
        if (!text) return context.fileError(before);
    } else if (startNew) {
        entry->prepareNew();
    }
    if (!entry->save(*text)) return context.fileError(before);
    printUtf8Line(context.out, "saved", {fileName(entry->currentFile())});
    return kExitOk;
}

int cliLifeDelete(CliContext& context, const std::vector<std::string>& words) {
    if (!context.option("letter")) return context.usage("lifedelete needs --letter");
    const auto letter = letterOption(context);
    if (!letter) return kExitUsage;
    auto entry = openEntry(context, words.at(0));
    if (!entry || !chooseLetter(context, *entry, *letter)) return kExitUsage;
    const std::size_t before = context.prompt.shownTexts().size();
    const auto removal = entry->remove();
    const auto& session = context.session;
    const LifeTextList afterwards(familyFiles(session.dataDirectory, session.familyCode).directory,
                                  session.selectedPerson);
    for (const auto& file : afterwards.existing()) {
        printLine(context.out, "choice", {lifeTextDisplayName(session.familyCode, file)});
    }
    const bool failed = removal == LifeTextEntry::Removal::Failed || removal == LifeTextEntry::Removal::NotEmptied;
    return failed ? context.fileError(before) : kExitOk;
}

}  // namespace brinox
