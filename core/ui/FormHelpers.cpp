// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormHelpers.h"

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QPushButton>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegion>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <QPlainTextEdit>
#include <QTextEdit>

#include "Accessibility.h"
#include "FullWidth.h"
#include "Outcome.h"
#include "Reflow.h"
#include "Services.h"
#include "StaleResults.h"
#include "ThemeColours.h"
#include "Twips.h"
#include "WindowShape.h"

namespace numora {

bool InstallQtChineseTranslations() {
    static QPointer<QTranslator> installed;
    if (installed) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

void SelectAllText(QLineEdit* field) {
    if (field) field->setSelection(0, static_cast<int>(field->text().size()));
}

namespace {

// Selects the whole text of a single-line or a multi-line field.
void SelectWhole(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        SelectAllText(line);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        plain->selectAll();
}

bool HasSelection(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->hasSelectedText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) return plain->textCursor().hasSelection();
    return false;
}

// Selects the text on focus entry. A mouse press that gives the focus would
// place the caret after the selection is made, and the release that ends
// it may do so again (a click inside a selection is taken as the start of a
// drag until the release), so the selection is made again once the press
// has been handled, and once the release has, unless the mouse has selected
// a part meanwhile. The filter watches the field and, for a multi-line
// field, the viewport that receives its mouse events.
class SelectAllFilter final : public QObject {
public:
    explicit SelectAllFilter(QWidget* field) : QObject(field), field_(field) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            SelectWhole(field_);
            selectAfterRelease_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            selectLater(false);
        } else if (event->type() == QEvent::MouseButtonRelease && selectAfterRelease_) {
            selectAfterRelease_ = false;
            selectLater(true);
        }
        return false;
    }

private:
    void selectLater(bool unlessSelected) {
        QTimer::singleShot(0, this, [this, unlessSelected] {
            if (field_->hasFocus() && !(unlessSelected && HasSelection(field_))) SelectWhole(field_);
        });
    }

    QWidget* field_;
    bool selectAfterRelease_ = false;
};

void InstallSelectAll(QWidget* field, QWidget* mouseTarget) {
    auto* filter = new SelectAllFilter(field);
    field->installEventFilter(filter);
    if (mouseTarget && mouseTarget != field) mouseTarget->installEventFilter(filter);
}

}  // namespace

void SelectAllOnFocus(QLineEdit* field) {
    if (field) InstallSelectAll(field, field);
}

void SelectAllOnFocus(QPlainTextEdit* field) {
    if (field) InstallSelectAll(field, field->viewport());
}

void SelectAllOnFocusEverywhere(QWidget* root) {
    if (!root) return;
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) SelectAllOnFocus(field);
    for (QPlainTextEdit* field : root->findChildren<QPlainTextEdit*>()) SelectAllOnFocus(field);
}

QString FieldText(QWidget* root, const QString& name) {
    if (auto* line = root->findChild<QLineEdit*>(name)) return line->text();
    if (auto* plain = root->findChild<QPlainTextEdit*>(name)) return plain->toPlainText();
    if (auto* rich = root->findChild<QTextEdit*>(name)) return rich->toPlainText();
    return {};
}

std::string CalcText(QWidget* root, const QString& name) { return CalcText(FieldText(root, name)); }

std::string CalcText(const QString& typed) { return FromFullWidth(typed.toStdString()); }

void SetFieldText(QWidget* root, const QString& name, const QString& text) {
    if (auto* line = root->findChild<QLineEdit*>(name)) {
        ResultWritten(line);  // told even when it keeps its text
        ResultCurrent(line);
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* plain = root->findChild<QPlainTextEdit*>(name)) {
        ResultWritten(plain);
        ResultCurrent(plain);
        plain->setPlainText(text);
    } else if (auto* rich = root->findChild<QTextEdit*>(name)) {
        ResultWritten(rich);
        ResultCurrent(rich);
        rich->setPlainText(text);
    }
}

void ApplyOutcome(QWidget* root, const Outcome& outcome, Dialogs& dialogs) {
    for (const auto& [name, text] : outcome.writes)
        SetFieldText(root, QString::fromStdString(name), QString::fromStdString(text));
    if (!outcome.message) return;
    if (outcome.message->icon != MessageIcon::Information) CommandRefused();
    dialogs.Message(root, QString::fromStdString(outcome.message->text),
                    QString::fromStdString(outcome.message->title), outcome.message->icon, MsgButtons::Ok);
}

void ShapeWindow(QWidget* window) {
    if (!window) return;
    QRegion region;
    for (const ShapePart& part : WindowShapeParts(window->width() * double{kTwipsPerPixel}, window->height() * double{kTwipsPerPixel})) {
        QRect box(QPoint(part.left, part.top), QPoint(part.right - 1, part.bottom - 1));
        region += QRegion(box, part.kind == ShapePart::Ellipse ? QRegion::Ellipse : QRegion::Rectangle);
    }
    window->setMask(region);
}

HintFilter::HintFilter(QHash<QString, QString> hints, Show show, QObject* parent)
    : QObject(parent), hints_(std::move(hints)), show_(std::move(show)) {}

void HintFilter::installOn(QWidget* root) {
    if (!root) return;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!hints_.contains(w->objectName())) continue;
        w->installEventFilter(this);
        w->setMouseTracking(true);  // a hint also when the mouse comes back from a child
        watched_.insert(w->objectName(), w);
    }
}

void HintFilter::setHint(const QString& control, const QString& hint) {
    const QString old = hints_.value(control);
    hints_.insert(control, hint);
    QWidget* w = watched_.value(control);
    if (w && !old.isEmpty() && w->accessibleDescription() == old) w->setAccessibleDescription(hint);
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    bool over = event->type() == QEvent::Enter;
    if (event->type() == QEvent::MouseMove) {
        // Only over the control itself: a move over a child that passes the
        // event on to its parent belongs to the child.
        auto* widget = static_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        over = widget->childAt(mouse->position().toPoint()) == nullptr;
    }
    if (over) {
        auto it = hints_.constFind(watched->objectName());
        if (it != hints_.constEnd() && show_) show_(*it);
    }
    return false;
}

namespace {

void PaintResultFace(QWidget* field) {
    // Only the face is the field's own: every other role, the text colour
    // among them, still follows the window.
    QPalette own;
    const QPalette window = QApplication::palette(field);
    const auto rgb = [&window](QPalette::ColorRole role) {
        const QColor c = window.color(role);
        return Rgb8{c.red(), c.green(), c.blue()};
    };
    const Rgb8 face = ResultFace(rgb(QPalette::Button), rgb(QPalette::Base), rgb(QPalette::Text));
    own.setColor(QPalette::Base, QColor(face.r, face.g, face.b));
    field->setPalette(own);
}

class ResultFaceFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A new application palette reaches every widget as a change of its own.
        if (event->type() == QEvent::PaletteChange && !busy_) {
            busy_ = true;
            PaintResultFace(static_cast<QWidget*>(watched));
            busy_ = false;
        }
        return false;
    }

private:
    bool busy_ = false;
};

}  // namespace

void ResultFace(QWidget* field) {
    if (!field) return;
    PaintResultFace(field);
    field->installEventFilter(new ResultFaceFilter(field));
}

void TooltipFollowsText(QLineEdit* field) {
    if (!field) return;
    field->setToolTip(field->text());
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) { field->setToolTip(text); });
}

namespace {

bool Inside(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

// Sees the Enter keys that the focused control left unhandled on their way
// up to the window.
class EnterFilter final : public QObject {
public:
    explicit EnterFilter(QWidget* root) : QObject(root), root_(root) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != root_ || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !Inside(focus, root_)) return false;
        QPushButton* target = nullptr;
        if (auto* button = qobject_cast<QPushButton*>(focus))
            target = button;
        else if (auto* field = qobject_cast<QLineEdit*>(focus); field && !field->isReadOnly())
            target = EnterCommandOf(root_, field);
        if (!target || !target->isEnabled() || !target->isVisibleTo(root_)) return false;
        target->click();
        return true;
    }

private:
    QWidget* root_;
};

}  // namespace

void EnterPressesButtons(QWidget* root) {
    if (root) root->installEventFilter(new EnterFilter(root));
}

QPushButton* EnterCommandOf(QWidget* root, QLineEdit* field) {
    if (!root || !field) return nullptr;
    const QString named = field->property("enterCommand").toString();
    if (!named.isEmpty()) return root->findChild<QPushButton*>(named);
    for (QWidget* frame = field->parentWidget(); frame && Inside(frame, root); frame = frame->parentWidget()) {
        // Only a frame's own command: Enter in a field outside any frame
        // with a button (a user name, say) presses nothing.
        if (!qobject_cast<QGroupBox*>(frame)) continue;
        // The first button after the field in tab order; round the circular
        // chain, that is the frame's first button when none comes after.
        for (QWidget* w = field->nextInFocusChain(); w && w != field; w = w->nextInFocusChain()) {
            if (auto* button = qobject_cast<QPushButton*>(w); button && Inside(button, frame)) return button;
        }
    }
    return nullptr;
}

FocusKeeper::FocusKeeper() : had_(QApplication::focusWidget()) {}

void FocusKeeper::settled() { landed_ = QApplication::focusWidget(); }

void FocusKeeper::restore() {
    if (!had_ || had_ == QApplication::focusWidget()) return;
    if (QApplication::focusWidget() != landed_.data()) return;  // the user moved it
    if (had_->isEnabled() && had_->isVisible()) had_->setFocus(Qt::OtherFocusReason);
}

QString LongestResultText(const QString& unit) {
    return QStringLiteral("-8.88888888888888E-308") + unit;
}

void FitResultWidth(QLineEdit* field, const QString& unit) {
    if (!field) return;
    // At least a short number and its unit; at most the longest text, so
    // that the spare width of a row goes to the fields that can use it. A
    // longer text scrolls inside the box (whole in its tool tip and when
    // copied).
    field->setMinimumWidth(FieldWidthFor(field, QStringLiteral("-0.0000000") + unit));
    field->setMaximumWidth(FieldWidthFor(field, LongestResultText(unit)));
}

}  // namespace numora
