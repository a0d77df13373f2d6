// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real widgets of a window as a user does, for window tests.
#pragma once

#include <QLineEdit>
#include <QTest>

namespace numora::testing {

// Puts the focus in the field with everything selected, as a click does,
// then types `keys`; an empty `keys` deletes the text.
inline void TypeInto(QLineEdit* field, const QString& keys) {
    QVERIFY2(field, "no such field");
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, keys);
}

}  // namespace numora::testing
