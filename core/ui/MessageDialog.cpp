// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessageDialog.h"

#include "Accessibility.h"
#include "MessageBoxIcon.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollArea>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace numora {
namespace {

// The widest a text line may run before it is broken.
constexpr int kMaxTextWidth = 520;
// The window manager's parts of a title bar beside the title: the window
// icon and up to three buttons, with their margins.
constexpr int kTitleBarExtras = 150;
// The share of the screen's height (in percent) the text may take; the
// rest is the title bar, the buttons and the margins.
constexpr int kMaxTextShare = 45;
// Every box shows at least this many lines of a long paragraph.
constexpr int kLeastLines = 5;

struct ButtonRow {
    MsgAnswer answer;
    const char* caption;
    QDialogButtonBox::ButtonRole role;
};

std::vector<ButtonRow> ButtonsOf(MsgButtons buttons) {
    const ButtonRow ok{MsgAnswer::Ok, "确定", QDialogButtonBox::AcceptRole};
    const ButtonRow cancel{MsgAnswer::Cancel, "取消", QDialogButtonBox::RejectRole};
    const ButtonRow yes{MsgAnswer::Yes, "是", QDialogButtonBox::YesRole};
    const ButtonRow no{MsgAnswer::No, "否", QDialogButtonBox::NoRole};
    const ButtonRow retry{MsgAnswer::Retry, "重试", QDialogButtonBox::AcceptRole};
    switch (buttons) {
        case MsgButtons::Ok: return {ok};
        case MsgButtons::OkCancel: return {ok, cancel};
        case MsgButtons::YesNo: return {yes, no};
        case MsgButtons::YesNoCancel: return {yes, no, cancel};
        case MsgButtons::RetryCancel: return {retry, cancel};
    }
    return {ok};
}

bool BreaksAfter(QChar c) {
    return c.isSpace() || QStringLiteral("+-*/×÷()=,，、。").contains(c);
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                             MsgButtons buttons, std::optional<MsgAnswer> defaultButton)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MessageBox"));
    setWindowTitle(title);
    setModal(true);
    // A screen reader reads an alert whole when it opens, however short its
    // text (a plain dialog's text only when it has several words).
    SetAccessibleRole(this, QAccessible::AlertMessage);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(14);
    int textColumn = 0;
    if (icon != MessageIcon::None) {
        // Drawn as shapes: sharp at any screen scale.
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        grid->addWidget(new MessageBoxIcon(icon, size), 0, 0, Qt::AlignTop | Qt::AlignHCenter);
        textColumn = 1;
    }
    label_ = new QLabel;
    label_->setObjectName(QStringLiteral("MessageText"));
    label_->setTextFormat(Qt::PlainText);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_ = text;
    int width = kMaxTextWidth;
    // The box, title bar and buttons included, stays on the screen: the
    // text takes at most its share of the screen's height.
    int textHeight = 600;
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen()) {
        width = std::min(width, screen->availableGeometry().width() * 2 / 3);
        textHeight = screen->availableGeometry().height() * kMaxTextShare / 100;
    }
    const QFontMetrics metrics = label_->fontMetrics();
    const int maxLines = std::max(kLeastLines, textHeight / std::max(metrics.lineSpacing(), 1));
    const QString shown = BoundParagraphs(text, metrics, width, maxLines);
    label_->setText(shown);
    if (shown != WrapLines(text, metrics, width))
        label_->setToolTip(text);
    if (shown.count(QLatin1Char('\n')) + 1 > maxLines) {
        // Many paragraphs, each within its bound: the text scrolls.
        auto* scroller = new QScrollArea;
        scroller->setObjectName(QStringLiteral("MessageScroller"));
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidget(label_);
        scroller->setWidgetResizable(false);
        scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        label_->adjustSize();
        const int bar = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
        scroller->setFixedSize(label_->width() + bar, std::min(label_->height(), maxLines * metrics.lineSpacing()));
        grid->addWidget(scroller, 0, textColumn);
    } else {
        grid->addWidget(label_, 0, textColumn);
    }

    auto* box = new QDialogButtonBox;
    box->setObjectName(QStringLiteral("MessageButtons"));
    box->setCenterButtons(true);
    const std::vector<ButtonRow> rows = ButtonsOf(buttons);
    for (const ButtonRow& row : rows) {
        QPushButton* button = box->addButton(QString::fromUtf8(row.caption), row.role);
        const MsgAnswer answer = row.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] { press(answer); });
        if (defaultButton ? *defaultButton == answer : &row == &rows.front()) {
            button->setDefault(true);
            default_ = button;
        }
        if (answer == MsgAnswer::Cancel) escapeAnswer_ = MsgAnswer::Cancel;
    }
    if (rows.size() == 1) escapeAnswer_ = rows.front().answer;
    grid->addWidget(box, 1, 0, 1, textColumn + 1);
    // The whole title in the title bar: the box is never narrower than it.
    grid->addItem(new QSpacerItem(TitleBarWidth(title, font()), 0, QSizePolicy::Fixed, QSizePolicy::Minimum), 2, 0,
                  1, textColumn + 1);
}

QString MessageDialog::shownText() const { return label_->text(); }

QString MessageDialog::BoundParagraphs(const QString& text, const QFontMetrics& metrics, int width, int maxLines) {
    maxLines = std::max(maxLines, kLeastLines);
    std::vector<QStringList> paragraphs;
    int total = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        paragraphs.push_back(WrapLines(paragraph, metrics, width).split(QLatin1Char('\n')));
        total += static_cast<int>(paragraphs.back().size());
    }
    // The long paragraphs share the lines the short ones leave.
    int longOnes = 0, shortLines = 0;
    for (const QStringList& lines : paragraphs) {
        if (lines.size() > kLeastLines)
            ++longOnes;
        else
            shortLines += static_cast<int>(lines.size());
    }
    const int share = longOnes ? std::max(kLeastLines, (maxLines - shortLines) / longOnes) : maxLines;
    QStringList out;
    for (const QStringList& lines : paragraphs) {
        if (total <= maxLines || lines.size() <= share) {
            out << lines;
            continue;
        }
        out << lines.mid(0, share - 3) << QStringLiteral("…") << lines.mid(lines.size() - 2);
    }
    return out.join(QLatin1Char('\n'));
}

int MessageDialog::TitleBarWidth(const QString& title, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarExtras;
}

QString MessageDialog::WrapLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        // One pass over the characters, summing their advances (a little
        // room is kept for the kerning between them).
        const int room = width - metrics.averageCharWidth();
        qsizetype start = 0, lastBreak = -1;
        int used = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const int advance = metrics.horizontalAdvance(line.at(i));
            if (used + advance > room && i > start) {
                // Break after the last blank or operator in the second half
                // of the line, else before this character.
                const qsizetype cut = lastBreak >= 0 && lastBreak + 1 > start + (i - start) / 2 ? lastBreak + 1 : i;
                out << line.mid(start, cut - start);
                start = cut;
                lastBreak = -1;
                used = 0;
                for (qsizetype j = start; j < i; ++j) used += metrics.horizontalAdvance(line.at(j));
            }
            used += advance;
            if (BreaksAfter(line.at(i))) lastBreak = i;
        }
        out << line.mid(start);
    }
    return out.join(QLatin1Char('\n'));
}

void MessageDialog::press(MsgAnswer answer) {
    answer_ = answer;
    done(answer == MsgAnswer::Cancel ? QDialog::Rejected : QDialog::Accepted);
}

void MessageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Enter presses the focused button: the focus starts on the default one.
    if (default_) default_->setFocus(Qt::OtherFocusReason);
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    // Ctrl+C copies the whole message, also the part a long one leaves out.
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::reject() {
    // Escape and the close box give the box's escape answer; a box without
    // one (Yes/No) stays open on Escape, as the platform's message box does.
    if (escapeAnswer_) {
        answer_ = *escapeAnswer_;
        QDialog::reject();
    } else if (!isVisible()) {
        QDialog::reject();
    }
}

}  // namespace numora
