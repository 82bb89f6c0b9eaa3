#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "photos/photo_adding.h"
#include "photos/photo_management.h"
#include "photos/photo_family.h"
#include "support/failing_calls.h"

namespace brinox::testing {
namespace {

const std::string kNoArrangePassword =
    "Alleen als U het wachtwoord kent,\nkan de volgorde worden gewijzigd.\nDe filenamen zouden er door \n"
    "worden veranderd";

TEST(PhotoArranging, TheLettersDecideWhatMovesAndEachCaptionGoesWithItsPhoto) {
    const struct {
        std::string letters, order, captions;  // captions of A, B and C afterwards, "-" for no record
        Texts shown;
    } cases[] = {
        {"CAB", "BCA", "|IJs|Boerderij", {}},
        {"BAC", "BAC", "|Boerderij|IJs", {}},
        {"ABC", "ABC", "Boerderij|-|IJs", {"Rangschikken is onnodig.\nLetters staan op volgorde"}},
        {"AAC", "ABC", "Boerderij|-|IJs", {"Rangschikken gaat niet bij gelijke letters"}},
    };
    for (const auto& c : cases) {
        PhotoFamily family;
        family.session.passwordGiven = true;
        ScriptedPrompt prompt;
        const std::vector<char> letters(c.letters.begin(), c.letters.end());
        const auto before = fileBytes(family.folder / "SMIT.tx1");
        arrangePhotos(family.session, prompt, family.photos(), letters);
        EXPECT_EQ(prompt.shown, c.shown) << c.letters;
        EXPECT_EQ(family.order(), c.order) << c.letters;
        EXPECT_EQ(family.caption('A') + "|" + family.caption('B') + "|" + family.caption('C'), c.captions);
        EXPECT_EQ(family.names(), family.kStartNames) << c.letters;
        if (c.order == "ABC") {
            EXPECT_EQ(fileBytes(family.folder / "SMIT.tx1"), before) << c.letters;
        }
    }
}

TEST(PhotoArranging, TjalkoUnlocksArrangingInEveryFamilyAndLinkingThenAsksNothing) {
    const struct {
        std::deque<std::optional<std::string>> typed;
        Texts shown;
        ArrangeOutcome outcome;
    } cases[] = {
        {{"7341PX", ""}, {"Geef s.v.p. het goede wachtwoord", kNoArrangePassword}, ArrangeOutcome::NoPassword},
        {{}, {kNoArrangePassword}, ArrangeOutcome::NoPassword},
        {{"fout", "Tjalko"}, {"Geef s.v.p. het goede wachtwoord"}, ArrangeOutcome::Arranged},
    };
    for (const auto& c : cases) {
        PhotoFamily family;  // SMIT, whose own password is "7341PX"
        ScriptedPrompt prompt;
        prompt.inputs = c.typed;
        EXPECT_EQ(arrangePhotos(family.session, prompt, family.photos(), {'B', 'A', 'C'}), c.outcome);
        EXPECT_EQ(prompt.shown, c.shown);
        EXPECT_EQ(family.order(), c.outcome == ArrangeOutcome::Arranged ? "BAC" : "ABC");
        EXPECT_EQ(family.session.passwordGiven, c.outcome == ArrangeOutcome::Arranged);
        if (family.session.passwordGiven) {
            EXPECT_EQ(linkCaption(family.session, prompt, "001A", "Nieuw"), LinkOutcome::Linked);
            EXPECT_EQ(prompt.asked.size(), 2u);
        }
    }

    PhotoFamily family;
    ScriptedPrompt prompt;
    prompt.inputs = {"Tjalko", ""};
    EXPECT_EQ(linkCaption(family.session, prompt, "001A", "Nieuw"), LinkOutcome::NoPassword);
    EXPECT_EQ(prompt.shown, (Texts{"Tjalko\nis niet het goede wachtwoord.",
                                   "Geen goed wachtwoord ontvangen.\nHet bestand is niet bijgewerkt.",
                                   "Alleen als U het wachtwoord kent,\nkan tekst aan het plaatje \nworden gekoppeld"}));
    EXPECT_EQ(family.caption('A'), "Boerderij");
}

TEST(PhotoManager, OrderLettersGoRoundTheSlotsAndTextModeSetsThemBack) {
    PhotoFamily family;
    ScriptedPrompt prompt;
    PhotoManager manager(family.session, prompt);
    manager.open();
    EXPECT_EQ(manager.windowCaption(), "Foto's en Onderschriften.  Bij 1 Gerrit Dorkum");
    std::string seen;
    for (bool forward : {true, true, true, false}) {
        manager.stepOrderLetter(1, forward);
        seen += manager.orderLetter(1);
    }
    EXPECT_EQ(seen, "BCAC");
    EXPECT_EQ(manager.deleteCaption(), "Ver&wijder foto C");

    EXPECT_EQ(manager.link("x"), std::nullopt);  // nothing picked yet
    manager.switchMode();
    EXPECT_EQ(manager.orderLetter(1), 'A');
    EXPECT_FALSE(manager.deleteEnabled() || manager.manipulating());
    EXPECT_EQ(manager.statusText(), "Tekst-mode.     Klik op een foto om de tekst eronder te bewerken");
    EXPECT_EQ(manager.pointAt(3), "IJs");
    EXPECT_EQ(manager.groupTitle(), "Tekst bij plaatje C  ");
    EXPECT_EQ(prompt.shown, Texts{kNothingPicked});

    // A person without photos keeps the mode; Anna's first photo becomes "A".
    family.session.selectedPerson = RecordNo(2);
    manager.open();
    EXPECT_EQ(manager.deleteCaption(), "Ver&wijder");
    EXPECT_FALSE(manager.manipulating());
    manager.switchMode();
    prompt.files = {family.photo('C')};
    ASSERT_TRUE(manager.chooseCandidate());
    EXPECT_TRUE(manager.addCandidate());
    EXPECT_EQ(fileBytes(family.folder / "fam002A.jpg"), family.jpegs[2]);
    EXPECT_EQ(manager.deleteCaption(), "Ver&wijder foto A");
}

TEST(PhotoManager, AFailedCopyShowsFoutAndLeavesNothingWhileAGoodOneComesAndGoes) {
    PhotoFamily family;
    const auto candidate = family.dir / "nieuw.JPG";
    writeBytes(candidate, family.jpegs[0]);
    std::filesystem::create_directory(family.dir / "map.jpg");
    FailingCall unreadable(FileCall::Open, EACCES), readOnlyFolder(FileCall::Open, EACCES, 1);
    ShortWrites diskFull(1000);
    const struct {
        FileCalls* calls;
        std::filesystem::path source;
        int error;
    } failures[] = {{&unreadable, candidate, EACCES},
                    {&readOnlyFolder, candidate, EACCES},
                    {&diskFull, candidate, ENOSPC},
                    {&systemFileCalls(), family.dir / "map.jpg", EINVAL}};
    for (const auto& failure : failures) {
        family.session.fileCalls = failure.calls;
        ScriptedPrompt prompt;
        PhotoManager manager(family.session, prompt);
        manager.open();
        prompt.files = {failure.source};
        ASSERT_TRUE(manager.chooseCandidate());
        EXPECT_FALSE(manager.addCandidate());
        EXPECT_EQ(prompt.shown, Texts{"Fout " + std::to_string(failure.error) +
                                      "\nopgetreden bij het copieren van \n" + failure.source.string() + " naar" +
                                      family.photo('D').string()});
        EXPECT_EQ(family.names(), family.kStartNames);
    }

    family.session.fileCalls = &systemFileCalls();
    ScriptedPrompt prompt;
    PhotoManager manager(family.session, prompt);
    manager.open();
    prompt.files = {family.dir / "tekst.txt"};
    EXPECT_FALSE(manager.chooseCandidate());  // not offered, and not said
    prompt.files = {candidate};
    CaptionFile captions = std::get<CaptionFile>(readCaptionFile(family.folder / "SMIT.tx1"));
    captions.store("001D", "Oud", false);
    writeBytes(family.folder / "SMIT.tx1", captions.encode());
    ASSERT_TRUE(manager.chooseCandidate() && manager.addCandidate());
    EXPECT_EQ(fileBytes(family.photo('D')), family.jpegs[0]);
    EXPECT_EQ(manager.deleteCaption(), "Ver&wijder foto D");
    prompt.buttons = {Button::Yes};
    EXPECT_TRUE(manager.deleteLastPhoto());
    EXPECT_EQ(prompt.shown.back(), "Weet U zeker dat U \nuit vak D\nde foto " + family.photo('D').string() +
                                       "\nwilt verwijderen?");
    EXPECT_EQ(manager.deleteCaption(), "Ver&wijder foto C");
    EXPECT_EQ(family.names(), family.kStartNames);
    EXPECT_EQ(family.caption('D'), "Oud");  // for the next photo D

    for (char letter = 'D'; letter <= 'O'; ++letter) writeBytes(family.photo(letter), family.jpegs[0]);
    manager.open();
    ASSERT_TRUE(manager.chooseCandidate());
    EXPECT_FALSE(manager.addEnabled());  // no sixteenth slot
}

TEST(PhotoCaptions, LinkingCreatesTheFileRewritesOnTheGridAndLeavesWhatItCannotRead) {
    PhotoFamily family;
    family.session.passwordGiven = true;
    const auto file = family.folder / "SMIT.tx1";
    ScriptedPrompt prompt;
    const auto link = [&](const std::string& key, FileCalls& calls = systemFileCalls()) {
        family.session.fileCalls = &calls;
        return linkCaption(family.session, prompt, key, "Tekst");
    };
    std::filesystem::remove(file);
    EXPECT_EQ(link("001B"), LinkOutcome::Linked);
    EXPECT_EQ(link("001B"), LinkOutcome::Linked);
    EXPECT_EQ(std::filesystem::file_size(file), kCaptionRecordSize);
    EXPECT_EQ(prompt.shown.back(), "De tekst is aan het plaatje gekoppeld");

    auto withPiece = fileBytes(file);
    withPiece.resize(kCaptionRecordSize + 50, 'z');  // an incomplete last record
    writeBytes(file, withPiece);
    EXPECT_EQ(link("001B"), LinkOutcome::Linked);
    EXPECT_EQ(fileBytes(file), withPiece);  // rewritten in place, the piece kept
    EXPECT_EQ(link("001C"), LinkOutcome::Linked);
    EXPECT_EQ(std::filesystem::file_size(file), 2 * kCaptionRecordSize);  // the new record took its place

    const auto before = fileBytes(file);
    FailingCall readError(FileCall::Read, EIO);
    EXPECT_EQ(link("001A", readError), LinkOutcome::Failed);
    EXPECT_EQ(prompt.shown.back(), "Lees- of schrijffout op de schijf.\n" + file.string());
    ::chmod(file.c_str(), 0444);
    EXPECT_EQ(link("001A"), LinkOutcome::Failed);
    EXPECT_EQ(prompt.shown.back(), "Toegang geweigerd.\n" + file.string());
    EXPECT_EQ(fileBytes(file), before);

    EXPECT_EQ(captionTyping(95).beep, false);
    EXPECT_EQ(captionTyping(96).beep && !captionTyping(100).cut && captionTyping(101).cut, true);
}

}  // namespace
}  // namespace brinox::testing
