// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FieldLimit.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "Services.h"

namespace numora {
namespace {

// Watches one field. The line edit reports input it had to reject
// (inputRejected) while it is inserting the part that fits, before it
// reports the changed text: the state recorded at every change until then
// is the state before the edit, and it is put back once the edit is done.
class LengthGuard final : public QObject {
public:
    LengthGuard(QLineEdit* field, Dialogs& dialogs, QString message)
        : QObject(field), field_(field), dialogs_(dialogs), message_(std::move(message)) {
        remember();
        connect(field, &QLineEdit::textChanged, this, &LengthGuard::remember);
        connect(field, &QLineEdit::cursorPositionChanged, this, &LengthGuard::remember);
        connect(field, &QLineEdit::selectionChanged, this, &LengthGuard::remember);
        connect(field, &QLineEdit::inputRejected, this, [this] {
            const State before = kept_;
            QTimer::singleShot(0, this, [this, before] { refuse(before); });
        });
    }

private:
    struct State {
        QString text;
        int cursor = 0;
        int selectionStart = -1;
        qsizetype selectionLength = 0;
    };

    void remember() {
        kept_ = {field_->text(), field_->cursorPosition(), field_->selectionStart(), field_->selectedText().size()};
    }

    void refuse(const State& before) {
        if (field_->text() != before.text) {
            field_->setText(before.text);
            // Whoever follows the user's edits (a setting stored as it is
            // typed) had the cut text: it gets the kept one back.
            emit field_->textEdited(field_->text());
            if (before.selectionStart >= 0)
                field_->setSelection(before.selectionStart, static_cast<int>(before.selectionLength));
            else
                field_->setCursorPosition(before.cursor);
        }
        if (showing_) return;  // one message for a burst of refused keys
        showing_ = true;
        QPointer<LengthGuard> self(this);
        dialogs_.Message(field_, message_, QStringLiteral("Numora错误报告"), MessageIcon::Exclamation, MsgButtons::Ok);
        if (self) showing_ = false;
    }

    QLineEdit* field_;
    Dialogs& dialogs_;
    QString message_;
    State kept_;
    bool showing_ = false;
};

}  // namespace

QString OverlongInputMessage(int maxLength) {
    return QStringLiteral("输入的内容过长,此输入框最多只能容纳%1个字符").arg(maxLength);
}

namespace {

constexpr const char* kLimitTold = "numoraLimitTold";
// The toolkit's own limit of a line edit: no limit of the field's.
constexpr int kToolkitLimit = 32767;

void TellLimit(QLineEdit* field, const QString& limit) {
    const QString tip = field->toolTip();
    field->setToolTip(tip.isEmpty() ? limit : tip + QLatin1Char('\n') + limit);
    field->setProperty(kLimitTold, true);
}

}  // namespace

QString LengthLimitText(int maxLength) { return QStringLiteral("最多可输入%1个字符").arg(maxLength); }

QStringList StateLimits(QWidget* root, std::span<const ControlText> limits) {
    QStringList missing;
    for (const auto& [name, limit] : limits) {
        auto* field = root->findChild<QLineEdit*>(QLatin1String(name));
        if (!field) {
            missing << QLatin1String(name);
            continue;
        }
        if (!field->property(kLimitTold).toBool()) TellLimit(field, QString::fromUtf8(limit));
    }
    return missing;
}

void RefuseOverlongInput(QWidget* root, Dialogs& dialogs, const QHash<QString, QString>& messages) {
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        if (field->property("numoraLengthGuard").toBool()) continue;  // guarded already
        field->setProperty("numoraLengthGuard", true);
        const int limit = field->maxLength();
        if (!field->isReadOnly() && limit < kToolkitLimit && !field->property(kLimitTold).toBool())
            TellLimit(field, LengthLimitText(limit));
        new LengthGuard(field, dialogs, messages.value(field->objectName(), OverlongInputMessage(limit)));
    }
}

}  // namespace numora
