// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmData.h"

#include <QColor>
#include <QEvent>
#include <QFontMetricsF>
#include <QtMath>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "DesktopFit.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

struct EntryRow {
    const char* name;
    const char* value;
    const char* unit;  // "" when the value has none
};

const EntryRow kMathsEntries[] = {
    {"圆周率PI", "3.1415926535897932384626433832795", ""},
};
const EntryRow kPhysicsEntries[] = {
    {"光在真空中的速度", "299792458", "米/秒"},
    {"元电荷\"e\"", "1.6e-19", "库仑"},
    {"1标准大气压", "101325", "帕斯卡"},
    {"重力加速度g", "9.8", "米/平方秒"},
};
const EntryRow kChemEntries[] = {
    {"阿伏伽德罗常数", "6.0221367e+023", ""},
    {"标况下气体摩尔体积", "22.4141", "升/摩尔"},
};

struct SheetData {
    const char* control;
    const char* heading;
    std::span<const EntryRow> entries;
};

// In the order of frmData::Sheet.
const SheetData kSheets[] = {
    {"DataMathsText", "数学资料:", kMathsEntries},
    {"DataPhysicsText", "物理资料:", kPhysicsEntries},
    {"DataChemText", "化学资料:", kChemEntries},
};

const SheetData& Data(frmData::Sheet sheet) { return kSheets[static_cast<int>(sheet)]; }

constexpr int kIndent = 2;  // blanks before a name
constexpr int kGap = 2;     // least blanks between the longest name and its value

// True for the characters a monospaced font draws two cells wide (the
// East Asian wide and full-width ranges that occur in Chinese text).
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// The edges' colours: top and left dark with bottom and right light look
// pressed; the reverse looks raised.
QColor EdgeColour(int line, bool pressed) {
    const bool topOrLeft = line == 1 || line == 2;
    return topOrLeft == pressed ? QColor(128, 128, 128) : QColor(224, 224, 224);
}

// The close label with its four edges (Line1 top, Line2 left, Line3
// bottom, Line4 right) drawn around its caption.
class BevelLabel final : public QLabel {
public:
    BevelLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setAlignment(Qt::AlignCenter);
        setContentsMargins(10, 3, 10, 3);
    }
    void setPressed(bool pressed) {
        if (pressed == pressed_) return;
        pressed_ = pressed;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
        const int r = width() - 1;
        const int b = height() - 1;
        painter.setPen(EdgeColour(1, pressed_));
        painter.drawLine(0, 0, r, 0);
        painter.setPen(EdgeColour(2, pressed_));
        painter.drawLine(0, 0, 0, b);
        painter.setPen(EdgeColour(3, pressed_));
        painter.drawLine(0, b, r, b);
        painter.setPen(EdgeColour(4, pressed_));
        painter.drawLine(r, 0, r, b);
    }

private:
    bool pressed_ = false;
};

QFont SheetFont(const QFont& base) {
    // The monospaced face of the Chinese font draws a Chinese character
    // exactly two Latin cells wide, so blanks align the columns.
    QFont font = base;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans Mono"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace

frmData::frmData(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(U("常用资料"));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);

    // All three sheets are as wide as the widest line; each as high as its lines.
    const QFont font = SheetFont(this->font());
    const QFontMetricsF metrics(font);
    int widestCells = 0;
    for (Sheet sheet : {Sheet::Maths, Sheet::Physics, Sheet::Chem})
        for (const QString& line : sheetText(sheet).split(QLatin1Char('\n')))
            widestCells = std::max(widestCells, cellWidth(line));

    for (Sheet sheet : {Sheet::Maths, Sheet::Physics, Sheet::Chem}) {
        auto* field = new QPlainTextEdit(this);
        field->setObjectName(QLatin1String(Data(sheet).control));
        field->setReadOnly(true);
        field->setFont(font);
        field->setLineWrapMode(QPlainTextEdit::NoWrap);
        field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        field->setPlainText(sheetText(sheet));
        // Sized to show every line whole, the empty one after the last line break included.
        const qreal margins = 2 * (field->frameWidth() + field->document()->documentMargin());
        const qsizetype lines = sheetText(sheet).count(QLatin1Char('\n')) + 1;
        field->setFixedSize(
            qCeil(metrics.horizontalAdvance(QString(widestCells + 1, QLatin1Char('0'))) + margins),
            qCeil(lines * metrics.lineSpacing() + margins) + 2);
        layout->addWidget(field);
    }

    closeLabel_ = new BevelLabel(U(" 关 闭"), this);
    closeLabel_->setObjectName(QStringLiteral("CloseLabel"));
    closeLabel_->installEventFilter(this);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(closeLabel_);
    layout->addLayout(row);
    CloseOnEscape(this);  // as the close label does
}

frmData::~frmData() = default;

// ---- Sheets ----------------------------------------------------------------------

int frmData::cellWidth(const QString& text) {
    int cells = 0;
    for (char32_t c : text.toUcs4()) cells += IsWide(c) ? 2 : 1;
    return cells;
}

int frmData::valueColumn() {
    int longest = 0;
    for (const SheetData& data : kSheets)
        for (const EntryRow& entry : data.entries) longest = std::max(longest, cellWidth(U(entry.name)));
    return kIndent + longest + kGap;
}

QString frmData::sheetHeading(Sheet sheet) { return U(Data(sheet).heading); }

QList<frmData::Entry> frmData::sheetEntries(Sheet sheet) {
    QList<Entry> entries;
    for (const auto& entry : Data(sheet).entries)
        entries.push_back({U(entry.name), QLatin1String(entry.value), U(entry.unit)});
    return entries;
}

QString frmData::sheetText(Sheet sheet) {
    const SheetData& data = Data(sheet);
    const int column = valueColumn();
    QString text = U(data.heading) + QLatin1Char('\n');
    for (const EntryRow& entry : data.entries) {
        QString line = QString(kIndent, QLatin1Char(' ')) + U(entry.name);
        line += QString(column - cellWidth(line), QLatin1Char(' '));
        line += QLatin1String(entry.value);
        if (*entry.unit) line += QLatin1Char(' ') + U(entry.unit);
        text += line + QLatin1Char('\n');
    }
    return text;
}

// ---- Close label -------------------------------------------------------------------

void frmData::setPressed(bool pressed) {
    pressed_ = pressed;
    static_cast<BevelLabel*>(closeLabel_)->setPressed(pressed);
}

// The label acts as a button: pressed while the left button is held on it
// (raised again when the mouse is dragged off), and a release on it closes
// the window.
bool frmData::eventFilter(QObject* watched, QEvent* event) {
    if (watched != closeLabel_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            held_ = true;
            setPressed(true);
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (held_) setPressed(closeLabel_->rect().contains(mouse->position().toPoint()));
            return held_;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !held_) break;
            held_ = false;
            const bool inside = closeLabel_->rect().contains(mouse->position().toPoint());
            setPressed(false);
            if (inside) close();
            return true;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace numora
