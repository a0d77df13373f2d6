// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rows that reflow. Every frame of a calculator window lays out its
// controls with a FlowLayout: while the whole row fits on one line it
// stands on one line, its fields sharing the width; when it does not, each
// group of the row (the inputs, the results with their start button) starts
// a line of its own, and a group still too wide wraps between its items. A
// row therefore never needs more width than its widest item, and a control
// added to a row later takes part without further work.
#pragma once

#include <QLayout>
#include <QList>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QStackedWidget;
class QString;

namespace numora {

class FlowLayout final : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    // The items added from now on form a new group.
    void newGroup();
    // ... a new group that always starts a line of its own.
    void newLine();
    // Adds a widget to the current group (QLayout::addWidget does too).
    void add(QWidget* widget, Qt::Alignment alignment = {});

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

    // The number of lines at the last geometry set.
    int lineCount() const { return lines_; }

private:
    struct Entry {
        QLayoutItem* item;
        int group;
        bool lineBreak;  // the first item of a group that always starts a line
    };
    int horizontalGap() const;
    int verticalGap() const;
    // Lays the items out in `rect` (placing them when `apply`); returns the
    // height used, margins included.
    int arrange(const QRect& rect, bool apply) const;

    QList<Entry> entries_;
    int group_ = 0;
    bool lineBreak_ = false;
    mutable int lines_ = 0;
    mutable int cachedWidth_ = -1;
    mutable int cachedHeight_ = 0;
};

// Widgets side by side that never break apart (an operand with its sign,
// a result with its label): text fields share the piece's width.
QWidget* Piece(std::initializer_list<QWidget*> widgets);

// `pages` in a holder that a layout sizes by the page shown, not by the
// tallest page: a short page does not scroll over the height of a long
// one. The holder follows every change of the current page.
QWidget* SizedByShownPage(QStackedWidget* pages);

// The small caption of a result box that shares its frame with others
// ("商", "余数"): one step smaller than the frame's text, never under
// kLeastCaptionPoints, in its colour.
QLabel* SmallCaption(const QString& text);
inline constexpr double kCaptionStep = 1.0;
inline constexpr double kLeastCaptionPoints = 9.0;
// The point size of a caption beside text of `textPointSize` points.
double CaptionPointSize(double textPointSize);
// A result box with its small caption before it, as one piece.
QWidget* Captioned(const QString& caption, QWidget* field);

// The width a single-line field needs to show `sample` whole, frame and
// margins included.
int FieldWidthFor(const QLineEdit* field, const QString& sample);

// The least width of an input field: room for `characters` digits (at
// most its maximum length), so that a narrow window squeezes fields to a
// readable size and no further.
void SensibleInputWidth(QLineEdit* field, int characters = 6);
// SensibleInputWidth for every editable single-line field under `root`
// that has no maximum width of its own.
void SensibleInputWidths(QWidget* root);

}  // namespace numora
