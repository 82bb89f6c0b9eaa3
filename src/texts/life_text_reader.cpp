#include "texts/life_text_reader.h"

#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/io_errors.h"

namespace brinox {

LifeTextReader::LifeTextReader(Session& session, Prompt& prompt) : m_session(session), m_prompt(prompt) {}

bool LifeTextReader::activate() {
    if (m_session.familyCode.empty()) return false;
    const auto directory = familyFiles(m_session.dataDirectory, m_session.familyCode).directory;
    if (!attachmentExists(directory, m_session.selectedPerson, "A", ".doc")) return false;
    m_list = LifeTextList(directory, m_session.selectedPerson);
    m_number = 1;
    return true;
}

RichText LifeTextReader::current() {
    if (m_number < 1 || m_number > m_list.count()) return {};
    return shownLifeText(m_list.existing()[static_cast<std::size_t>(m_number - 1)], m_prompt, *m_session.fileCalls);
}

bool LifeTextReader::next() {
    if (!nextEnabled()) return false;
    ++m_number;
    return true;
}

bool LifeTextReader::previous() {
    if (!previousEnabled()) return false;
    --m_number;
    return true;
}

std::string LifeTextReader::caption() const {
    const RecordNo person = m_session.selectedPerson;
    std::string caption = "Uit het leven van ";
    caption += m_session.persons.getFirstNames(person);
    caption += "  ";
    caption += m_session.persons.getFamilyName(person);
    return caption;
}

}  // namespace brinox
