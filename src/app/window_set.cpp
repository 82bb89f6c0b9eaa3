#include "app/window_set.h"

namespace brinox {

WindowSet::WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory)
    : m_form1(session, prompt, m_dialogs, dataDirectory),
      m_wijzigdlg(session, prompt, *this, [this] { m_form1.vulkwartierstaat(); }, &m_form1),
      m_selectiedlg(session, *this, m_zoekdlg, &m_form1),
      m_zoekdlg(session, prompt, &m_form1),
      m_datadlg(session, prompt, &m_form1),
      m_huwdlg(session, prompt, *this, &m_form1),
      m_familiedlg(session, prompt, &m_form1),
      m_session(session) {
    m_dialogs = MainWindowDialogs{&m_wijzigdlg, &m_selectiedlg, &m_datadlg, &m_huwdlg, &m_familiedlg, this};
}

void WindowSet::showHelp(HelpTopic topic) {
    if (!m_help) m_help = std::make_unique<HelpWindow>(m_session);
    m_help->showHelp(topic);
}

}  // namespace brinox
