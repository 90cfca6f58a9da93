#pragma once

#include <functional>

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace wazenie::testing {

// Runs `steps` on the modal window of the given object name as soon as the program opens it. For
// windows the program makes itself (the login, the weighing parameters), which a test cannot reach
// before their modal loop runs.
inline void when_modal_shown(const QString& name, std::function<void(QWidget*)> steps) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, steps] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name) {
            poll->stop();
            poll->deleteLater();
            steps(modal);
        }
    });
    poll->start(5);
}

}  // namespace wazenie::testing
