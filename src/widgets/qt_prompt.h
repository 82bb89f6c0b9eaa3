#pragma once

#include <QWidget>

#include "store/prompt.h"

namespace brinox {

// The program's prompt: Qt message boxes, input boxes, the colour and font dialogs,
// in Dutch, modal over the active window.
class QtPrompt : public Prompt {
public:
    Button message(MessageKind kind, const std::string& text, std::initializer_list<Button> buttons) override;
    std::optional<std::string> input(const std::string& caption, const std::string& label,
                                     const std::string& initial) override;
    Colour chooseColour(Colour preset) override;
    FontChoice chooseFont(const FontChoice& preset) override;
    std::optional<std::filesystem::path> chooseFile(const std::string& caption, const std::string& filter) override;
    std::optional<std::filesystem::path> chooseSaveFile(const std::string& caption, const std::string& filter,
                                                        const std::string& suggested) override;
};

}  // namespace brinox
