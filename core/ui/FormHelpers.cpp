#include "FormHelpers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <QPlainTextEdit>
#include <QTextEdit>

#include "Outcome.h"
#include "Services.h"
#include "WindowShape.h"

namespace numora {

void SelectAllText(QLineEdit* field) {
    if (field) field->setSelection(0, static_cast<int>(field->text().size()));
}

namespace {

// Selects the text on focus entry. A mouse press that gives the focus would
// place the caret after the selection is made, so the selection is made
// again once the press has been handled.
class SelectAllFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* field = static_cast<QLineEdit*>(watched);
            SelectAllText(field);
            QPointer<QLineEdit> guard(field);
            QTimer::singleShot(0, field, [guard] {
                if (guard && guard->hasFocus()) SelectAllText(guard);
            });
        }
        return false;
    }
};

}  // namespace

void SelectAllOnFocus(QLineEdit* field) {
    if (!field) return;
    field->installEventFilter(new SelectAllFilter(field));
}

void SelectAllOnFocusEverywhere(QWidget* root) {
    if (!root) return;
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) SelectAllOnFocus(field);
}

QString FieldText(QWidget* root, const QString& name) {
    if (auto* line = root->findChild<QLineEdit*>(name)) return line->text();
    if (auto* plain = root->findChild<QPlainTextEdit*>(name)) return plain->toPlainText();
    if (auto* rich = root->findChild<QTextEdit*>(name)) return rich->toPlainText();
    return {};
}

void SetFieldText(QWidget* root, const QString& name, const QString& text) {
    if (auto* line = root->findChild<QLineEdit*>(name)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* plain = root->findChild<QPlainTextEdit*>(name)) {
        plain->setPlainText(text);
    } else if (auto* rich = root->findChild<QTextEdit*>(name)) {
        rich->setPlainText(text);
    }
}

void ApplyOutcome(QWidget* root, const Outcome& outcome, Dialogs& dialogs) {
    for (const auto& [name, text] : outcome.writes)
        SetFieldText(root, QString::fromStdString(name), QString::fromStdString(text));
    if (!outcome.message) return;
    MsgIcon icon = MsgIcon::Exclamation;
    switch (outcome.message->icon) {
        case MessageIcon::None: icon = MsgIcon::None; break;
        case MessageIcon::Information: icon = MsgIcon::Information; break;
        case MessageIcon::Exclamation: icon = MsgIcon::Exclamation; break;
        case MessageIcon::Stop: icon = MsgIcon::Stop; break;
        case MessageIcon::Question: icon = MsgIcon::Question; break;
    }
    dialogs.Message(root, QString::fromStdString(outcome.message->text),
                    QString::fromStdString(outcome.message->title), icon, MsgButtons::Ok);
}

void ShapeWindow(QWidget* window) {
    if (!window) return;
    QRegion region;
    for (const ShapePart& part : WindowShapeParts(window->width() * 15.0, window->height() * 15.0)) {
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

LoopPacer::LoopPacer(QObject* window) : window_(window) { clock_.start(); }

bool LoopPacer::pause() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    last_ = clock_.elapsed();
    return !window_.isNull();
}

namespace {

void PaintResultFace(QWidget* field) {
    // Only the face is the field's own: every other role, the text colour
    // among them, still follows the window.
    QPalette own;
    own.setColor(QPalette::Base, QApplication::palette(field).color(QPalette::Button));
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

}  // namespace numora
