#pragma once

// Running procedure windows in tests: the window runs its real modal loop
// and the test's script runs inside it; a window left open is closed.

#include "shell/procedure_window.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace kv::test {

inline void runWindow(ProcedureWindow& window, const std::function<void()>& script)
{
    QTimer::singleShot(0, &window, [&window, script] {
        QApplication::setActiveWindow(&window);
        script();
        if (window.isVisible()) {
            window.reject();
        }
    });
    window.run();
}

// Types into whatever has the focus, as a user would.
inline void typeIntoFocus(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

inline void pressOnFocus(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, mods);
}

} // namespace kv::test
