#pragma once

#include <QApplication>
#include <QDialog>
#include <QScopeGuard>
#include <QTimer>
#include <functional>

namespace amortix {

// Answers the next modal dialog of type T from inside its own event loop: waits for it a bounded
// time (`essais` × 10 ms), runs `actions` on it, and closes it whatever they did, so that a failed
// check inside them never leaves exec() running until the suite's time limit.
template <typename T> void RepondAuDialogue(std::function<void(T&)> actions, int essais = 500) {
    QTimer::singleShot(10, qApp, [actions = std::move(actions), essais]() mutable {
        auto* dialogue = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialogue) {
            if (essais > 1)
                RepondAuDialogue<T>(std::move(actions), essais - 1);
            return;
        }
        const auto ferme = qScopeGuard([dialogue] {
            if (dialogue->isVisible())
                dialogue->reject();
        });
        actions(*dialogue);
    });
}

} // namespace amortix
