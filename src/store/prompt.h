#pragma once

// How the logic reaches the user: message boxes, input boxes and the standard
// choices. The program passes a Qt-backed implementation; tests and the
// command-line companion pass their own. All texts are Windows-1252 bytes.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

namespace brinox {

using Colour = std::uint32_t;  // 0x00BBGGRR

// A font as the font dialog offers it.
struct FontChoice {
    std::string family;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // The text colour; the dialog offers a colour only when the preset has one.
    std::optional<Colour> colour = std::nullopt;

    bool operator==(const FontChoice&) const = default;
};

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class Button { Ok, Cancel, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;

    // A modal message box offering `buttons`; answers the button pressed.
    // Closing the box without a button answers Cancel when offered, else No,
    // else Ok.
    virtual Button message(MessageKind kind, const std::string& text, std::initializer_list<Button> buttons) = 0;

    // A text input box; empty when cancelled.
    virtual std::optional<std::string> input(const std::string& caption, const std::string& label,
                                             const std::string& initial) = 0;

    // The colour dialog preset to `preset`; answers the colour it holds when
    // closed, so cancelling answers the preset.
    virtual Colour chooseColour(Colour preset) = 0;

    // The font dialog preset to `preset`; answers the font it holds when
    // closed, so cancelling answers the preset.
    virtual FontChoice chooseFont(const FontChoice& preset) = 0;

    // The file-open dialog. `filter` lists descriptions and patterns, each
    // after a "|": "plaatjes (*.JPG)|*.JPG|alle files (*.*)|*.*". Answers the
    // chosen file; nothing when cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const std::string& caption, const std::string& filter) = 0;

    // The file-save dialog, with the filter as above, offering `suggested`
    // as the name. Answers the file to write; nothing when cancelled.
    virtual std::optional<std::filesystem::path> chooseSaveFile(const std::string& caption, const std::string& filter,
                                                                const std::string& suggested) = 0;
};

inline void inform(Prompt& prompt, const std::string& text) {
    prompt.message(MessageKind::Information, text, {Button::Ok});
}

inline void warn(Prompt& prompt, const std::string& text) {
    prompt.message(MessageKind::Warning, text, {Button::Ok});
}

}  // namespace brinox
