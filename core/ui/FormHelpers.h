// Helpers shared by every window: select-all on focus, the window outline,
// status-bar hints and result-field tool tips.
#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;
class QStatusBar;

namespace numora {

class Dialogs;
struct Outcome;

// Selects the whole text of a field, so that typing replaces it.
void SelectAllText(QLineEdit* field);

// Makes `field` select its whole text whenever it gets the focus, also when
// the focus comes from a mouse click (the click would otherwise place the
// caret and drop the selection).
void SelectAllOnFocus(QLineEdit* field);

// SelectAllOnFocus for every single-line text field under `root`.
void SelectAllOnFocusEverywhere(QWidget* root);

// Applies a command's outcome to the window `root`: writes each field (a
// QLineEdit, QPlainTextEdit or QTextEdit found by objectName under root), in
// order, then shows the message, if any, through `dialogs`.
void ApplyOutcome(QWidget* root, const Outcome& outcome, Dialogs& dialogs);

// The text of the field named `name` under `root` (empty when none).
QString FieldText(QWidget* root, const QString& name);
// Sets the text of the field named `name` under `root`.
void SetFieldText(QWidget* root, const QString& name, const QString& text);

// Gives `window` the rounded outline of the exit window, computed from its
// size in twips.
void ShapeWindow(QWidget* window);

// Shows a hint in a status bar while the mouse is over a control. The table
// maps a control's objectName to its hint; `show` receives the text.
class HintFilter : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QString&)>;
    HintFilter(QHash<QString, QString> hints, Show show, QObject* parent = nullptr);
    // Installs the filter on every descendant of `root` named in the table
    // (and on root itself when it is named there).
    void installOn(QWidget* root);
    // Changes one control's hint (hints that follow the window's state).
    // The control's accessible description follows a hint it was taken from.
    void setHint(const QString& control, const QString& hint);
    QString hint(const QString& control) const { return hints_.value(control); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, QString> hints_;
    QHash<QString, QPointer<QWidget>> watched_;
    Show show_;
};

// Paces a long computation that runs on the window's own thread: the loop
// asks due() after each step and, when it is, lets pending window events run
// with pause(). Pauses come every 25 ms, so the window stays responsive
// without the pauses becoming the cost.
class LoopPacer {
public:
    explicit LoopPacer(QObject* window);
    bool due() const { return clock_.elapsed() - last_ >= kIntervalMs; }
    // Runs pending events. False when the window was destroyed meanwhile:
    // the loop must then return at once without touching it.
    bool pause();

    static constexpr qint64 kIntervalMs = 25;

private:
    QPointer<QObject> window_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
};

// Gives a read-only result field the button face of the window's palette
// (text stays the palette's text colour), and keeps it so when the palette
// changes (a light or dark desktop theme chosen while the program runs).
void ResultFace(QWidget* field);

// Keeps a result field's tool tip equal to its text.
void TooltipFollowsText(QLineEdit* field);

}  // namespace numora
