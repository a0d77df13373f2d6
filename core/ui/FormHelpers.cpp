#include "FormHelpers.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

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
    if (hints_.contains(root->objectName())) root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>())
        if (hints_.contains(child->objectName())) child->installEventFilter(this);
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter ||
        event->type() == QEvent::MouseMove) {
        auto it = hints_.constFind(watched->objectName());
        if (it != hints_.constEnd() && show_) show_(*it);
    }
    return false;
}

void TooltipFollowsText(QLineEdit* field) {
    if (!field) return;
    field->setToolTip(field->text());
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) { field->setToolTip(text); });
}

}  // namespace numora
