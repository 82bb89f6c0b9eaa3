#pragma once

// The voice fragment window without its controls: one WAV file per person
// in the family folder, played, replaced by a copy of a chosen file, or
// deleted, and the person switched.

#include <filesystem>
#include <string>

#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"
#include "store/sound_player.h"

namespace brinox {

inline constexpr const char* kVoiceInitialCaption = "Invoer van een stemfragment";
inline constexpr const char* kVoiceFilter = "geluid-files (*.WAV)|*.WAV|";

class VoiceFragment {
public:
    VoiceFragment(Session& session, Prompt& prompt, SoundPlayer& sound);

    // Rebuilds caption, labels, status and the play button's state for the
    // SelectedPerson from the files on disk.
    void build();

    // Plays the file of the file label when the play button is enabled and
    // the file exists. Whatever the player makes of it is not reported.
    void play();

    // The open-file dialog: the file label takes the file chosen, or after a
    // cancel the file chosen last time (empty when none was).
    void chooseFile();

    // Replaces the person's fragment with a copy of the file of the file
    // label, unless that is empty or is the fragment itself (by any name).
    // A failed copy is reported and leaves the old fragment as it was;
    // answers false then.
    bool link();

    // Asks, then deletes the file of the file label, and says how it went.
    // Answers false when the file could not be deleted.
    bool remove();

    // The selection window for another person; a person chosen becomes the
    // SelectedPerson. Rebuilds in either case.
    void choosePerson(PersonPicker& picker);

    // Lets go of a sound that is over, so its file can be replaced or
    // deleted; one still playing plays on. Done before choosing, linking,
    // deleting, switching persons and closing.
    void release();

    const std::string& caption() const { return m_caption; }
    const std::string& personName() const { return m_personName; }
    const std::filesystem::path& file() const { return m_file; }
    // The file label as shown.
    std::string fileText() const;
    const std::string& status() const { return m_status; }
    bool playEnabled() const { return m_playEnabled; }

    // Where the SelectedPerson's fragment is, or goes: the existing file in
    // any letter case, else a new name ending in ".WAV".
    std::filesystem::path fragmentPath() const;

private:
    Session& m_session;
    Prompt& m_prompt;
    SoundPlayer& m_sound;
    std::string m_caption = kVoiceInitialCaption;
    std::string m_personName;
    std::filesystem::path m_file;
    std::filesystem::path m_lastChosen;
    std::string m_status;
    bool m_playEnabled = false;
};

}  // namespace brinox
