#include "Accessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "FormHelpers.h"

namespace numora {
namespace {

bool IsResultField(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return plain->isReadOnly();
    return false;
}

// A result field tells its new text when a command writes it. Text the user
// types into the field (some result fields take typing) is echoed by the
// screen reader already.
void AnnounceWrites(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        QObject::connect(line, &QLineEdit::textChanged, line, [line](const QString& text) {
            if (!line->hasFocus()) AnnounceValue(line, text);
        });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [plain] {
            if (!plain->hasFocus()) AnnounceValue(plain, plain->toPlainText());
        });
    }
}

}  // namespace

AnnouncementListener g_listener = nullptr;

void SetAnnouncementListener(AnnouncementListener listener) { g_listener = listener; }

void AnnounceValue(QWidget* field, const QString& text) {
    if (!field) return;
    if (g_listener) g_listener(field, text);
    if (!QAccessible::isActive()) return;
    // A text field tells its new text through the text events it sends
    // itself (text-changed on the accessibility bus); a control with a value
    // tells its new value.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
    if (!iface || !iface->valueInterface()) return;
    QAccessibleValueChangeEvent event(field, text);
    QAccessible::updateAccessibility(&event);
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
    for (const AccessibleText& entry : table) {
        QWidget* w = root->objectName() == entry.control ? root : root->findChild<QWidget*>(entry.control);
        if (!w) {
            missing << entry.control;
            continue;
        }
        w->setAccessibleName(entry.name);
        const QString description = entry.description.isEmpty() ? hintOf(entry.control) : entry.description;
        if (!description.isEmpty()) w->setAccessibleDescription(description);
        if (IsResultField(w)) AnnounceWrites(w);
    }
    return missing;
}

}  // namespace numora
