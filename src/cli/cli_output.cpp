#include "cli/cli_output.h"

#include "store/ansi_text.h"

namespace brinox {
namespace {

const char* kindWord(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return "information";
        case MessageKind::Warning: return "warning";
        case MessageKind::Error: return "error";
        case MessageKind::Confirmation: return "confirmation";
    }
    return "information";
}

template <typename Values>
void printValues(std::ostream& out, const std::string& key, const Values& values) {
    out << key;
    for (const auto& value : values) out << '\t' << escapeValue(ansiToUtf8(value));
    out << '\n';
}

}  // namespace

std::string escapeValue(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out;
}

void printLine(std::ostream& out, const std::string& key, std::initializer_list<std::string> values) {
    printValues(out, key, values);
}

void printLine(std::ostream& out, const std::string& key, const std::vector<std::string>& values) {
    printValues(out, key, values);
}

void printUtf8Line(std::ostream& out, const std::string& key, const std::vector<std::string>& values) {
    out << key;
    for (const auto& value : values) out << '\t' << escapeValue(value);
    out << '\n';
}

CliPrompt::CliPrompt(std::ostream& out, std::optional<std::string> password)
    : m_out(out), m_password(std::move(password)) {}

Button CliPrompt::message(MessageKind kind, const std::string& text, std::initializer_list<Button> buttons) {
    const Shown shown{kind, text};
    if (m_holding) {
        m_held.push_back(shown);
    } else {
        print(shown);
    }
    m_shownTexts.push_back(text);
    for (Button preferred : {Button::Ok, Button::Yes}) {
        for (Button b : buttons) {
            if (b == preferred) return b;
        }
    }
    return buttons.size() > 0 ? *buttons.begin() : Button::Ok;
}

std::optional<std::string> CliPrompt::input(const std::string&, const std::string&, const std::string&) {
    auto answer = m_password.value_or("");
    m_password.reset();
    return answer;
}

Colour CliPrompt::chooseColour(Colour preset) { return preset; }

FontChoice CliPrompt::chooseFont(const FontChoice& preset) { return preset; }

std::optional<std::filesystem::path> CliPrompt::chooseFile(const std::string&, const std::string&) { return m_file; }

std::optional<std::filesystem::path> CliPrompt::chooseSaveFile(const std::string&, const std::string&,
                                                               const std::string&) {
    return m_file;
}

void CliPrompt::print(const Shown& shown) { printLine(m_out, "message", {kindWord(shown.kind), shown.text}); }

void CliPrompt::release() {
    m_holding = false;
    for (const auto& shown : m_held) print(shown);
    m_held.clear();
}

std::vector<std::string> CliPrompt::takeHeld() {
    m_holding = false;
    std::vector<std::string> texts;
    for (const auto& shown : m_held) texts.push_back(shown.text);
    m_held.clear();
    return texts;
}

}  // namespace brinox
