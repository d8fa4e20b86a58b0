#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace korbelant::test {

// Acts on the next modal dialog of type T once it is open (the test's code runs inside its
// event loop). Gives up after about two seconds so that a dialog that never opens fails the test
// instead of hanging it.
template <typename T> void whenModal(std::function<void(T*)> act, int attempts = 200)
{
    QTimer::singleShot(10, [act = std::move(act), attempts] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(dialog);
        else if (attempts > 0)
            whenModal<T>(act, attempts - 1);
    });
}

} // namespace korbelant::test
