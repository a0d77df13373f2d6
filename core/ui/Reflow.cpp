// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Reflow.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "FormHelpers.h"

namespace numora {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::newGroup() {
    if (!entries_.isEmpty() && entries_.back().group == group_) ++group_;
}

void FlowLayout::newLine() {
    newGroup();
    lineBreak_ = true;
}

void FlowLayout::add(QWidget* widget, Qt::Alignment alignment) {
    addWidget(widget);
    if (alignment) setAlignment(widget, alignment);
}

void FlowLayout::addItem(QLayoutItem* item) {
    entries_.push_back({item, group_, lineBreak_});
    lineBreak_ = false;
    invalidate();
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < entries_.size() ? entries_.at(index).item : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= entries_.size()) return nullptr;
    QLayoutItem* item = entries_.takeAt(index).item;
    invalidate();
    return item;
}

int FlowLayout::count() const { return static_cast<int>(entries_.size()); }

Qt::Orientations FlowLayout::expandingDirections() const {
    Qt::Orientations directions;
    for (const Entry& e : entries_) directions |= e.item->expandingDirections();
    return directions;
}

void FlowLayout::invalidate() {
    cachedWidth_ = -1;
    QLayout::invalidate();
}

namespace {

int StyleGap(const QLayout* layout, QStyle::PixelMetric metric) {
    const QObject* parent = layout->parent();
    if (!parent) return 6;
    if (parent->isWidgetType()) {
        const auto* widget = static_cast<const QWidget*>(parent);
        return widget->style()->pixelMetric(metric, nullptr, widget);
    }
    return static_cast<const QLayout*>(parent)->spacing();
}

}  // namespace

int FlowLayout::horizontalGap() const {
    return spacing() >= 0 ? spacing() : StyleGap(this, QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalGap() const {
    return spacing() >= 0 ? spacing() : StyleGap(this, QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QMargins m = contentsMargins();
    const QRect area = rect.marginsRemoved(m);
    const int room = std::max(area.width(), 0);
    const int gap = horizontalGap();

    struct Slot {
        QLayoutItem* item;
        int group, least, hint, most, stretch, width = 0;
        bool grows, lineBreak;
    };
    std::vector<Slot> cells;
    for (const Entry& e : entries_) {
        if (e.item->isEmpty()) continue;
        const int least = e.item->minimumSize().width();
        const int hint = std::max(e.item->sizeHint().width(), least);
        const QWidget* w = e.item->widget();
        // A widget whose own layout cannot grow (a piece of labels and
        // capped fields) is given no more than that layout takes.
        int most = e.item->maximumSize().width();
        if (w && w->layout()) most = std::min(most, w->layout()->totalMaximumSize().width());
        most = std::max(most, least);
        const int stretch = w ? std::max(w->sizePolicy().horizontalStretch(), 1) : 1;
        const bool grows = (e.item->expandingDirections() & Qt::Horizontal) != 0;
        cells.push_back({e.item, e.group, least, hint, most, stretch, least, grows, e.lineBreak});
    }

    // Lines: one when everything fits at its least width; otherwise each
    // group starts a line and wraps where its next item would not fit. A
    // group made to start a line always does.
    std::vector<std::pair<std::size_t, std::size_t>> lines;  // [first, end)
    int total = 0;
    for (const Slot& c : cells) total += c.least;
    total += gap * std::max(static_cast<int>(cells.size()) - 1, 0);
    const bool wrap = total > room;
    std::size_t first = 0;
    int used = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool newGroup = i > first && cells[i].group != cells[i - 1].group;
        if (i > first && (cells[i].lineBreak || (wrap && newGroup) || used + gap + cells[i].least > room)) {
            lines.push_back({first, i});
            first = i;
            used = 0;
        }
        used += (i > first ? gap : 0) + cells[i].least;
    }
    if (!cells.empty()) lines.push_back({first, cells.size()});

    // Widths: each item first grows towards its preferred width, then the
    // items that grow share what is left, in proportion to their stretch.
    for (const auto& [first, end] : lines) {
        int extra = room - gap * static_cast<int>(end - first - 1);
        for (std::size_t i = first; i < end; ++i) extra -= cells[i].least;
        int wanted = 0;
        for (std::size_t i = first; i < end; ++i) wanted += std::min(cells[i].hint, cells[i].most) - cells[i].least;
        if (extra > 0 && wanted > 0) {
            const int given = std::min(extra, wanted);
            int handed = 0;
            for (std::size_t i = first; i < end; ++i) {
                const int want = std::min(cells[i].hint, cells[i].most) - cells[i].least;
                const int share = static_cast<int>(static_cast<long long>(given) * want / wanted);
                cells[i].width += share;
                handed += share;
            }
            extra -= handed;
        }
        // Rounds of sharing: an item that reaches its maximum hands its
        // share back to the others.
        while (extra > 0) {
            int weight = 0;
            for (std::size_t i = first; i < end; ++i)
                if (cells[i].grows && cells[i].width < cells[i].most) weight += cells[i].stretch;
            if (weight == 0) break;
            int handed = 0;
            for (std::size_t i = first; i < end; ++i) {
                Slot& s = cells[i];
                if (!s.grows || s.width >= s.most) continue;
                const int share = std::max(static_cast<int>(static_cast<long long>(extra) * s.stretch / weight), 1);
                const int taken = std::min({share, s.most - s.width, extra - handed});
                s.width += taken;
                handed += taken;
                if (handed >= extra) break;
            }
            if (handed == 0) break;
            extra -= handed;
        }
    }

    // Heights, line by line, and the places when asked for.
    int y = area.top();
    const int vgap = verticalGap();
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const auto [first, end] = lines[line];
        int height = 0;
        for (std::size_t i = first; i < end; ++i) {
            QLayoutItem* item = cells[i].item;
            int h = item->hasHeightForWidth() ? item->heightForWidth(cells[i].width) : item->sizeHint().height();
            h = std::clamp(h, item->minimumSize().height(), std::max(item->maximumSize().height(),
                                                                      item->minimumSize().height()));
            height = std::max(height, h);
        }
        if (apply) {
            int x = area.left();
            for (std::size_t i = first; i < end; ++i) {
                const QRect place(x, y, cells[i].width, height);
                cells[i].item->setGeometry(QStyle::visualRect(parentWidget() ? parentWidget()->layoutDirection()
                                                                              : Qt::LeftToRight,
                                                              area, place));
                x += cells[i].width + gap;
            }
        }
        y += height + (line + 1 < lines.size() ? vgap : 0);
    }
    lines_ = static_cast<int>(lines.size());
    return y - area.top() + m.top() + m.bottom();
}

int FlowLayout::heightForWidth(int width) const {
    if (width != cachedWidth_) {
        const int lines = lines_;
        cachedHeight_ = arrange(QRect(0, 0, width, 0), false);
        lines_ = lines;  // only the geometry set counts
        cachedWidth_ = width;
    }
    return cachedHeight_;
}

QSize FlowLayout::minimumSize() const {
    int width = 0, height = 0;
    for (const Entry& e : entries_) {
        if (e.item->isEmpty()) continue;
        width = std::max(width, e.item->minimumSize().width());
        height = std::max(height, e.item->minimumSize().height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    int width = 0, height = 0, n = 0;
    for (const Entry& e : entries_) {
        if (e.item->isEmpty()) continue;
        const QSize hint = e.item->sizeHint().expandedTo(e.item->minimumSize());
        width += hint.width();
        height = std::max(height, e.item->hasHeightForWidth() ? e.item->heightForWidth(hint.width()) : hint.height());
        ++n;
    }
    width += horizontalGap() * std::max(n - 1, 0);
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

namespace {

// Without a layout of its own, the holder answers for its size itself:
// with the size of the page shown.
class PageHolder final : public QWidget {
public:
    explicit PageHolder(QStackedWidget* pages) : pages_(pages) {
        pages->setParent(this);
        connect(pages, &QStackedWidget::currentChanged, this, [this] { updateGeometry(); });
    }
    QSize sizeHint() const override { return shown() ? shown()->sizeHint() : QSize(); }
    QSize minimumSizeHint() const override {
        return shown() ? shown()->minimumSizeHint().expandedTo(shown()->minimumSize()) : QSize();
    }
    bool hasHeightForWidth() const override { return shown() && shown()->hasHeightForWidth(); }
    int heightForWidth(int width) const override { return shown() ? shown()->heightForWidth(width) : -1; }

protected:
    void resizeEvent(QResizeEvent*) override { pages_->setGeometry(rect()); }
    // A page whose content grows or shrinks (a line that shows only with a
    // result) asks for another size: the holder passes it on.
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) updateGeometry();
        return QWidget::event(event);
    }

private:
    QWidget* shown() const { return pages_->currentWidget(); }
    QStackedWidget* pages_;
};

}  // namespace

QWidget* SizedByShownPage(QStackedWidget* pages) { return new PageHolder(pages); }

QWidget* Piece(std::initializer_list<QWidget*> widgets) {
    auto* piece = new QWidget;
    auto* row = new QHBoxLayout(piece);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (QWidget* w : widgets) {
        // Labels keep to their text: the spare width goes to the fields.
        if (qobject_cast<QLabel*>(w)) w->setSizePolicy(QSizePolicy::Fixed, w->sizePolicy().verticalPolicy());
        row->addWidget(w, qobject_cast<QLineEdit*>(w) ? 1 : 0);
    }
    return piece;
}

double CaptionPointSize(double textPointSize) {
    if (textPointSize <= 0) return textPointSize;
    return std::max(textPointSize - kCaptionStep, kLeastCaptionPoints);
}

namespace {

// Takes its size from the text around it once it is placed in its window
// (and whenever the window's text size changes).
class CaptionLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Polish || event->type() == QEvent::ParentChange ||
            (event->type() == QEvent::FontChange && !sizing_))
            fit();
        return QLabel::event(event);
    }

private:
    void fit() {
        const QFont around = parentWidget() ? parentWidget()->font() : QApplication::font();
        if (around.pointSizeF() <= 0) return;
        QFont own = font();
        own.setPointSizeF(CaptionPointSize(around.pointSizeF()));
        if (own == font()) return;
        sizing_ = true;
        setFont(own);
        sizing_ = false;
    }

    bool sizing_ = false;
};

}  // namespace

QLabel* SmallCaption(const QString& text) {
    auto* label = new CaptionLabel(text);
    label->setObjectName(QStringLiteral("SmallCaption"));
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

QWidget* Captioned(const QString& caption, QWidget* field) {
    QLabel* label = SmallCaption(caption);
    label->setBuddy(field);
    return Piece({label, field});
}

int FieldWidthFor(const QLineEdit* field, const QString& sample) {
    // The text's advance plus the field's frame and inner margins, as the
    // style reports them for a line edit.
    const int text = field->fontMetrics().horizontalAdvance(sample);
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QMargins margins = field->textMargins();
    const QSize inner(text + margins.left() + margins.right() + 4 /* the line edit's own side margins */,
                      field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, field).width();
}

void SensibleInputWidth(QLineEdit* field, int characters) {
    if (!field) return;
    if (field->maxLength() > 0) characters = std::min(characters, field->maxLength());
    field->setMinimumWidth(FieldWidthFor(field, QString(std::max(characters, 1), QLatin1Char('0'))));
}

void SensibleInputWidths(QWidget* root) {
    if (!root) return;
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        if (field->isReadOnly() || field->maximumWidth() != QWIDGETSIZE_MAX) continue;  // a width of its own
        if (qobject_cast<QWidget*>(field->parent()) && field->parentWidget()->inherits("QAbstractSpinBox")) continue;
        if (field->parentWidget() && field->parentWidget()->inherits("QComboBox")) continue;
        SensibleInputWidth(field);
    }
}

}  // namespace numora
