#pragma once

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "store/prompt.h"

namespace brinox {

// One output line: a key and its values, TAB-separated, converted from
// Windows-1252 to UTF-8, with line breaks, TABs and backslashes escaped.
void printLine(std::ostream& out, const std::string& key, std::initializer_list<std::string> values);
void printLine(std::ostream& out, const std::string& key, const std::vector<std::string>& values);

// The same for values that are UTF-8 already.
void printUtf8Line(std::ostream& out, const std::string& key, const std::vector<std::string>& values);

// A value with "\n", "\t" and "\\" written as two characters.
std::string escapeValue(const std::string& utf8);

// Answers the program's questions as the command line does: confirmations
// with OK or Yes, the password with --password once and then an empty
// answer, the colour and font dialogs with their presets, the file-open
// dialog with the file a command gives it. Messages are printed as
// `message` lines, or held back while the family is being opened.
class CliPrompt : public Prompt {
public:
    CliPrompt(std::ostream& out, std::optional<std::string> password);

    Button message(MessageKind kind, const std::string& text, std::initializer_list<Button> buttons) override;
    std::optional<std::string> input(const std::string& caption, const std::string& label,
                                     const std::string& initial) override;
    Colour chooseColour(Colour preset) override;
    FontChoice chooseFont(const FontChoice& preset) override;
    // Answers with the file set by answerFilesWith, or cancels.
    std::optional<std::filesystem::path> chooseFile(const std::string& caption, const std::string& filter) override;
    std::optional<std::filesystem::path> chooseSaveFile(const std::string& caption, const std::string& filter,
                                                        const std::string& suggested) override;
    void answerFilesWith(std::filesystem::path file) { m_file = std::move(file); }

    // While holding, messages are kept instead of printed.
    void hold() { m_holding = true; }
    // Prints the held messages as `message` lines and stops holding.
    void release();
    // The held texts, for an error report; stops holding and forgets them.
    std::vector<std::string> takeHeld();

    // Every text shown so far, held or printed, in order.
    const std::vector<std::string>& shownTexts() const { return m_shownTexts; }

private:
    struct Shown {
        MessageKind kind;
        std::string text;
    };
    void print(const Shown& shown);

    std::ostream& m_out;
    std::optional<std::string> m_password;
    std::optional<std::filesystem::path> m_file;
    bool m_holding = false;
    std::vector<Shown> m_held;
    std::vector<std::string> m_shownTexts;
};

}  // namespace brinox
