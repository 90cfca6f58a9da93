#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

namespace wazenie::testing {

// Clicks a button as the operator would: it must be there and enabled, and the click must reach it
// (its clicked signal fires); otherwise the test fails.
inline void click(const QWidget* root, const char* name) {
    QVERIFY2(root, name);
    QPointer<QAbstractButton> button = root->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    QSignalSpy clicked(button.data(), &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    // A button whose click closed and destroyed its window has been reached.
    QVERIFY2(!button || clicked.count() == 1, name);
}

}  // namespace wazenie::testing
