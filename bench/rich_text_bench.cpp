// Loading a life description of about 1 MB of varied formatting into the
// editor (bytes read, Rich Text Format parsed, the document built) against
// loading the same text as plain text into the same editor, in turn, so that
// both meet the same machine state.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTextEdit>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "texts/rich_text_document.h"
#include "texts/rtf_reader.h"
#include "texts/rtf_writer.h"

namespace {

using namespace brinox;
using Clock = std::chrono::steady_clock;

double millisecondsOf(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// About a megabyte of Rich Text Format: paragraphs of words with accents,
// in the formats a life description uses, changing every `wordsPerFormat`
// words, in changing alignments.
RichText lifeDescription(int wordsPerFormat) {
    const char* const words[] = {"Jan", "werd", "geboren", "in", "Zürich,", "café", "één", "groot", "feest",
                                 "€ 12,50", "Čapek", "tijdens", "de", "oorlog", "naar", "Frankrijk", "ging"};
    const CharFormat formats[] = {
        CharFormat{},
        CharFormat{.fontFamily = "Times New Roman", .bold = true},
        CharFormat{.fontFamily = "Arial", .halfPoints = 20, .italic = true},
        CharFormat{.fontFamily = "Arial", .halfPoints = 28, .underline = true},
        CharFormat{.fontFamily = "Courier New", .halfPoints = 22, .strike = true, .colour = Rgb{200, 0, 0}},
        CharFormat{.bold = true, .italic = true, .colour = Rgb{0, 0, 160}},
    };
    RichText text;
    std::size_t written = 0;
    for (int p = 0; written < 700'000; ++p) {
        Paragraph& paragraph = text.paragraphs.emplace_back();
        paragraph.alignment = static_cast<Alignment>(p % 4);
        for (int w = 0; w < 60; ++w) {
            const CharFormat& format = formats[(p * 7 + w / wordsPerFormat) % std::size(formats)];
            const std::string word = std::string(words[(p + w) % std::size(words)]) + (w % 13 == 12 ? "\t" : " ");
            const std::u32string characters = decodeUtf8(word).value();
            for (const char32_t c : characters) appendCharacter(paragraph, c, format);
        }
        written += paragraph.text.size();
    }
    return text;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

QByteArray readFile(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void BM_LoadRichTextAgainstPlainText(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "brinox-rich-text-bench";
    std::filesystem::create_directories(folder);
    const RichText text = lifeDescription(static_cast<int>(state.range(0)));
    writeFile(folder / "fam001A.doc", writeRtf(text));
    writeFile(folder / "fam001A.txt", brinox::plainText(text));
    // The editor is on the screen, as in the windows, and each load counts
    // until the editor has painted the text.
    QTextEdit editor;
    editor.resize(640, 480);
    editor.show();
    std::vector<double> richTimes, parseTimes, plainTimes;
    for (auto _ : state) {
        auto start = Clock::now();
        const QByteArray rtf = readFile(folder / "fam001A.doc");
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(rtf.constData()), std::size_t(rtf.size()));
        const RichText read = readRtf(bytes).value();
        const auto parsed = Clock::now();
        fillDocument(*editor.document(), read);
        editor.repaint();
        const double richMs = millisecondsOf(Clock::now() - start);
        parseTimes.push_back(millisecondsOf(parsed - start));

        start = Clock::now();
        editor.setPlainText(QString::fromUtf8(readFile(folder / "fam001A.txt")));
        editor.repaint();
        const double plainMs = millisecondsOf(Clock::now() - start);

        richTimes.push_back(richMs);
        plainTimes.push_back(plainMs);
        state.SetIterationTime((richMs + plainMs) / 1000.0);
    }
    std::filesystem::remove_all(folder);
    const auto median = [](std::vector<double> times) {
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    };
    state.counters["rich_ms"] = median(richTimes);
    state.counters["of_which_reading_ms"] = median(parseTimes);
    state.counters["plain_ms"] = median(plainTimes);
    state.counters["ratio"] = median(richTimes) / median(plainTimes);
}
// A change of format every 5 words is a heavily marked-up text; every 20
// words is closer to what people write.
BENCHMARK(BM_LoadRichTextAgainstPlainText)->Arg(5)->Arg(20)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
