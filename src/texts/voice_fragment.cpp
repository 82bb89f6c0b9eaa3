#include "texts/voice_fragment.h"

#include <system_error>

#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/file_copy.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

const char* const kStopped = "gestopt";
const char* const kNoFile = "geen WAV-file geselecteerd";

bool isPresent(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

// The same file under any name: another spelling, "./", a link.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (a.lexically_normal() == b.lexically_normal()) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

std::string copyFailureText(int error, const std::filesystem::path& source, const std::filesystem::path& target) {
    std::string text = "Fout " + std::to_string(error) + "\n";
    text += "Opgetreden bij het copieren van \n";
    text += pathForMessage(source);
    text += " naar";
    text += pathForMessage(target);
    return text;
}

}  // namespace

VoiceFragment::VoiceFragment(Session& session, Prompt& prompt, SoundPlayer& sound)
    : m_session(session), m_prompt(prompt), m_sound(sound) {}

std::filesystem::path VoiceFragment::fragmentPath() const {
    const auto directory = familyFiles(m_session.dataDirectory, m_session.familyCode).directory;
    return AttachmentPath(directory, m_session.selectedPerson, "", ".WAV");
}

void VoiceFragment::build() {
    const PersonTable& persons = m_session.persons;
    const RecordNo r = m_session.selectedPerson;
    m_personName = persons.getFirstNames(r) + " " + persons.getFamilyName(r);
    m_caption = "Stemfragment van " + toText(r);
    m_caption += "  " + m_personName;
    const auto fragment = fragmentPath();
    m_file = isPresent(fragment) ? fragment : std::filesystem::path();
    m_playEnabled = !m_file.empty();
    m_status = m_playEnabled ? kStopped : kNoFile;
}

std::string VoiceFragment::fileText() const { return pathForMessage(m_file); }

void VoiceFragment::play() {
    if (!m_playEnabled || m_file.empty() || !isPresent(m_file)) return;
    m_status = "U hoort file " + fileText();
    m_sound.play(m_file);
}

void VoiceFragment::chooseFile() {
    release();
    if (const auto chosen = m_prompt.chooseFile("Openen", kVoiceFilter)) m_lastChosen = *chosen;
    m_file = m_lastChosen;
}

bool VoiceFragment::link() {
    release();
    const auto target = fragmentPath();
    const auto source = m_file;
    std::optional<CopyFailure> failure;
    if (!source.empty() && !sameFile(source, target)) failure = copyOver(source, target, *m_session.fileCalls);
    if (failure) {
        const auto kind = failure->step == CopyStep::Open ? MessageKind::Warning : MessageKind::Information;
        m_prompt.message(kind, copyFailureText(failure->error, source, target), {Button::Ok});
    }
    build();
    return !failure;
}

bool VoiceFragment::remove() {
    release();
    bool removed = true;
    if (!m_file.empty()) {
        const std::string file = fileText();
        const std::string question = "Wilt U de file " + file + " echt verwijderen?";
        if (m_prompt.message(MessageKind::Information, question, {Button::Ok, Button::Cancel}) == Button::Ok) {
            if (m_session.fileCalls->unlink(m_file) == 0) {
                inform(m_prompt, "File " + file + " is verwijderd");
            } else {
                removed = false;
                warn(m_prompt, "Fout.\nIk heb " + file + "\nniet kunnen verwijderen");
            }
        }
    }
    build();
    return removed;
}

void VoiceFragment::choosePerson(PersonPicker& picker) {
    release();
    m_session.selection.reference = m_session.selectedPerson;
    picker.pickPerson();
    if (const auto person = chosenPerson(m_session)) m_session.selectedPerson = *person;
    build();
}

void VoiceFragment::release() {
    if (!m_sound.stopped()) return;
    m_status = kStopped;
    m_sound.close();
}

}  // namespace brinox
