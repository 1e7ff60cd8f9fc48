#include "qt/app/ProgramWindows.h"

#include "core/Boundary.h"
#include "qt/windows/AboutWin.h"
#include "qt/windows/FileDialogs.h"
#include "qt/windows/MainWin.h"
#include "qt/windows/TipWin.h"

#include <QApplication>

namespace app {

ProgramWindows::ProgramWindows(std::unique_ptr<FileDialogs> dialogs) {
    m_form1 = std::make_unique<TForm1>(std::move(dialogs));
    QApplication::setWindowIcon(m_form1->windowIcon());
    core::runGuarded([&] { m_form1->FormCreate(); });
    m_form1->show();

    m_form2 = std::make_unique<TForm2>(m_form1.get());
    m_form2->setAttribute(Qt::WA_QuitOnClose, false);
    core::runGuarded([&] { m_form2->FormCreate(); });

    m_form3 = std::make_unique<TForm3>(m_form1.get(), m_tipGenerator);
    m_form3->setAttribute(Qt::WA_QuitOnClose, false);
    m_form1->setSecondaryWindows(m_form2.get(), m_form3.get());
    core::runGuarded([&] { m_form3->FormCreate(); });
}

ProgramWindows::~ProgramWindows() {
    if (m_form1)
        m_form1->setSecondaryWindows(nullptr, nullptr);
}

void ProgramWindows::shutDown() {
    m_form1->setSecondaryWindows(nullptr, nullptr);
    core::runGuarded([&] { m_form3->FormDestroy(); });
    m_form3.reset();
    m_form2.reset();
    core::runGuarded([&] { m_form1->FormDestroy(); });
    m_form1.reset();
}

} // namespace app
