// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "FormHelpers.h"
#include "ScreenReader.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

AnnouncementListener g_listener = nullptr;
SpeechListener g_speech = nullptr;

// The texts Announce() told lately: a result field that shows one of them
// is not told a second time.
struct Told {
    QString text;
    QElapsedTimer since;
};
QList<Told>& RecentlyTold() {
    static QList<Told> told;
    return told;
}

bool ToldLately(const QString& text) {
    QList<Told>& told = RecentlyTold();
    told.erase(std::remove_if(told.begin(), told.end(),
                              [](const Told& t) { return t.since.elapsed() > 4 * kAnnounceQuietMs; }),
               told.end());
    return std::any_of(told.begin(), told.end(), [&text](const Told& t) { return t.text.contains(text); });
}

constexpr char kAnnouncerProperty[] = "numoraAnnouncer";

bool IsTextField(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
}

bool IsResultField(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return plain->isReadOnly();
    if (auto* rich = qobject_cast<QTextEdit*>(w)) return rich->isReadOnly();
    return false;
}

QString Shortened(QString text) {
    text = text.simplified();
    if (text.size() > kAnnounceMaxChars) text = text.left(kAnnounceMaxChars) + U("……");
    return text;
}

// What a screen reader is told of a field: its text; of a list: its number
// of lines and its first lines ("共 6 项，100=3+97、100=11+89、100=17+83……").
QString SpokenTextOf(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return Shortened(line->text());
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) return Shortened(plain->toPlainText());
    if (auto* rich = qobject_cast<QTextEdit*>(field)) return Shortened(rich->toPlainText());
    auto* view = qobject_cast<QAbstractItemView*>(field);
    if (!view || !view->model()) return {};
    const QAbstractItemModel* model = view->model();
    const int rows = model->rowCount(view->rootIndex());
    if (rows == 0) return {};
    const auto* list = qobject_cast<const QListView*>(view);
    const int column = list ? list->modelColumn() : 0;
    QStringList lines;
    for (int row = 0; row < std::min(rows, kAnnounceListLines); ++row)
        lines << Shortened(model->index(row, column, view->rootIndex()).data().toString());
    QString text = U("共 %1 项，").arg(rows) + lines.join(U("、"));
    if (rows > kAnnounceListLines) text += U("……");
    return text;
}

// A field's name without its frame's: "加法运算 和" is told as "和".
QString ShortName(const QWidget* field) {
    const QString name = field->accessibleName();
    const qsizetype space = name.indexOf(QLatin1Char(' '));
    return space > 0 ? name.mid(space + 1) : name;
}

}  // namespace

// One field: "和：17"; several: "商 3.75，整数商 4，余数 0" (a name that ends
// in a Latin letter or a digit keeps the colon: "根 x1：2"). A text that
// begins with the field's name says it already ("精确值: 2√2").
QString ComposeAnnouncement(const QList<QPair<QString, QString>>& parts) {
    QStringList told;
    for (const auto& [name, text] : parts) {
        if (!name.isEmpty() && text.startsWith(name)) {
            told << text;
            continue;
        }
        const bool colon = parts.size() == 1 || name.isEmpty() ||
                           (name.back().unicode() < 0x80 && name.back().isLetterOrNumber());
        told << name + (colon ? U("：") : QStringLiteral(" ")) + text;
    }
    return told.join(U("，"));
}

namespace {

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

    // What the user types into a field (some result fields take typing) or
    // does in a list that has the focus is echoed by the screen reader
    // already.
    void written(QWidget* field) {
        if (field->hasFocus()) return;
        if (!written_.contains(field)) written_ << field;
        quiet_.start();  // again: only the settled text is told
    }

private:
    void announce() {
        std::stable_sort(written_.begin(), written_.end(), [this](const QPointer<QWidget>& a, const QPointer<QWidget>& b) {
            return order_.value(a.data()) < order_.value(b.data());
        });
        QList<QPair<QString, QString>> parts;
        for (const QPointer<QWidget>& field : std::as_const(written_)) {
            if (!field) continue;
            const QString text = SpokenTextOf(field);
            if (g_listener) g_listener(field, qobject_cast<QAbstractItemView*>(field) ? text : FieldText(field));
            if (text.isEmpty() || ToldLately(text)) continue;
            parts << qMakePair(ShortName(field), text);
        }
        written_.clear();
        if (!parts.isEmpty() && root_->isVisible()) TellScreenReader(root_, ComposeAnnouncement(parts));
    }

    static QString FieldText(QWidget* field) {
        if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
        if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) return plain->toPlainText();
        if (auto* rich = qobject_cast<QTextEdit*>(field)) return rich->toPlainText();
        return {};
    }

    QWidget* root_;
    QTimer quiet_;
    QList<QPointer<QWidget>> written_;
    QHash<const QWidget*, int> order_;
};

// A result field tells its new text when a command writes it; a result
// list when its lines change. A result the user may type into is told only
// when a command writes it through SetFieldText (ResultWritten): what the
// user types is echoed by the screen reader already.
void AnnounceWrites(QWidget* field, Announcer* announcer) {
    announcer->watch(field);
    field->setProperty(kAnnouncerProperty, QVariant::fromValue(static_cast<QObject*>(announcer)));
    if (!IsResultField(field)) return;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        QObject::connect(line, &QLineEdit::textChanged, announcer, [line, announcer] { announcer->written(line); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        QObject::connect(plain, &QPlainTextEdit::textChanged, announcer, [plain, announcer] { announcer->written(plain); });
    } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        QObject::connect(rich, &QTextEdit::textChanged, announcer, [rich, announcer] { announcer->written(rich); });
    }
}

void AnnounceLines(QAbstractItemView* view, Announcer* announcer) {
    QAbstractItemModel* model = view->model();
    if (!model) return;
    announcer->watch(view);
    auto changed = [view, announcer] { announcer->written(view); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, announcer, changed);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, announcer, changed);
    QObject::connect(model, &QAbstractItemModel::modelReset, announcer, changed);
    QObject::connect(model, &QAbstractItemModel::dataChanged, announcer, changed);
}

// Every page of a tab strip under `root` is named after its tab and
// presented as a page tab. The pages are those of the tab widget that owns
// the strip, or of the stack beside it with as many pages as it has tabs.
void NamePages(QWidget* root) {
    const QList<QStackedWidget*> stacks = root->findChildren<QStackedWidget*>();
    for (QTabBar* tabs : root->findChildren<QTabBar*>()) {
        auto page = [&](int i) -> QWidget* {
            if (auto* owner = qobject_cast<QTabWidget*>(tabs->parentWidget())) return owner->widget(i);
            for (QStackedWidget* stack : stacks)
                if (stack->count() == tabs->count() && !qobject_cast<QTabWidget*>(stack->parentWidget()))
                    return stack->widget(i);
            return nullptr;
        };
        if (tabs->count() < 2) continue;  // nothing to turn to
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget* p = page(i);
            if (!p) break;
            p->setAccessibleName(tabs->tabText(i).remove(QLatin1Char('&')));
            // A plain page only: a page that is a control of its own (a
            // group box) keeps its role, under which it is spoken too.
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(p);
            if (iface && (iface->role() == QAccessible::Client || iface->role() == QAccessible::PageTab))
                SetAccessibleRole(p, QAccessible::PageTab);
        }
    }
}

}  // namespace

void SetAnnouncementListener(AnnouncementListener listener) { g_listener = listener; }

void ResultWritten(QWidget* field) {
    if (!field) return;
    // Set by AnnounceWrites only, to the field's Announcer.
    if (auto* announcer = static_cast<Announcer*>(field->property(kAnnouncerProperty).value<QObject*>()))
        announcer->written(field);
}

void SetSpeechListener(SpeechListener listener) { g_speech = listener; }

void NotifySpeechListener(QWidget* window, const QString& text) {
    if (g_speech) g_speech(window, text);
}

void Announce(QWidget* context, const QString& text) {
    if (!context || text.isEmpty()) return;
    if (g_listener) g_listener(context, text);
    QElapsedTimer since;
    since.start();
    RecentlyTold().append({text, since});
    TellScreenReader(context, text);
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
        if (IsResultField(w) || (entry.result && IsTextField(w))) AnnounceWrites(w, announcer);
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && entry.result) AnnounceLines(view, announcer);
    }
    NamePages(root);
    return missing;
}

}  // namespace numora
