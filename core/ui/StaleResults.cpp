// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StaleResults.h"

#include <vector>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QComboBox>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QToolTip>

#include "Utf8.h"

namespace numora {

namespace {

constexpr const char* kWatcherProperty = "numoraStaleWatcher";
constexpr const char* kGroupProperty = "numoraStaleGroup";
constexpr const char* kStaleProperty = "numoraStale";
constexpr const char* kFreshToolTip = "numoraFreshToolTip";
constexpr const char* kFreshDescription = "numoraFreshDescription";

// Counts the refused commands of the whole program (one thread).
int refusals = 0;

bool HasContent(const QWidget* w) {
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return !line->text().isEmpty();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->document()->isEmpty();
    if (auto* rich = qobject_cast<const QTextEdit*>(w)) return !rich->document()->isEmpty();
    if (auto* view = qobject_cast<const QAbstractItemView*>(w)) return view->model() && view->model()->rowCount() > 0;
    return false;
}

class StaleWatcher final : public QObject {
public:
    explicit StaleWatcher(QWidget* root) : QObject(root) {}

    struct Group {
        std::vector<QPointer<QWidget>> results;
        bool computed = false;
        bool stale = false;
    };

    int addGroup() {
        groups_.emplace_back();
        return static_cast<int>(groups_.size()) - 1;
    }

    void addResult(int group, QWidget* field) {
        groups_[group].results.emplace_back(field);
        field->setProperty(kWatcherProperty, QVariant::fromValue<QObject*>(this));
        field->setProperty(kGroupProperty, group);
        field->installEventFilter(this);
        const auto written = [this, group] { current(group); };
        if (auto* line = qobject_cast<QLineEdit*>(field))
            connect(line, &QLineEdit::textChanged, this, written);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
            connect(plain, &QPlainTextEdit::textChanged, this, written);
        else if (auto* rich = qobject_cast<QTextEdit*>(field))
            connect(rich, &QTextEdit::textChanged, this, written);
        else if (auto* view = qobject_cast<QAbstractItemView*>(field); view && view->model())
            watchModel(view->model(), written);
    }

    void addInput(int group, QWidget* input) {
        const auto changed = [this, group] { edited(group); };
        if (auto* line = qobject_cast<QLineEdit*>(input))
            connect(line, &QLineEdit::textEdited, this, changed);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(input))
            connect(plain, &QPlainTextEdit::textChanged, this, changed);
        else if (auto* button = qobject_cast<QAbstractButton*>(input))
            connect(button, &QAbstractButton::toggled, this, changed);
        else if (auto* combo = qobject_cast<QComboBox*>(input))
            connect(combo, &QComboBox::currentIndexChanged, this, changed);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(input))
            connect(slider, &QAbstractSlider::valueChanged, this, changed);
        else if (auto* view = qobject_cast<QAbstractItemView*>(input); view && view->model())
            watchModel(view->model(), changed);
    }

    // A push button of the frame: a click that ends in a refusal leaves
    // the results stale. (Connected after the window's own handler, which
    // has run the command when this hears the click.)
    void addCommand(int group, QAbstractButton* button) {
        connect(button, &QAbstractButton::pressed, this, [this] { refusalsBefore_ = refusals; });
        connect(button, &QAbstractButton::clicked, this, [this, group] {
            if (refusals != refusalsBefore_) edited(group);
            refusalsBefore_ = refusals;
        });
    }

    void current(int group) {
        Group& g = groups_[group];
        g.computed = true;
        if (!g.stale) return;
        g.stale = false;
        for (QWidget* field : g.results)
            if (field) show(field, false);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A tool tip that follows the text on its own (set as the mouse
        // comes over the field) still says first that the result is stale.
        if (event->type() != QEvent::ToolTip || !watched->property(kStaleProperty).toBool()) return false;
        auto* field = static_cast<QWidget*>(watched);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), U(kStaleResultText), field);
        return true;
    }

private:
    template <typename Slot>
    void watchModel(QAbstractItemModel* model, Slot slot) {
        connect(model, &QAbstractItemModel::rowsInserted, this, slot);
        connect(model, &QAbstractItemModel::rowsRemoved, this, slot);
        connect(model, &QAbstractItemModel::dataChanged, this, slot);
        connect(model, &QAbstractItemModel::modelReset, this, slot);
    }

    void edited(int group) {
        Group& g = groups_[group];
        if (!g.computed || g.stale) return;
        g.stale = true;
        for (QWidget* field : g.results)
            if (field && HasContent(field)) show(field, true);
    }

    static void show(QWidget* field, bool stale) {
        const QString text = U(kStaleResultText);
        if (stale == field->property(kStaleProperty).toBool()) return;
        field->setProperty(kStaleProperty, stale);
        if (stale) {
            field->setProperty(kFreshToolTip, field->toolTip());
            field->setProperty(kFreshDescription, field->accessibleDescription());
            field->setToolTip(text);
            field->setAccessibleDescription(text);
            auto* effect = new QGraphicsOpacityEffect(field);
            effect->setOpacity(kStaleOpacity);
            field->setGraphicsEffect(effect);
        } else {
            // A tool tip that follows the text has its new text already.
            if (field->toolTip() == text) field->setToolTip(field->property(kFreshToolTip).toString());
            if (field->accessibleDescription() == text)
                field->setAccessibleDescription(field->property(kFreshDescription).toString());
            field->setGraphicsEffect(nullptr);
            // A stale tool tip still open over the field closes.
            if (QToolTip::isVisible() && QToolTip::text() == text) QToolTip::hideText();
        }
    }

    std::vector<Group> groups_;
    int refusalsBefore_ = 0;
};

}  // namespace

QStringList WatchResultFrames(QWidget* root, std::span<const ResultFrame> frames) {
    QStringList missing;
    if (!root) return missing;
    auto* watcher = new StaleWatcher(root);
    const auto find = [&](const char* name) -> QWidget* {
        const QString objectName = QLatin1String(name);
        QWidget* w = root->objectName() == objectName ? root : root->findChild<QWidget*>(objectName);
        if (!w) missing << objectName;
        return w;
    };
    for (const ResultFrame& frame : frames) {
        const int group = watcher->addGroup();
        for (const char* name : frame.results)
            if (QWidget* w = find(name)) watcher->addResult(group, w);
        for (const char* name : frame.inputs)
            if (QWidget* w = find(name)) watcher->addInput(group, w);
        if (QWidget* box = root->findChild<QWidget*>(QLatin1String(frame.frame)))
            for (QPushButton* button : box->findChildren<QPushButton*>()) watcher->addCommand(group, button);
    }
    return missing;
}

void ResultCurrent(QWidget* field) {
    if (!field) return;
    auto* watcher = qobject_cast<QObject*>(field->property(kWatcherProperty).value<QObject*>());
    if (auto* w = dynamic_cast<StaleWatcher*>(watcher)) w->current(field->property(kGroupProperty).toInt());
}

void CommandRefused() { ++refusals; }

bool IsStale(const QWidget* field) { return field && field->property(kStaleProperty).toBool(); }

}  // namespace numora
