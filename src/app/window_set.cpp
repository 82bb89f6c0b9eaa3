#include "app/window_set.h"

namespace brinox {

WindowSet::WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory)
    : m_form1(std::make_unique<TForm1>(session, prompt, m_dialogs, dataDirectory)),
      m_familiedlg(std::make_unique<Tfamiliedlg>(session, prompt, m_form1.get())),
      m_help(std::make_unique<HelpWindow>(session)) {
    m_dialogs.familiedlg = m_familiedlg.get();
    m_dialogs.help = m_help.get();
}

}  // namespace brinox
