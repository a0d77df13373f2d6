// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a user without a mouse or without sight meets in every window: each
// control's accessible name (walked through QAccessible, as a screen reader
// walks it), result announcements, canvas descriptions, the commands that
// need the keyboard, the screen scale and a dark palette.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>
#include <sys/stat.h>

#include "Accessibility.h"
#include "Chem.h"
#include "ChemAccessibility.h"
#include "MathsAccessibility.h"
#include "ScientificAccessibility.h"
#include "StandardAccessibility.h"
#include "frmOptionAccessibility.h"
#include "Contrast.h"
#include "Fakes.h"
#include "MainFrame.h"
#include "Maths.h"
#include "MathsControls.h"
#include "PlotCanvas.h"
#include "QtTestMain.h"
#include "Scientific.h"
#include "ScientificControls.h"
#include "ShellIcons.h"
#include "Standard.h"
#include "StandardControls.h"
#include "WidgetDriver.h"
#include "frmAbout.h"
#include "frmOption.h"

using namespace numora;
using numora::testing::FakeServices;
using numora::testing::TypeInto;

namespace {

// The windows the test walks, each made with fake services.
struct Rig {
    FakeServices fake;
    MainFrame frame{fake.services};
    std::unique_ptr<QWidget> window;
};

using Maker = std::function<QWidget*(Rig&)>;

const std::vector<std::pair<const char*, Maker>>& Windows() {
    static const std::vector<std::pair<const char*, Maker>> windows = {
        {"Standard", [](Rig& r) { return new Standard(r.fake.services); }},
        {"Scientific", [](Rig& r) { return new Scientific(r.fake.services); }},
        {"Maths", [](Rig& r) { return new Maths(r.fake.services); }},
        {"Chem", [](Rig& r) { return new Chem(r.fake.services); }},
        {"frmOption", [](Rig& r) { return new frmOption(r.fake.services, r.frame); }},
    };
    return windows;
}

// Every interface under `iface` that takes the keyboard focus. Rows of
// lists and items of combo boxes are data, not controls: not walked.
void Walk(QAccessibleInterface* iface, QList<QAccessibleInterface*>& found) {
    if (!iface || !iface->isValid()) return;
    if (iface->state().focusable) found << iface;
    const QAccessible::Role role = iface->role();
    // The tabs of a tab strip are its items too: the strip itself is the
    // control, named (by Qt) after its selected tab.
    if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree ||
        role == QAccessible::ComboBox || role == QAccessible::PageTabList)
        return;
    for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), found);
}

QString Describe(QAccessibleInterface* iface) {
    return iface->object() ? iface->object()->objectName() + QLatin1Char('/') +
                                 QLatin1String(iface->object()->metaObject()->className())
                           : QStringLiteral("?");
}

Rgb8 Of(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 60));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return p;
}

// Announcements made while a test runs.
QList<QPair<QPointer<QObject>, QString>> g_values;
void Record(QWidget* field, const QString& text) { g_values << qMakePair(QPointer<QObject>(field), text); }

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyFocusableControlHasADistinctName_data() {
        QTest::addColumn<int>("window");
        for (int i = 0; i < static_cast<int>(Windows().size()); ++i) QTest::newRow(Windows()[i].first) << i;
    }

    // The walk a screen reader makes: every control that can take the focus,
    // on every page, has a name, and no two share one.
    void everyFocusableControlHasADistinctName() {
        QFETCH(int, window);
        Rig rig;
        rig.window.reset(Windows()[window].second(rig));
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));

        QList<QAccessibleInterface*> controls;
        Walk(QAccessible::queryAccessibleInterface(rig.window.get()), controls);
        QVERIFY2(controls.size() >= 10, qPrintable(QString::number(controls.size())));
        QHash<QString, QString> seen;
        for (QAccessibleInterface* c : controls) {
            const QString name = c->text(QAccessible::Name).simplified();
            QVERIFY2(!name.isEmpty(), qPrintable(Describe(c) + QStringLiteral(" has no name")));
            QVERIFY2(!seen.contains(name),
                     qPrintable(Describe(c) + QStringLiteral(" and ") + seen.value(name) + QStringLiteral(" are both ") + name));
            seen.insert(name, Describe(c));
        }
        // Every focusable widget was met by the walk (none hidden from it);
        // a window of its own (the 解题过程 panel) is walked by itself.
        for (QWidget* w : rig.window->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty()) continue;
            if (w->window() != rig.window.get()) continue;
            if (qobject_cast<QAbstractScrollArea*>(w->parentWidget()) || qobject_cast<QTabBar*>(w->parentWidget()))
                continue;  // a view's or a tab strip's own parts
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(controls.contains(iface), qPrintable(w->objectName()));
        }
        // The 解题过程 panel: its list and buttons, each with a name of its own.
        for (QDialog* panel : rig.window->findChildren<QDialog*>()) {
            if (!panel->objectName().endsWith(QLatin1String("SolutionPanel"))) continue;
            panel->show();
            QList<QAccessibleInterface*> parts;
            Walk(QAccessible::queryAccessibleInterface(panel), parts);
            QStringList names;
            for (QAccessibleInterface* c : parts) names << c->text(QAccessible::Name).simplified();
            QVERIFY2(names.size() >= 5, qPrintable(names.join(QLatin1Char('/'))));
            QVERIFY2(!names.contains(QString()) && names.removeDuplicates() == 0, qPrintable(names.join(QLatin1Char('/'))));
            panel->hide();
        }
    }

    // Every row of every window's table names a control the window has.
    void everyTableRowNamesAControl() {
        Rig rig;
        const std::pair<QWidget*, AccessibleTable> windows[] = {
            {new Standard(rig.fake.services), StandardAccessibility()},
            {new Scientific(rig.fake.services), ScientificAccessibility()},
            {new Maths(rig.fake.services), MathsAccessibility()},
            {new Chem(rig.fake.services), ChemAccessibility()},
            {new frmOption(rig.fake.services, rig.frame), OptionAccessibility()},
        };
        for (const auto& [window, table] : windows) {
            std::unique_ptr<QWidget> owner(window);
            QCOMPARE(ApplyAccessibility(window, table), QStringList());
            QSet<QString> names;
            for (const AccessibleText& row : table) names.insert(row.name);
            QCOMPARE(names.size(), static_cast<qsizetype>(table.size()));  // no name twice
        }
    }

    // Ctrl+PageDown and Ctrl+PageUp turn a window's pages.
    void pagesTurnFromTheKeyboard() {
        Rig rig;
        auto* maths = new Maths(rig.fake.services);
        rig.window.reset(maths);
        maths->show();
        QApplication::setActiveWindow(maths);
        QVERIFY(QTest::qWaitForWindowActive(maths));
        auto* field = maths->findChild<QLineEdit*>(QLatin1String(maths::kQuadraticBoxes[0]));
        field->setFocus();
        auto* tabs = maths->findChild<QTabBar*>();
        QCOMPARE(tabs->currentIndex(), 0);
        QTest::keyClick(field, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 3);  // round from the first to the last
    }

    void fieldsAreNamedAfterFrameAndRole() {
        Rig rig;
        auto* standard = new Standard(rig.fake.services);
        rig.window.reset(standard);
        auto name = [standard](const char* control) {
            return QAccessible::queryAccessibleInterface(standard->findChild<QWidget*>(QLatin1String(control)))
                ->text(QAccessible::Name);
        };
        auto description = [standard](const char* control) {
            return QAccessible::queryAccessibleInterface(standard->findChild<QWidget*>(QLatin1String(control)))
                ->text(QAccessible::Description);
        };
        QCOMPARE(name(standard::kAddFirst), QString::fromUtf8("加法运算 被加数"));
        QCOMPARE(name(standard::kAddSecond), QString::fromUtf8("加法运算 加数"));
        QCOMPARE(name(standard::kAddResult), QString::fromUtf8("加法运算 和"));
        QCOMPARE(name(standard::kDivideButton), QString::fromUtf8("除法运算 开始"));
        // Descriptions come from the status-bar hints and follow them.
        QCOMPARE(description(standard::kDivideButton), QString::fromUtf8("计算商以及整除求余"));
        QCOMPARE(description(standard::kPairFirst), QString::fromUtf8("输入被加数"));
        standard->selectTab(QLatin1String(standard::kLargePage));
        standard->findChild<QRadioButton*>(QLatin1String(standard::kOperations[3].control))->click();
        QCOMPARE(description(standard::kPairFirst), QString::fromUtf8("输入被除数"));
        QCOMPARE(description(standard::kPairSecond), QString::fromUtf8("输入除数"));
    }

    // The listener hears every result field a command writes, with its
    // text, once the writes have settled; the focused control keeps its
    // description (the reader is told by a notification).
    void resultsAreAnnouncedOnce() {
        Rig rig;
        auto* standard = new Standard(rig.fake.services);
        rig.window.reset(standard);
        standard->show();
        QApplication::setActiveWindow(standard);
        QVERIFY(QTest::qWaitForWindowActive(standard));
        g_values.clear();
        SetAnnouncementListener(Record);
        TypeInto(standard->findChild<QLineEdit*>(QLatin1String(standard::kDividend)), QStringLiteral("12"));
        TypeInto(standard->findChild<QLineEdit*>(QLatin1String(standard::kDivisor)), QStringLiteral("5"));
        auto* start = standard->findChild<QPushButton*>(QLatin1String(standard::kDivideButton));
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key_Space);  // from the keyboard
        QTRY_COMPARE(g_values.size(), 3);       // typing into the inputs is not announced
        SetAnnouncementListener(nullptr);
        QCOMPARE(g_values[0].second, QStringLiteral("2.4"));
        QCOMPARE(start->accessibleDescription(), QString::fromUtf8("计算商以及整除求余"));
        // A long loop that shows its progress is told once, at its end.
        standard->selectTab(QLatin1String(standard::kLargePage));
        g_values.clear();
        SetAnnouncementListener(Record);
        TypeInto(standard->findChild<QLineEdit*>(QLatin1String(standard::kPairFirst)), QStringLiteral("3"));
        TypeInto(standard->findChild<QLineEdit*>(QLatin1String(standard::kPairSecond)), QStringLiteral("200"));
        standard->findChild<QRadioButton*>(QLatin1String(standard::kOperations[4].control))->click();
        auto* power = standard->findChild<QPushButton*>(QLatin1String(standard::kPairButton));
        power->setFocus(Qt::TabFocusReason);
        QTest::keyClick(power, Qt::Key_Space);
        QTRY_VERIFY(!g_values.isEmpty());
        QTest::qWait(2 * kAnnounceQuietMs);
        SetAnnouncementListener(nullptr);
        int told = 0;
        for (const auto& [object, value] : g_values) {
            if (object->objectName() != QLatin1String(standard::kPairResult)) continue;
            ++told;
            QVERIFY(value.startsWith(QStringLiteral("2656139")));
        }
        QCOMPARE(told, 1);
    }

    void canvasesDescribeWhatTheyShow() {
        Rig rig;
        auto* maths = new Maths(rig.fake.services);
        rig.window.reset(maths);
        maths->show();
        QVERIFY(QTest::qWaitForWindowExposed(maths));
        maths->selectTab(QLatin1String(maths::kPlotPage));  // applies the range
        PlotCanvas* plot = maths->plotCanvas();
        QCOMPARE(plot->accessibleName(), QString::fromUtf8("函数图象"));
        QCOMPARE(plot->accessibleDescription(), QString::fromUtf8("函数图象，X 轴 -4 至 4，Y 轴 -4 至 4，未绘制图象"));
        TypeInto(maths->findChild<QLineEdit*>(QLatin1String(maths::kKindControls[0].boxes[0])), QStringLiteral("2"));
        maths->findChild<QPushButton*>(QLatin1String(maths::kDrawButton))->click();
        QCOMPARE(plot->accessibleDescription(),
                 QString::fromUtf8("函数图象，X 轴 -4 至 4，Y 轴 -4 至 4，已绘制：曲线1 y = 2x"));
        maths->findChild<QPushButton*>(QLatin1String(maths::kApplyButton))->click();  // clears
        QVERIFY(plot->accessibleDescription().endsWith(QString::fromUtf8("未绘制图象")));

        maths->selectTab(QLatin1String(maths::kTrigPage));
        PlotCanvas* sketch = maths->sketchCanvas();
        QCOMPARE(sketch->accessibleName(), QString::fromUtf8("三角函数草图"));
        TypeInto(maths->findChild<QLineEdit*>(QLatin1String(maths::kSketchRight)), QStringLiteral("3"));
        auto* cosine = maths->findChild<QPushButton*>(QLatin1String(maths::kSketchCosine));
        cosine->click();
        QTRY_VERIFY_WITH_TIMEOUT(cosine->isEnabled(), 20000);
        QCOMPARE(sketch->accessibleDescription(),
                 QString::fromUtf8("三角函数草图，横轴 -3 至 3，纵轴 -2 至 2，已绘制：余弦曲线 y = cos x(蓝)"));
    }

    // Tab reaches every enabled control of every page, the canvases and
    // lists included.
    void tabReachesEveryControl_data() { everyFocusableControlHasADistinctName_data(); }
    void tabReachesEveryControl() {
        QFETCH(int, window);
        Rig rig;
        rig.window.reset(Windows()[window].second(rig));
        QWidget* w = rig.window.get();
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* tabs = w->findChild<QTabBar*>();
        QVERIFY(tabs);
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QList<QWidget*> expected;
            for (QWidget* c : w->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                                     qobject_cast<QAbstractItemView*>(c) || qobject_cast<PlotCanvas*>(c);
                if (control && c->isVisible() && c->isEnabled() && !c->objectName().isEmpty()) expected << c;
            }
            tabs->setFocus(Qt::TabFocusReason);
            QSet<QWidget*> reached;
            for (int i = 0; i < 3 * expected.size() + 10; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (QWidget* f = QApplication::focusWidget()) reached.insert(f);
            }
            // A group of option buttons is one stop: its checked button.
            for (QWidget* c : expected) {
                auto* option = qobject_cast<QRadioButton*>(c);
                if (option && !option->isChecked()) continue;
                QVERIFY2(reached.contains(c), qPrintable(QStringLiteral("page %1: %2").arg(page).arg(c->objectName())));
            }
        }
    }

    // The item commands of the big-number list without a mouse.
    void bigNumberListFromTheKeyboard() {
        Rig rig;
        auto* standard = new Standard(rig.fake.services);
        rig.window.reset(standard);
        standard->show();
        QApplication::setActiveWindow(standard);
        QVERIFY(QTest::qWaitForWindowActive(standard));
        standard->selectTab(QLatin1String(standard::kLargePage));
        auto* entry = standard->findChild<QLineEdit*>(QLatin1String(standard::kListEntry));
        for (const char* number : {"11", "22", "33"}) {
            TypeInto(entry, QLatin1String(number));
            QTest::keyClick(entry, Qt::Key_Return);
        }
        auto* list = standard->findChild<QListWidget*>(QLatin1String(standard::kList));
        auto* remove = standard->findChild<QPushButton*>(QLatin1String(standard::kDeleteItemButton));
        auto* edit = standard->findChild<QPushButton*>(QLatin1String(standard::kEditItemButton));
        QCOMPARE(list->count(), 3);
        QVERIFY(!remove->isEnabled());
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(list->currentRow(), 2);
        QVERIFY(remove->isEnabled() && edit->isEnabled());  // as after a click
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 2);
        QCOMPARE(standard->findChild<QLineEdit*>(QLatin1String(standard::kListCount))->text(), QStringLiteral("2"));
        QTest::keyClick(list, Qt::Key_Home);
        rig.fake.dialogs.inputs.push_back(QStringLiteral("44"));
        QTest::keyClick(list, Qt::Key_F2);
        QCOMPARE(rig.fake.dialogs.inputDefaults, QStringList{QStringLiteral("11")});
        QCOMPARE(list->item(0)->text(), QStringLiteral("44"));
        // The buttons themselves by Tab and Space.
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Home);
        remove->setFocus(Qt::TabFocusReason);
        QTest::keyClick(remove, Qt::Key_Space);
        QCOMPARE(list->count(), 1);
    }

    // The Options window's double-click commands from the keyboard.
    void optionCommandsFromTheKeyboard() {
        Rig rig;
        rig.fake.music.SetFileName(QStringLiteral("/music/song.mp3"));
        auto* options = new frmOption(rig.fake.services, rig.frame);
        rig.window.reset(options);
        options->show();
        QApplication::setActiveWindow(options);
        QVERIFY(QTest::qWaitForWindowActive(options));
        auto* file = options->findChild<QLineEdit*>(QStringLiteral("BackText1"));
        QCOMPARE(file->text(), QStringLiteral("/music/song.mp3"));
        file->setFocus(Qt::TabFocusReason);
        QTest::keyClick(file, Qt::Key_Delete);  // as a double click: the music stops
        QCOMPARE(file->text(), QString());
        QCOMPARE(rig.fake.music.FileName(), QString());

        auto* states = options->findChild<QListWidget*>(QStringLiteral("BackFrame3List1"));
        states->setFocus(Qt::TabFocusReason);
        states->setCurrentRow(2);  // 最大化
        QTest::keyClick(states, Qt::Key_Return);
        QCOMPARE(rig.frame.frameStateCode(), 2);
    }

    // The canvas's right-click commands from the keyboard, and the picture
    // they export keeps the canvas's size in pixels at any screen scale.
    void plotCommandsFromTheKeyboard() {
        Rig rig;
        auto* maths = new Maths(rig.fake.services);
        rig.window.reset(maths);
        maths->show();
        QApplication::setActiveWindow(maths);
        QVERIFY(QTest::qWaitForWindowActive(maths));
        maths->selectTab(QLatin1String(maths::kPlotPage));
        PlotCanvas* plot = maths->plotCanvas();
        plot->setFocus(Qt::TabFocusReason);
        QVERIFY(plot->hasFocus());
        QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(rig.fake.clipboard.image.size(), QSize(365, 365));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("graph.png"));
        rig.fake.dialogs.saveFiles.push_back(path);
        QTest::keyClick(plot, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QImageReader(path).size(), QSize(365, 365));
        // The exported picture stays black on white whatever the palette.
        QCOMPARE(QImage(path).pixelColor(1, 1), QColor(Qt::white));
    }

    void resultListsFollowTheKeys() {
        Rig rig;
        auto* scientific = new Scientific(rig.fake.services);
        rig.window.reset(scientific);
        scientific->show();
        QApplication::setActiveWindow(scientific);
        QVERIFY(QTest::qWaitForWindowActive(scientific));
        TypeInto(scientific->findChild<QLineEdit*>(QLatin1String(scientific::kGoldbachInput)), QStringLiteral("100"));
        auto* start = scientific->findChild<QPushButton*>(QLatin1String(scientific::kGoldbachButton));
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Space);
        QTRY_COMPARE(scientific->findChild<QLineEdit*>(QLatin1String(scientific::kGoldbachCount))->text(), QStringLiteral("6"));
        auto* list = scientific->findChild<QListView*>(QLatin1String(scientific::kGoldbachList));
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(list->currentIndex().row(), 5);
        QCOMPARE(list->toolTip(), list->currentIndex().data().toString());
        QCOMPARE(scientific->statusText(), QString::fromUtf8("显示成立列表"));
    }

    // The toolbar icons and the Options window's close cross are drawn for
    // the pixels they get.
    void iconsAreSharpAtEveryScale() {
        for (const char* key : {"Standard", "Maths", "Chem", "Scientific", "Option", "Help", "About", "Close"}) {
            const QIcon icon = QLatin1String(key) == QLatin1String("Close") ? CloseIcon() : ToolbarIcon(QLatin1String(key));
            for (qreal ratio : {1.0, 1.5, 2.0}) {
                const QPixmap pm = icon.pixmap(QSize(24, 24), ratio);
                QCOMPARE(pm.size(), QSize(qRound(24 * ratio), qRound(24 * ratio)));
                QCOMPARE(pm.devicePixelRatio(), ratio);
            }
        }
    }

    // The canvas paints at the screen's device pixel ratio (run also with
    // QT_SCALE_FACTOR=2).
    void canvasesPaintAtTheDevicePixelRatio() {
        Rig rig;
        auto* maths = new Maths(rig.fake.services);
        rig.window.reset(maths);
        maths->show();
        QVERIFY(QTest::qWaitForWindowExposed(maths));
        maths->selectTab(QLatin1String(maths::kPlotPage));
        const qreal ratio = maths->devicePixelRatioF();
        const QPixmap shot = maths->plotCanvas()->grab();
        QCOMPARE(shot.devicePixelRatio(), ratio);
        QCOMPARE(shot.size(), maths->plotCanvas()->size() * ratio);
        QCOMPARE(maths->plotCanvas()->image().size(), QSize(365, 365));  // the default picture
    }

    // With a dark palette, as a dark desktop theme sets it, every result
    // face and the canvases stay readable. The windows were made under the
    // light palette: they follow the change.
    void darkPaletteKeepsEverythingLegible() {
        const QPalette before = QApplication::palette();
        Rig rig;
        auto* standard = new Standard(rig.fake.services);
        rig.window.reset(standard);
        auto* maths = new Maths(rig.fake.services);
        std::unique_ptr<QWidget> keepMaths(maths);
        QApplication::setPalette(DarkPalette());
        for (QWidget* window : {static_cast<QWidget*>(standard), static_cast<QWidget*>(maths)}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
                const QPalette p = field->palette();
                const double ratio = ContrastRatio(Of(p.color(QPalette::Text)), Of(p.color(QPalette::Base)));
                QVERIFY2(ratio >= 4.5, qPrintable(field->objectName() + QStringLiteral(": ") + QString::number(ratio)));
            }
        }
        auto* sum = standard->findChild<QLineEdit*>(QLatin1String(standard::kAddResult));
        // Apart from an input field's face (the button face is too close to it here).
        auto* input = standard->findChild<QLineEdit*>(QLatin1String(standard::kAddFirst));
        QVERIFY(ContrastRatio(Of(sum->palette().color(QPalette::Base)), Of(input->palette().color(QPalette::Base))) >=
                1.5);  // kFacesApart
        // The plot: dark face, axes lightened to read against it.
        maths->selectTab(QLatin1String(maths::kPlotPage));
        const QImage shot = maths->plotCanvas()->grab().toImage();
        const QColor face = shot.pixelColor(3, 3);
        QVERIFY(IsDark(Of(face)));
        int readable = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                readable += ContrastRatio(Of(shot.pixelColor(x, y)), Of(face)) >= 3.0;
        QVERIFY2(readable > 300, qPrintable(QString::number(readable)));  // axes, grid and labels show
        QApplication::setPalette(before);
    }

    // The About window on a dark face: its title (whose colours follow the
    // mouse) and its animated line read against it; its icon has the
    // screen's pixels.
    void aboutOnADarkFace() {
        const QPalette before = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        FakeServices fake;
        frmAbout about(fake.services);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* title = about.findChild<QLabel*>(QStringLiteral("lblTitle"));
        const Rgb8 face = Of(about.palette().color(QPalette::Window));
        QVERIFY(ContrastRatio(Of(title->palette().color(QPalette::WindowText)), face) >= 4.5);
        about.setLineColourValue(0);  // black: lightened on the dark face
        const QImage line = about.findChild<QWidget*>(QStringLiteral("Line1"))->grab().toImage();
        QVERIFY(ContrastRatio(Of(line.pixelColor(line.width() / 2, 0)), face) >= 3.0);
        const QPixmap icon = about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap();
        QCOMPARE(icon.devicePixelRatio(), about.devicePixelRatioF());
        QCOMPARE(icon.size(), QSize(32, 32) * about.devicePixelRatioF());
        if (const QString folder = qEnvironmentVariable("NUMORA_SHOTS"); !folder.isEmpty())
            about.grab().save(QStringLiteral("%1/frmAbout-dark-x%2.png").arg(folder).arg(about.devicePixelRatioF()));
        QApplication::setPalette(before);
    }

    // Pictures of every page of every window with the dark palette, for a
    // person to look at: only when NUMORA_SHOTS names a folder.
    void darkScreenshots() {
        const QString folder = qEnvironmentVariable("NUMORA_SHOTS");
        if (folder.isEmpty()) QSKIP("NUMORA_SHOTS is not set");
        QDir().mkpath(folder);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        for (const auto& [title, make] : Windows()) {
            Rig rig;
            rig.window.reset(make(rig));
            QWidget* w = rig.window.get();
            w->resize(w->sizeHint().expandedTo(QSize(640, 480)));
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            auto* tabs = w->findChild<QTabBar*>();
            for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
                if (tabs) tabs->setCurrentIndex(page);
                if (auto* maths = qobject_cast<Maths*>(w); maths && page == 3)
                    maths->findChild<QPushButton*>(QLatin1String(maths::kDrawButton))->click();
                QTest::qWait(50);
                const QString name = QStringLiteral("%1/%2-%3-dark-x%4.png")
                                         .arg(folder, QLatin1String(title))
                                         .arg(page)
                                         .arg(w->devicePixelRatioF());
                QVERIFY(w->grab().save(name));
            }
        }
        QApplication::setPalette(before);
    }
};

int main(int argc, char** argv) {
    numora::testing::PrepareQtTestProcess();
    QByteArray folder = QDir::tempPath().toLocal8Bit() + "/numora-a11y-tests-XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    chmod(folder.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", folder);
    qputenv("XDG_CONFIG_HOME", folder + "/config");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    AccessibilityTest test;
    const int failed = QTest::qExec(&test, numora::testing::QtTestArguments(argc, argv));
    QDir(QString::fromLocal8Bit(folder)).removeRecursively();
    return failed;
}

#include "AccessibilityTest.moc"
