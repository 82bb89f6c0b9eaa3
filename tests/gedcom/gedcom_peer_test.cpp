#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>

#include "gedcom/gedcom_exchange.h"
#include "store/family_load.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

int count(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

Session loaded(const std::filesystem::path& data, const std::string& code, Prompt& prompt) {
    Session session;
    session.dataDirectory = data;
    session.familyCode = code;
    EXPECT_TRUE(LoadFamily(session, prompt)) << code;
    return session;
}

// The demo family goes to another genealogy program and comes back whole.
TEST(GedcomPeer, TheDemoFamilyGoesToGrampsAndBack) {
    if (std::system("command -v gramps >/dev/null 2>&1") != 0) GTEST_SKIP() << "gramps is not installed";
    TempDir data;
    std::filesystem::copy(BRINOX_DEMO_DIR, data.path(), std::filesystem::copy_options::recursive);
    ScriptedPrompt prompt;
    const Session demo = loaded(data.path(), "VDORKUM", prompt);
    const auto ours = data / "VDORKUM" / "ours.ged", theirs = data / "VDORKUM" / "theirs.ged";
    ASSERT_TRUE(exportFamily(demo, ours, Moment{2026, 12, 7}, prompt));

    // A home of its own, so that nothing of the user's Gramps is touched.
    const std::string gramps =
        "env -u DISPLAY -u WAYLAND_DISPLAY HOME='" + (data / "home").string() + "' LC_ALL=C.UTF-8 timeout 120 gramps -y ";
    const std::string imported = output(gramps + "-C Demo -i '" + ours.string() + "'");
    EXPECT_NE(imported.find("No errors detected"), std::string::npos) << imported;
    output(gramps + "-O Demo -e '" + theirs.string() + "'");
    std::ifstream in(theirs);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(count(text, "\n0 @[^@]+@ INDI"), 40);
    EXPECT_EQ(count(text, "\n0 @[^@]+@ FAM"), 16);

    ASSERT_EQ(importFamily(theirs, data.path(), "TERUG", prompt).outcome, ImportOutcome::Imported);
    const Session back = loaded(data.path(), "TERUG", prompt);
    ASSERT_EQ(back.persons.count(), demo.persons.count());
    for (int r = 1; r <= demo.persons.count(); ++r) {
        EXPECT_EQ(back.persons.record(RecordNo(r)), demo.persons.record(RecordNo(r))) << r;
    }
    for (int i = 1; i <= UnionTable::kLast; ++i) EXPECT_EQ(back.unions[i], demo.unions[i]) << i;
}

}  // namespace
}  // namespace brinox::testing
