#include "app/window_set.h"

namespace brinox {

WindowSet::WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory)
    : m_help(std::make_unique<HelpWindow>(session)),
      m_form1(std::make_unique<TForm1>(session, prompt, m_dialogs, dataDirectory)) {
    QWidget* owner = m_form1.get();
    m_wijzigdlg = std::make_unique<Twijzigdlg>(session, prompt, *this, [this] { m_form1->vulkwartierstaat(); }, owner);
    m_zoekdlg = std::make_unique<Tzoekdlg>(session, prompt, owner);
    m_selectiedlg = std::make_unique<Tselectiedlg>(session, *m_help, *m_zoekdlg, owner);
    m_datadlg = std::make_unique<Tdatadlg>(session, prompt, owner);
    m_huwdlg = std::make_unique<THuwdlg>(session, prompt, *this, owner);
    m_familiedlg = std::make_unique<Tfamiliedlg>(session, prompt, owner);
    m_dialogs = MainWindowDialogs{m_wijzigdlg.get(), m_selectiedlg.get(), m_datadlg.get(), m_huwdlg.get(),
                                  m_familiedlg.get(), m_help.get()};
}

}  // namespace brinox
