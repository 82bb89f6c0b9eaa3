#pragma once

#include <gtest/gtest.h>

#include <QPrinter>
#include <cstdio>

#include "store/family_load.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "texts/rtf_writer.h"
#include "widgets/printer_setup.h"

namespace brinox::testing {

// Prints to a PDF file instead of asking for a printer, or cancels.
struct PdfPrinter : PrinterSetup {
    bool setUp(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return confirm;
    }
    std::filesystem::path pdf;
    bool confirm = true;
};

inline std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// The family VDORKUM with Jan Dorkum (1) and Anna Smit (2), loaded; each
// test writes the texts of Jan it needs.
struct LifeTextFamily {
    LifeTextFamily() {
        Session family;
        addPerson(family.persons, {'m', "Dorkum", "Jan", 1920});
        addPerson(family.persons, {'v', "Smit", "Anna", 1922});
        writeFamily(family, dir.path(), "VDORKUM");
        session.dataDirectory = dir.path();
        session.familyCode = "VDORKUM";
        LoadFamily(session, prompt);
        printer.pdf = dir / "print.pdf";
    }

    std::filesystem::path text(char letter) const { return dir / ("VDORKUM/fam001" + std::string(1, letter) + ".doc"); }

    // Each letter's text holds "Tekst " and the letter.
    void writeTexts(const std::string& letters) const {
        for (const char letter : letters) writeText(letter, "Tekst " + std::string(1, letter));
    }

    void writeText(char letter, const std::string& words, const CharFormat& format = {}) const {
        RichText rich{{Paragraph{}}};
        appendText(rich.paragraphs[0], words, format);
        const std::string bytes = writeRtf(rich);
        writeBytes(text(letter), {bytes.begin(), bytes.end()});
    }

    // The printed PDF holds `words` and is titled `title`, as poppler reads it.
    void expectPrinted(const std::string& words, const std::string& title) const {
        ASSERT_TRUE(std::filesystem::exists(printer.pdf));
        if (commandOutput("command -v pdfinfo >/dev/null && command -v pdftotext").empty()) {
            GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
        }
        const std::string pdf = "'" + printer.pdf.string() + "'";
        const std::string printed = commandOutput("pdftotext -enc UTF-8 " + pdf + " -");
        EXPECT_NE(printed.find(words), std::string::npos) << printed;
        EXPECT_EQ(commandOutput("pdfinfo -enc UTF-8 " + pdf + " | sed -n 's/^Title: *//p'"), title + "\n");
    }

    TempDir dir;
    Session session;
    ScriptedPrompt prompt;
    PdfPrinter printer;
};

}  // namespace brinox::testing
