// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About and reference-data windows: texts, the line's colour animation,
// the title under the mouse, the system-information tool, the sheets and
// their alignment, the close label, and closing through the main frame.
#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "Fakes.h"
#include "MainFrame.h"
#include "ShellTest.h"
#include "Version.h"
#include "frmAbout.h"
#include "frmData.h"

using namespace numora;
using numora::testing::FakeServices;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }
QColor Grey(int level) { return QColor(level, level, level); }

template <class T = QWidget>
T* Child(QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    if (!child) qFatal("no control %s", qPrintable(name));
    return child;
}

}  // namespace

class AboutDataTest : public QObject {
    Q_OBJECT

private slots:
    void aboutTexts();
    void userName_data();
    void userName();
    void colourAnimation_data();
    void colourAnimation();
    void animationRunsOnlyWhileShown();
    void titleUnderTheMouse_data();
    void titleUnderTheMouse();
    void systemInformation_data();
    void systemInformation();
    void sheetLines();
    void sheetsAlignOnScreen();
    void closeLabel_data();
    void closeLabel();
    void closingUnloadsFromTheFrame_data();
    void closingUnloadsFromTheFrame();
};

// Every fixed text of the window shows where its table puts it; the
// version is the program's.
void AboutDataTest::aboutTexts() {
    FakeServices fake;
    frmAbout about(fake.services);
    QStringList controls;
    for (const auto& [control, text] : frmAbout::captions()) {
        QWidget* widget = control.isEmpty() ? &about : Child(&about, control);
        QCOMPARE(widget->property(control.isEmpty() ? "windowTitle" : "text").toString(), text);
        controls << control;
    }
    QCOMPARE(controls, (QStringList{QString(), "lblTitle", "lblVersion", "lblDescription", "cmdOK", "cmdSysInfo"}));
    QVERIFY(Child<QLabel>(&about, "lblVersion")->text().endsWith(QLatin1Char(' ') + QLatin1String(kVersion)));
}

void AboutDataTest::userName_data() {
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no stored name") << false << QString() << U("匿名");
    QTest::newRow("emptied name") << true << QString() << QString();
    QTest::newRow("a name") << true << U("张三") << U("张三");
    QTest::newRow("markup stays text") << true << U("<b>李四</b>") << U("<b>李四</b>");
}

void AboutDataTest::userName() {
    QFETCH(bool, stored);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    FakeServices fake;
    if (stored) fake.settings.WriteSetting("Texts", "Name", name);
    frmAbout about(fake.services);
    auto* box = Child<QLabel>(&about, "NameBox");
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->textFormat(), Qt::PlainText);
}

void AboutDataTest::colourAnimation_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("value");
    QTest::newRow("first tick") << 0 << 1 << 5;
    QTest::newRow("red reaches its top") << 250 << 1 << 255;
    QTest::newRow("red carries into green") << 255 << 1 << 0x104;
    QTest::newRow("exactly the largest colour") << 0xFFFFFA << 1 << 0xFFFFFF;
    QTest::newRow("wraps after the largest") << 0xFFFFFF << 1 << 4;
    QTest::newRow("wraps past the largest") << 0xFFFFFE << 1 << 3;
    QTest::newRow("several ticks across the wrap") << 0xFFFFF0 << 4 << 4;
    QTest::newRow("out-of-range start is wrapped") << 0x1000001 << 1 << 6;
}

void AboutDataTest::colourAnimation() {
    QFETCH(int, start);
    QFETCH(int, ticks);
    QFETCH(int, value);
    FakeServices fake;
    frmAbout about(fake.services);
    about.setLineColourValue(start);
    for (int i = 0; i < ticks; ++i) about.tick();
    QCOMPARE(about.lineColourValue(), value);
    // The line shows it: red in the low byte, blue in the high byte.
    const QColor expected(value & 0xFF, (value >> 8) & 0xFF, value >> 16);
    QCOMPARE(Child(&about, "Line1")->grab().toImage().pixelColor(0, 0), expected);
}

void AboutDataTest::animationRunsOnlyWhileShown() {
    FakeServices fake;
    MainFrame frame(fake.services);
    numora::testing::RegisterChild(frame, QStringLiteral("frmAbout"), [](Services& s, MainFrame& f) -> QWidget* {
        return new frmAbout(s, f.windowIcon());
    });
    frame.show();
    frame.toggleChild("frmAbout");
    auto* about = static_cast<frmAbout*>(frame.child("frmAbout"));
    auto* timer = Child<QTimer>(about, "Timer1");
    QVERIFY(timer->isActive());
    QTRY_VERIFY(about->lineColourValue() >= 10);  // the real timer steps it

    frame.toggleChild("frmAbout");  // hidden by the frame, not by itself
    QVERIFY(!timer->isActive());
    const int kept = about->lineColourValue();
    QTest::qWait(40);
    QCOMPARE(about->lineColourValue(), kept);

    frame.toggleChild("frmAbout");
    QVERIFY(timer->isActive());
}

void AboutDataTest::titleUnderTheMouse_data() {
    QTest::addColumn<QStringList>("path");  // controls the mouse moves over, in order
    QTest::addColumn<bool>("underTitle");
    QTest::newRow("not yet moved") << QStringList{} << false;
    QTest::newRow("over the title") << QStringList{"lblTitle"} << true;
    QTest::newRow("title then background") << QStringList{"lblTitle", "frmAbout"} << false;
    QTest::newRow("title then another label") << QStringList{"lblTitle", "lblDescription"} << false;
    QTest::newRow("background then title") << QStringList{"frmAbout", "lblTitle"} << true;
    QTest::newRow("title then out of the window") << QStringList{"lblTitle", "outside"} << false;
}

void AboutDataTest::titleUnderTheMouse() {
    QFETCH(QStringList, path);
    QFETCH(bool, underTitle);
    FakeServices fake;
    frmAbout about(fake.services);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* title = Child<QLabel>(&about, "lblTitle");
    for (const QString& place : path) {
        if (place == "outside") {
            QEvent leave(QEvent::Leave);  // the pointer leaves the screen area
            QApplication::sendEvent(title, &leave);
        } else if (place == "frmAbout") {
            QTest::mouseMove(&about, QPoint(2, about.height() / 2));
        } else {
            QWidget* target = Child(&about, place);
            QTest::mouseMove(target, target->rect().center());
        }
    }
    QCOMPARE(title->palette().color(QPalette::WindowText),
             underTitle ? QColor(255, 0, 255) : QColor(255, 128, 0));
}

void AboutDataTest::systemInformation_data() {
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QString>("started");  // "" when nothing may start
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("unavailable");
    QTest::newRow("nothing on PATH") << QStringList{} << true << "" << QStringList{} << true;
    QTest::newRow("unrelated programs only") << QStringList{"top", "xcalc"} << true << "" << QStringList{} << true;
    QTest::newRow("a system monitor") << QStringList{"gnome-system-monitor"} << true
                                      << "/usr/bin/gnome-system-monitor" << QStringList{} << false;
    QTest::newRow("list order, not PATH order")
        << QStringList{"gnome-system-monitor", "kinfocenter", "hardinfo"} << true << "/usr/bin/hardinfo"
        << QStringList{} << false;
    QTest::newRow("newer profiler first") << QStringList{"hardinfo", "hardinfo2"} << true
                                          << "/usr/bin/hardinfo2" << QStringList{} << false;
    QTest::newRow("desktop about page opens its panel")
        << QStringList{"xfce4-about", "gnome-control-center"} << true << "/usr/bin/gnome-control-center"
        << QStringList{"info-overview"} << false;
    QTest::newRow("tool does not start") << QStringList{"kinfocenter", "hardinfo"} << false
                                         << "/usr/bin/hardinfo" << QStringList{} << true;
}

void AboutDataTest::systemInformation() {
#ifdef Q_OS_WIN
    QSKIP("the registry names the tool on this system");
#endif
    QFETCH(QStringList, onPath);
    QFETCH(bool, startSucceeds);
    QFETCH(QString, started);
    QFETCH(QStringList, arguments);
    QFETCH(bool, unavailable);
    FakeServices fake;
    fake.launcher.onPath = onPath;
    fake.launcher.startSucceeds = startSucceeds;
    frmAbout about(fake.services);
    about.show();
    QTest::mouseClick(Child(&about, "cmdSysInfo"), Qt::LeftButton);

    // One attempt at most, with the full path, never through a shell.
    QCOMPARE(fake.launcher.started, started.isEmpty() ? QStringList{} : QStringList{started});
    if (!started.isEmpty()) QCOMPARE(fake.launcher.startedArguments.first(), arguments);
    QCOMPARE(fake.dialogs.messages.size(), unavailable ? 1 : 0);
    if (unavailable) {
        const auto& m = fake.dialogs.messages.first();
        QCOMPARE(m.text, U("此时系统信息不可用"));
        QCOMPARE(m.title, QStringLiteral("Numora"));
        QCOMPARE(m.icon, MsgIcon::None);
        QCOMPARE(m.buttons, MsgButtons::Ok);
    }
    QVERIFY(about.isVisible());
}

// Each sheet shows its heading and its entries from the table, one a line:
// two blanks, the name, blanks up to the value column, the value and its
// unit. The value column is the same in every sheet: two blanks, the
// longest name of all (标况下气体摩尔体积, 18 cells, a Chinese character
// taking two) and two blanks.
void AboutDataTest::sheetLines() {
    using Sheet = frmData::Sheet;
    int longest = 0;
    for (Sheet sheet : {Sheet::Maths, Sheet::Physics, Sheet::Chem})
        for (const frmData::Entry& entry : frmData::sheetEntries(sheet))
            longest = std::max(longest, frmData::cellWidth(entry.name));
    QCOMPARE(frmData::valueColumn(), 2 + longest + 2);
    QCOMPARE(frmData::valueColumn(), 22);

    frmData data;
    const std::pair<Sheet, const char*> sheets[] = {
        {Sheet::Maths, "DataMathsText"}, {Sheet::Physics, "DataPhysicsText"}, {Sheet::Chem, "DataChemText"}};
    for (const auto& [sheet, control] : sheets) {
        auto* field = Child<QPlainTextEdit>(&data, control);
        QVERIFY(field->isReadOnly());
        const QString all = field->toPlainText();
        QVERIFY2(all.endsWith('\n'), "every line ends with a line break");
        const QStringList lines = all.split('\n');
        const QList<frmData::Entry> entries = frmData::sheetEntries(sheet);
        QVERIFY(!entries.isEmpty());
        QCOMPARE(lines.size(), entries.size() + 2);  // the heading, the entries, "" after the last break
        QCOMPARE(lines.first(), frmData::sheetHeading(sheet));
        for (int i = 0; i < entries.size(); ++i) {
            const frmData::Entry& e = entries[i];
            const QString name = QStringLiteral("  ") + e.name;
            QCOMPARE(lines[i + 1], name + Blanks(frmData::valueColumn() - frmData::cellWidth(name)) + e.value +
                                       (e.unit.isEmpty() ? QString() : QLatin1Char(' ') + e.unit));
        }
    }
}

void AboutDataTest::sheetsAlignOnScreen() {
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans Mono CJK SC")))
        QSKIP("the monospaced Chinese face (fonts-noto-cjk) is not installed");
    frmData data;
    data.show();
    QVERIFY(QTest::qWaitForWindowExposed(&data));
    // Where each entry's value starts, in pixels: the same in all three sheets.
    QList<int> starts;
    for (const char* name : {"DataMathsText", "DataPhysicsText", "DataChemText"}) {
        auto* field = Child<QPlainTextEdit>(&data, name);
        const QStringList lines = field->toPlainText().split('\n');
        int position = lines.first().size() + 1;
        for (int i = 1; i + 1 < lines.size(); ++i) {
            // Names have no blanks: the value follows the first run of blanks after the indent.
            int valueAt = lines[i].indexOf(' ', 2);
            while (lines[i].at(valueAt) == ' ') ++valueAt;
            QTextCursor cursor(field->document());
            cursor.setPosition(position + valueAt);
            starts << field->cursorRect(cursor).left();
            cursor.setPosition(position + lines[i].size());  // the whole line fits
            const QRect end = field->cursorRect(cursor);
            QVERIFY(end.right() < field->viewport()->width() && end.bottom() < field->viewport()->height());
            position += lines[i].size() + 1;
        }
    }
    QCOMPARE(starts.size(), 7);
    for (int x : starts) QCOMPARE(x, starts.first());
}

void AboutDataTest::closeLabel_data() {
    // Steps: "press" / "release" on the label, "out" / "in" drag the held
    // mouse off and back on, "right" a right-button click.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("closed");
    QTest::newRow("untouched looks raised") << QStringList{} << false << false;
    QTest::newRow("held looks pressed") << QStringList{"press"} << true << false;
    QTest::newRow("click closes") << QStringList{"press", "release"} << false << true;
    QTest::newRow("dragged off looks raised") << QStringList{"press", "out"} << false << false;
    QTest::newRow("released off does not close") << QStringList{"press", "out", "release"} << false << false;
    QTest::newRow("dragged back looks pressed") << QStringList{"press", "out", "in"} << true << false;
    QTest::newRow("released after coming back closes") << QStringList{"press", "out", "in", "release"} << false << true;
    QTest::newRow("right button does nothing") << QStringList{"right"} << false << false;
}

void AboutDataTest::closeLabel() {
    QFETCH(QStringList, steps);
    QFETCH(bool, pressed);
    QFETCH(bool, closed);
    frmData data;
    data.show();
    QVERIFY(QTest::qWaitForWindowExposed(&data));
    auto* label = Child<QLabel>(&data, "CloseLabel");
    const QPoint inside = label->rect().center();
    const QPoint outside(-20, -20);
    for (const QString& step : steps) {
        if (step == "press") QTest::mousePress(label, Qt::LeftButton, {}, inside);
        if (step == "out") QTest::mouseMove(label, outside);
        if (step == "in") QTest::mouseMove(label, inside);
        if (step == "right") QTest::mouseClick(label, Qt::RightButton, {}, inside);
        if (step == "release") {
            const QPoint at = steps.contains("out") && !steps.contains("in") ? outside : inside;
            QTest::mouseRelease(label, Qt::LeftButton, {}, at);
        }
    }
    QCOMPARE(data.closePressed(), pressed);
    QCOMPARE(!data.isVisible(), closed);
    if (closed) return;
    // The four edges as drawn: top and left dark when pressed, light when raised.
    const QImage image = label->grab().toImage();
    const int w = image.width(), h = image.height();
    const QColor dark = Grey(128), light = Grey(224);
    QCOMPARE(image.pixelColor(w / 2, 0), pressed ? dark : light);
    QCOMPARE(image.pixelColor(0, h / 2), pressed ? dark : light);
    QCOMPARE(image.pixelColor(w / 2, h - 1), pressed ? light : dark);
    QCOMPARE(image.pixelColor(w - 1, h / 2), pressed ? light : dark);
}

void AboutDataTest::closingUnloadsFromTheFrame_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closer");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("rightItem");
    QTest::newRow("About, its close button") << "frmAbout" << "cmdOK" << "mnuHelpAbout" << "mnuRightAbout";
    QTest::newRow("reference data, its close label") << "frmData" << "CloseLabel" << "mnuHelpData" << "mnuRightData";
}

void AboutDataTest::closingUnloadsFromTheFrame() {
    QFETCH(QString, window);
    QFETCH(QString, closer);
    QFETCH(QString, menuItem);
    QFETCH(QString, rightItem);
    FakeServices fake;
    MainFrame frame(fake.services);
    numora::testing::RegisterChild(frame, QStringLiteral("frmAbout"), [](Services& s, MainFrame& f) -> QWidget* {
        return new frmAbout(s, f.windowIcon());
    });
    numora::testing::RegisterChild(frame, QStringLiteral("frmData"),
                                   [](Services&, MainFrame&) -> QWidget* { return new frmData; });
    frame.show();
    frame.toggleChild(window);
    QPointer<QWidget> child = frame.child(window);
    QVERIFY(child);
    QCOMPARE(child->objectName(), window);
    QVERIFY(frame.menuItem(menuItem)->isChecked());
    QTest::mouseClick(Child(child, closer), Qt::LeftButton);
    QTRY_VERIFY(!frame.child(window));
    QVERIFY(!frame.menuItem(menuItem)->isChecked());
    QVERIFY(!frame.menuItem(rightItem)->isChecked());
    QTRY_VERIFY(!child);
}

NUMORA_SHELL_TEST(AboutDataTest);

#include "AboutDataTest.moc"
