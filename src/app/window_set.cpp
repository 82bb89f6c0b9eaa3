#include "app/window_set.h"

#include <QSpinBox>

#include "widgets/qt_text.h"

namespace brinox {

WindowSet::WindowSet(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory)
    : m_session(session), m_prompt(prompt), m_form1(session, prompt, m_dialogs, dataDirectory) {}

void WindowSet::createOtherWindows() {
    QWidget* owner = &m_form1;
    m_wijzigdlg = std::make_unique<Twijzigdlg>(m_session, m_prompt, *this, [this] { m_form1.vulkwartierstaat(); },
                                               owner);
    m_selectiedlg = std::make_unique<Tselectiedlg>(m_session, *this, [this] { m_zoekdlg->exec(); }, owner);
    m_zoekdlg = std::make_unique<Tzoekdlg>(m_session, m_prompt, owner);
    m_datadlg = std::make_unique<Tdatadlg>(m_session, m_prompt, owner);
    m_aantallendlg = std::make_unique<Taantallendlg>(m_session, owner);
    m_fotodlg = std::make_unique<Tfotodlg>(m_session, m_prompt, *this, owner);
    m_tijdas1dlg = std::make_unique<Ttijdas1dlg>(m_session, m_prompt, owner);
    m_histasdlg = std::make_unique<Thistasdlg>(m_session, m_prompt, owner);
    m_relatiedlg = std::make_unique<Trelatiedlg>(m_session, m_prompt, *this, *this, *this, owner);
    m_identdlg = std::make_unique<Tidentdlg>(m_session, owner);
    m_afstamdlg = std::make_unique<Tafstamdlg>(m_session, m_prompt, m_opener, owner);
    m_huwdlg = std::make_unique<THuwdlg>(m_session, m_prompt, *this, owner);
    m_fotoinvoerdlg = std::make_unique<Tfotoinvoerdlg>(
        m_session, m_prompt, *this, *this, *this,
        [this](const std::string& caption) { m_form1.setWindowTitle(toQt(caption)); }, owner);
    m_foto2dlg = std::make_unique<Tfoto2dlg>(m_session, owner);
    m_aboutdlg = std::make_unique<TAboutdlg>(m_session, m_sound, owner);
    m_cvinvoerdlg = std::make_unique<Tcvinvoerdlg>(m_session, m_prompt, *this, m_printerSetup, owner);
    m_wavdlg = std::make_unique<Twavdlg>(m_session, m_prompt, m_sound, *this, owner);
    m_auteurdlg = std::make_unique<Tauteurdlg>(m_session, owner);
    m_album2dlg = std::make_unique<Talbum2dlg>(m_session, m_prompt, *this, owner);
    m_jpgfotodlg = std::make_unique<Tjpgfotodlg>(m_session, m_prompt, owner);
    m_titeldlg = std::make_unique<Ttiteldlg>(m_session, owner);
    m_familiedlg = std::make_unique<Tfamiliedlg>(m_session, m_prompt, owner);
    m_raamdlg = std::make_unique<TRaamdlg>(owner);
    m_richeditdlg = std::make_unique<Tricheditdlg>(m_session, m_prompt, m_printerSetup, owner);
    m_dialogs = MainWindowDialogs{.wijzigdlg = m_wijzigdlg.get(),
                                  .selectiedlg = m_selectiedlg.get(),
                                  .datadlg = m_datadlg.get(),
                                  .huwdlg = m_huwdlg.get(),
                                  .familiedlg = m_familiedlg.get(),
                                  .relatiedlg = m_relatiedlg.get(),
                                  .afstamdlg = m_afstamdlg.get(),
                                  .fotodlg = m_fotodlg.get(),
                                  .fotoinvoerdlg = m_fotoinvoerdlg.get(),
                                  .tijdas1dlg = m_tijdas1dlg.get(),
                                  .histasdlg = m_histasdlg.get(),
                                  .aantallendlg = m_aantallendlg.get(),
                                  .aboutdlg = m_aboutdlg.get(),
                                  .auteurdlg = m_auteurdlg.get(),
                                  .album2dlg = m_album2dlg.get(),
                                  .titeldlg = m_titeldlg.get(),
                                  .cvinvoerdlg = m_cvinvoerdlg.get(),
                                  .richeditdlg = m_richeditdlg.get(),
                                  .wavdlg = m_wavdlg.get(),
                                  .help = this};
}

void WindowSet::editFrameWidths() {
    m_raamdlg->SpinEdit1->setValue(m_session.frameBorderWidth);
    m_raamdlg->SpinEdit2->setValue(m_session.frameBevelWidth);
    m_raamdlg->exec();
    m_session.frameBorderWidth = static_cast<std::uint16_t>(m_raamdlg->SpinEdit1->value());
    m_session.frameBevelWidth = static_cast<std::uint16_t>(m_raamdlg->SpinEdit2->value());
}

void WindowSet::identify(RecordNo person, DrawingSide side) {
    m_session.relationship.pointedAt = person;
    m_session.photoRestart = true;
    m_identdlg->identify(side);
}

void WindowSet::showHelp(HelpTopic topic) {
    if (!m_help) m_help = std::make_unique<HelpWindow>(m_session);
    m_help->showHelp(topic);
}

}  // namespace brinox
