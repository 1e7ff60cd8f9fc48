#include "win32/app/ProgramWindows.h"

#include "core/Boundary.h"
#include "win32/app/ApplicationWindow.h"
#include "win32/windows/AboutWin.h"
#include "win32/windows/MainWin.h"
#include "win32/windows/TipWin.h"

namespace app {

ProgramWindows::ProgramWindows() {
    // The task-bar button, named by the application title; the windows below are its own.
    m_application = std::make_unique<ApplicationWindow>();

    m_form1 = std::make_unique<TForm1>(m_application->hwnd());
    m_application->setMainWindow(m_form1->hwnd());
    core::runGuarded([&] { m_form1->FormCreate(); });
    m_form1->show();

    // About is an ordinary window that the main window can cover.
    m_form2 = std::make_unique<TForm2>(m_application->hwnd(), m_form1->hwnd());
    core::runGuarded([&] { m_form2->FormCreate(); });

    // Owned by the main window, Tip of the Day stays above it.
    m_form3 = std::make_unique<TForm3>(m_form1->hwnd());
    core::runGuarded([&] { m_form3->FormCreate(); });

    // A command shows its window, in front and active.
    const auto showInFront = [](const win32::Window& window) {
        ::ShowWindow(window.hwnd(), SW_SHOW);
        ::SetForegroundWindow(window.hwnd());
    };
    m_form1->setSecondaryWindows([this] { m_form3->showFromCommand(); },
                                 [this, showInFront] { showInFront(*m_form2); });
}

ProgramWindows::~ProgramWindows() = default;

std::vector<HWND> ProgramWindows::tabWindows() const {
    std::vector<HWND> windows;
    for (const win32::Window* w :
         {static_cast<const win32::Window*>(m_form1.get()), static_cast<const win32::Window*>(m_form2.get()),
          static_cast<const win32::Window*>(m_form3.get())})
        if (w && w->hwnd())
            windows.push_back(w->hwnd());
    return windows;
}

void ProgramWindows::shutDown() {
    core::runGuarded([&] { m_form3->FormDestroy(); });
    m_form3.reset();
    m_form2.reset();
    core::runGuarded([&] { m_form1->FormDestroy(); });
    m_form1.reset();
    m_application.reset();
}

} // namespace app
