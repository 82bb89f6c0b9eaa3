#pragma once

#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <string>

#include "store/family_load.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "texts/rtf_writer.h"
#include "widgets/printer_setup.h"

namespace brinox::testing {

// Prints to a PDF file instead of asking for a printer, or cancels.
class PdfPrinter : public PrinterSetup {
public:
    explicit PdfPrinter(std::filesystem::path file) : pdf(std::move(file)) {}
    bool setUp(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return confirm;
    }
    std::filesystem::path pdf;
    bool confirm = true;
};

// What a command prints on its standard output; empty when it cannot run.
inline std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

inline bool havePdfTools() {
    return std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") == 0;
}

inline std::string pdfText(const std::filesystem::path& pdf) {
    return commandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -");
}

inline std::string pdfTitle(const std::filesystem::path& pdf) {
    const std::string info = commandOutput("pdfinfo -enc UTF-8 '" + pdf.string() + "'");
    const auto start = info.find("Title:");
    if (start == std::string::npos) return {};
    const auto value = info.find_first_not_of(' ', start + 6);
    return info.substr(value, info.find('\n', value) - value);
}

// The family VDORKUM with Jan Dorkum (1) and Anna Smit (2), loaded; the
// texts of Jan are written by each test.
struct LifeTextFamily {
    LifeTextFamily() {
        Session family;
        addPerson(family.persons, {'m', "Dorkum", "Jan", 1920});
        addPerson(family.persons, {'v', "Smit", "Anna", 1922});
        writeFamily(family, dir.path(), "VDORKUM");
        session.dataDirectory = dir.path();
        session.familyCode = "VDORKUM";
        LoadFamily(session, prompt);
    }

    std::filesystem::path text(char letter) const {
        return dir / ("VDORKUM/fam001" + std::string(1, letter) + ".doc");
    }

    // Writes each letter's text as Rich Text Format holding "Tekst " + letter.
    void writeTexts(const std::string& letters) const {
        for (const char letter : letters) writeRtfText(letter, "Tekst " + std::string(1, letter));
    }

    void writeRtfText(char letter, const std::string& words) const {
        RichText rich{{Paragraph{}}};
        const std::u32string characters = decodeUtf8(words).value();
        for (const char32_t c : characters) appendCharacter(rich.paragraphs[0], c, CharFormat{});
        const std::string bytes = writeRtf(rich);
        writeBytes(text(letter), {bytes.begin(), bytes.end()});
    }

    TempDir dir;
    Session session;
    ScriptedPrompt prompt;
    PdfPrinter printer{dir / "print.pdf"};
};

}  // namespace brinox::testing
