// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <algorithm>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "FormHelpers.h"

namespace numora {
namespace {

AnnouncementListener g_listener = nullptr;

bool IsResultField(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return plain->isReadOnly();
    return false;
}

QString TextOf(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) return plain->toPlainText();
    return {};
}

// Collects a window's result writes and announces them once they settle.
class Announcer final : public QObject {
public:
    explicit Announcer(QWidget* root) : QObject(root), root_(root) {
        quiet_.setSingleShot(true);
        quiet_.setInterval(kAnnounceQuietMs);
        connect(&quiet_, &QTimer::timeout, this, &Announcer::announce);
    }

    // The fields are told in the order of the window's table (reading order).
    void watch(QWidget* field) { order_.insert(field, static_cast<int>(order_.size())); }

    void written(QWidget* field) {
        if (!written_.contains(field)) written_ << field;
        quiet_.start();  // again: only the settled text is told
    }

protected:
    // The focus leaves the control that carried an announcement: its own
    // description comes back.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && watched == carrier_) restore();
        return false;
    }

private:
    void announce() {
        std::stable_sort(written_.begin(), written_.end(), [this](const QPointer<QWidget>& a, const QPointer<QWidget>& b) {
            return order_.value(a.data()) < order_.value(b.data());
        });
        QStringList parts;
        for (const QPointer<QWidget>& field : std::as_const(written_)) {
            if (!field) continue;
            const QString text = TextOf(field);
            if (g_listener) g_listener(field, text);
            parts << field->accessibleName() + QString::fromUtf8("：") + text;
        }
        written_.clear();
        QWidget* focus = QApplication::focusWidget();
        if (parts.isEmpty() || !focus || !root_->isAncestorOf(focus)) return;
        if (focus != carrier_) {
            restore();
            carrier_ = focus;
            own_ = focus->accessibleDescription();
            focus->installEventFilter(this);
        }
        // The same text twice would not be read again: a repeated result is
        // told with a trailing space.
        QString message = parts.join(QString::fromUtf8("，"));
        if (message == focus->accessibleDescription()) message += QLatin1Char(' ');
        focus->setAccessibleDescription(message);
    }

    void restore() {
        if (!carrier_) return;
        carrier_->removeEventFilter(this);
        carrier_->setAccessibleDescription(own_);
        carrier_ = nullptr;
    }

    QWidget* root_;
    QTimer quiet_;
    QList<QPointer<QWidget>> written_;
    QHash<const QWidget*, int> order_;
    QPointer<QWidget> carrier_;
    QString own_;
};

// A result field tells its new text when a command writes it; text the user
// types into it (some result fields take typing) is echoed by the screen
// reader already.
void AnnounceWrites(QWidget* field, Announcer* announcer) {
    announcer->watch(field);
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        QObject::connect(line, &QLineEdit::textChanged, announcer, [line, announcer] {
            if (!line->hasFocus()) announcer->written(line);
        });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        QObject::connect(plain, &QPlainTextEdit::textChanged, announcer, [plain, announcer] {
            if (!plain->hasFocus()) announcer->written(plain);
        });
    }
}

}  // namespace

void SetAnnouncementListener(AnnouncementListener listener) { g_listener = listener; }

void Announce(QWidget* context, const QString& text) {
    if (!context || text.isEmpty()) return;
    if (g_listener) g_listener(context, text);
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != context->window()) return;
    // A repeated text would not be read again.
    QString message = text;
    if (message == focus->accessibleDescription()) message += QLatin1Char(' ');
    focus->setAccessibleDescription(message);
}

QStringList ApplyAccessibility(QWidget* root, const AccessibleTable& table) {
    QStringList missing;
    if (!root) return missing;
    const QList<HintFilter*> hintTables = root->findChildren<HintFilter*>();
    auto hintOf = [&hintTables](const QString& control) {
        for (const HintFilter* hints : hintTables) {
            const QString hint = hints->hint(control);
            if (!hint.isEmpty()) return hint;
        }
        return QString();
    };
    auto* announcer = new Announcer(root);
    for (const AccessibleText& entry : table) {
        QWidget* w = root->objectName() == entry.control ? root : root->findChild<QWidget*>(entry.control);
        if (!w) {
            missing << entry.control;
            continue;
        }
        w->setAccessibleName(entry.name);
        const QString description = entry.description.isEmpty() ? hintOf(entry.control) : entry.description;
        if (!description.isEmpty()) w->setAccessibleDescription(description);
        if (IsResultField(w)) AnnounceWrites(w, announcer);
    }
    return missing;
}

}  // namespace numora
