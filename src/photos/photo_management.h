#pragma once

// What the photo management window holds between its commands and what each
// command does to it, for the window to show and the command line to print.
// It works on the SelectedPerson. In manipulate mode photos are added,
// deleted and arranged; in text mode one is picked and given a caption.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "photos/photo_arrange.h"
#include "photos/photo_captions.h"
#include "photos/photo_slots.h"
#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

enum class PhotoMode { Manipulate, Text };

inline constexpr const char* kPictureFilter = "plaatjes (*.JPG)|*.JPG|alle files (*.*)|*.*";
inline constexpr const char* kNothingPicked = "Er is nog geen plaatje \nvoor deze tekst aangewezen";

class PhotoManager {
public:
    PhotoManager(Session& session, Prompt& prompt);

    // Every opening, and after every add, delete, arrange and change of
    // person: the slots walked anew, every order letter its slot's own, no
    // photo picked, no candidate ready, the preview fitted. Without a photo
    // "A" the mode stays as it was; else it becomes manipulate.
    void open();

    // The photos in the slots, slot 1 first, as named on disk.
    const std::vector<std::filesystem::path>& photos() const { return m_photos; }
    int lastSlot() const { return static_cast<int>(m_photos.size()); }
    char orderLetter(int slot) const { return m_order[static_cast<std::size_t>(slot - 1)]; }
    PhotoMode mode() const { return m_mode; }
    bool picked() const { return m_picked; }
    char pickedLetter() const { return m_pickedLetter; }
    const std::filesystem::path& candidate() const { return m_candidate; }
    bool fit() const { return m_fit; }

    std::string windowCaption() const;
    std::string statusText() const;
    std::string deleteCaption() const;
    std::string modeCaption() const;
    std::string groupTitle() const;
    bool deleteEnabled() const { return m_mode == PhotoMode::Manipulate && lastSlot() > 0; }
    // "&Rangschikken" and "Kies andere &Persoon".
    bool manipulating() const { return m_mode == PhotoMode::Manipulate; }
    bool scaleEnabled() const { return manipulating() && m_candidateReady; }
    // No sixteenth slot: with fifteen photos nothing is added.
    bool addEnabled() const { return scaleEnabled() && lastSlot() < kPhotoSlots; }
    // The two lines on changing the order, from two photos on.
    bool helpLinesShown() const { return lastSlot() > 1; }

    // A click on the letter of `slot` in manipulate mode: the next letter,
    // or with `forward` false the one before.
    void stepOrderLetter(int slot, bool forward);

    // "&Haal nieuw plaatje": answers whether a candidate is ready to be
    // shown and added; a cancelled dialog keeps the one chosen before.
    bool chooseCandidate();
    // "&Schaal".
    void toggleFit() { m_fit = !m_fit; }
    // "Dit plaatje toevoegen": the candidate becomes the photo after the
    // last; answers whether it was copied. Opens anew either way.
    bool addCandidate();
    // "Ver&wijder foto X": answers whether the last photo was removed.
    bool deleteLastPhoto();
    // "&Rangschikken" by the order letters; opens anew when files changed.
    ArrangeOutcome arrange();

    // "naar Tekst-&mode" / "naar Manipuleer-&mode". Entering text mode also
    // sets the order letters back to the slots' own, as the panels show.
    void switchMode();
    // A click on the thumbnail of `slot`: in text mode it picks the photo
    // and answers its caption for the edit field (empty when none); in
    // manipulate mode it only names the photo for the large view.
    std::optional<std::string> pointAt(int slot);
    // "&Koppel de tekst en de foto": empty when nothing is picked (after
    // the warning kNothingPicked).
    std::optional<LinkOutcome> link(const std::string& text);

    // "Kies andere &Persoon": the selection window with the SelectedPerson as
    // its reference; answers the main window's new caption when a person
    // was chosen, who is then the SelectedPerson, and opens anew.
    std::optional<std::string> choosePerson(PersonPicker& picker);

private:
    Session& m_session;
    Prompt& m_prompt;
    std::vector<std::filesystem::path> m_photos;
    std::array<char, kPhotoSlots> m_order{};
    PhotoMode m_mode = PhotoMode::Manipulate;
    bool m_picked = false;
    char m_pickedLetter = 'A';
    std::filesystem::path m_candidate;
    bool m_candidateReady = false;
    bool m_fit = true;
};

}  // namespace brinox
