#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/prompt.h"

namespace brinox::testing {

// Answers the program's questions from prepared answers and remembers every
// text it was shown, so a test can assert the exact Dutch messages.
class ScriptedPrompt : public Prompt {
public:
    std::deque<Button> buttons;                     // answers to messages with a choice
    std::deque<std::optional<std::string>> inputs;  // answers to input boxes; none left = cancelled
    std::deque<Colour> colours;                     // answers to the colour dialog; none left = cancelled
    std::deque<FontChoice> fonts;                   // answers to the font dialog; none left = cancelled
    std::vector<FontChoice> fontPresets;            // what the font dialog was preset to, each time
    std::deque<std::filesystem::path> files;        // answers to the file-open dialog; none left = cancelled

    std::vector<std::string> shown;   // every message text, in order
    std::vector<MessageKind> kinds;   // the kind of each message
    std::vector<std::string> asked;   // captions of the input boxes

    Button message(MessageKind kind, const std::string& text, std::initializer_list<Button> offered) override {
        shown.push_back(text);
        kinds.push_back(kind);
        if (offered.size() <= 1) return offered.size() == 1 ? *offered.begin() : Button::Ok;
        if (buttons.empty()) return *offered.begin();
        const Button answer = buttons.front();
        buttons.pop_front();
        return answer;
    }

    std::optional<std::string> input(const std::string& caption, const std::string&, const std::string&) override {
        asked.push_back(caption);
        if (inputs.empty()) return std::nullopt;
        auto answer = inputs.front();
        inputs.pop_front();
        return answer;
    }

    Colour chooseColour(Colour preset) override {
        if (colours.empty()) return preset;
        const Colour answer = colours.front();
        colours.pop_front();
        return answer;
    }

    FontChoice chooseFont(const FontChoice& preset) override {
        fontPresets.push_back(preset);
        if (fonts.empty()) return preset;
        const FontChoice answer = fonts.front();
        fonts.pop_front();
        return answer;
    }

    std::optional<std::filesystem::path> chooseFile(const std::string&, const std::string&) override {
        if (files.empty()) return std::nullopt;
        auto answer = files.front();
        files.pop_front();
        return answer;
    }

    std::optional<std::filesystem::path> chooseSaveFile(const std::string& caption, const std::string& filter,
                                                        const std::string&) override {
        return chooseFile(caption, filter);
    }
};

using Texts = std::vector<std::string>;

}  // namespace brinox::testing
