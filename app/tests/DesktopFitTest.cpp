// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on a small desktop and at the keyboard: every control can be
// reached by scrolling, result fields show their whole text, message boxes
// their whole title and text, Enter presses buttons, tab order follows the
// reading order, and Qt's own texts are Chinese.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "Chem.h"
#include "Desk.h"
#include "Fakes.h"
#include "FormHelpers.h"
#include "MainFrame.h"
#include "Maths.h"
#include "MathsControls.h"
#include "MessageDialog.h"
#include "Scientific.h"
#include "ScientificControls.h"
#include "Standard.h"
#include "StandardControls.h"
#include "ToolbarDialog.h"
#include "frmOption.h"
#include "PlotCanvas.h"
#include "QtTestMain.h"
#include "Utf8.h"

using namespace numora;
using numora::testing::Desk;
using numora::testing::FakeServices;

namespace {

const char* const kCalculators[] = {"Standard", "Maths", "Chem", "Scientific"};

QScrollArea* ScrollerOf(QWidget* content) {
    for (QWidget* w = content->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w)) return area;
    return nullptr;
}

// The pages of a window: the stacked pages, or the window itself.
QList<QWidget*> Pages(QWidget* window) {
    QList<QWidget*> pages;
    if (auto* stack = window->findChild<QStackedWidget*>()) {
        for (int i = 0; i < stack->count(); ++i) pages << stack->widget(i);
    } else {
        pages << window;
    }
    return pages;
}

void ShowPage(QWidget* window, int index) {
    if (auto* tabs = window->findChild<QTabBar*>()) tabs->setCurrentIndex(index);
    QApplication::processEvents();
}

bool Inside(const QWidget* w, const QWidget* ancestor) {
    for (; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

// The named controls of a page that Tab stops at, in focus-chain order.
QStringList TabStops(QWidget* page) {
    QStringList names;
    QWidget* start = page;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (!Inside(w, page) || !w->isVisibleTo(page) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        names << w->objectName();
    }
    return names;
}

}  // namespace

class DesktopFitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { InstallQtChineseTranslations(); }

    // ---- Every control reachable ------------------------------------------

    void everyControlReachable_data() {
        QTest::addColumn<QSize>("frameSize");
        // The frame maximized on 1024x768 at 150 % and 200 % scaling (in
        // device-independent pixels, less the desktop's panel), and the
        // frame's own normal state of 7680 x 5475 twips.
        QTest::newRow("1024x768 at 150%") << QSize(683, 490);
        QTest::newRow("1024x768 at 200%") << QSize(512, 360);
        QTest::newRow("normal state") << QSize(512, 365);
    }

    void everyControlReachable() {
        QFETCH(QSize, frameSize);
        Desk desk(frameSize);
        QMdiArea* mdi = desk.frame->mdiArea();
        for (const char* name : kCalculators) {
            QWidget* window = desk.open(QLatin1String(name));
            QVERIFY(window);
            QMdiSubWindow* sub = desk.frame->childWindow(QLatin1String(name));
            // It starts at a size that fits the client area, title bar
            // and close box on screen.
            const QSize view = mdi->viewport()->size();
            QVERIFY2(QRect(QPoint(0, 0), view).contains(sub->geometry()), name);
            // Moved partly beyond the client area, it is kept inside it.
            sub->move(view.width() / 2, view.height() / 2);
            QApplication::processEvents();
            QVERIFY2(QRect(QPoint(0, 0), view).contains(sub->geometry()), name);

            // Maximized, or smaller than its content, the window scrolls its
            // content to every control.
            for (bool maximized : {true, false}) {
                if (maximized) {
                    sub->showMaximized();
                } else {
                    sub->showNormal();
                    sub->resize(260, 200);
                }
                QApplication::processEvents();
                QScrollArea* scroller = ScrollerOf(window);
                QVERIFY(scroller);
                // The content keeps the room its layout asks for.
                QVERIFY(window->width() >= window->minimumSizeHint().width());
                QVERIFY(window->height() >= window->minimumSizeHint().height());
                const QList<QWidget*> pages = Pages(window);
                for (int i = 0; i < pages.size(); ++i) {
                    ShowPage(window, i);
                    for (QWidget* control : window->findChildren<QWidget*>()) {
                        if (!control->isVisibleTo(window) || control->focusPolicy() == Qt::NoFocus) continue;
                        if (control->objectName().startsWith(QLatin1String("qt_"))) continue;
                        // Scrolled to the whole control (ensureWidgetVisible
                        // shows only a field's cursor), first inside a part
                        // of the page that scrolls on its own (the plotter's
                        // controls beside its canvas).
                        for (QWidget* w = control->parentWidget(); w && w != window; w = w->parentWidget()) {
                            auto* inner = qobject_cast<QScrollArea*>(w);
                            if (!inner || !inner->widget() || !inner->widget()->isAncestorOf(control)) continue;
                            const QPoint c = control->mapTo(inner->widget(), control->rect().center());
                            inner->ensureVisible(c.x(), c.y(), control->width() / 2 + 1, control->height() / 2 + 1);
                        }
                        const QPoint centre = control->mapTo(window, control->rect().center());
                        scroller->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1,
                                                control->height() / 2 + 1);
                        QApplication::processEvents();
                        const QRect at(control->mapTo(scroller->viewport(), QPoint(0, 0)), control->size());
                        const QRect shown = scroller->viewport()->rect();
                        const QString what = QStringLiteral("%1 %2 at %3,%4 in %5x%6")
                                                 .arg(QLatin1String(name), control->objectName())
                                                 .arg(at.x()).arg(at.y()).arg(shown.width()).arg(shown.height());
                        // Whole when it fits, else its top left corner.
                        if (at.width() <= shown.width() && at.height() <= shown.height())
                            QVERIFY2(shown.contains(at), qPrintable(what));
                        else
                            QVERIFY2(shown.intersects(at), qPrintable(what));
                    }
                }
            }
            desk.frame->unloadChild(QLatin1String(name));
        }
    }

    // ---- Result fields ------------------------------------------------------
    // A result shows from its start; a long one scrolls inside its box and
    // is whole in the box's tool tip and when copied.

    void resultWholeInToolTipAndCopy_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("typed");  // field, text, field, text...
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cube sum") << "Maths" << maths::kFormulaPage
                                  << QStringList{maths::kFormulaA, "123456789", maths::kFormulaB,
                                                 "987654321"}
                                  << maths::kFormulaButtons[3].control << maths::kFormulaResult
                                  << "9.65300005065285E+26";
        QTest::newRow("molarity") << "Chem" << ""
                                  << QStringList{"ChemFrame1Frame4Text1", "1", "ChemFrame1Frame4Text2", "3"}
                                  << "ChemFrame1Frame4cmd1" << "ChemFrame1Frame4Text3"
                                  << "0.333333333333333mol/L";
        QTest::newRow("quotient") << "Standard" << standard::kFullPage
                                  << QStringList{standard::kDividend, "-2", standard::kDivisor, "3"} << standard::kDivideButton
                                  << standard::kQuotient << "-0.666666666666667";
        QTest::newRow("root") << "Standard" << standard::kFullPage << QStringList{standard::kRadicand, "2", standard::kRootIndex, "7"}
                              << standard::kRootButton << standard::kRootResult << "1.10408951367381";
        QTest::newRow("quadratic") << "Maths" << maths::kEquationPage
                                   << QStringList{maths::kQuadraticBoxes[0], "3", maths::kQuadraticBoxes[1], "7",
                                                  maths::kQuadraticBoxes[2], "-1"}
                                   << maths::kQuadraticButton << maths::kQuadraticX1
                                   << "0.135041612651109";
    }

    void resultWholeInToolTipAndCopy() {
        QFETCH(QString, window);
        QFETCH(QString, tab);
        QFETCH(QStringList, typed);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        Desk desk(QSize(640, 357), Desk::Sized::ClientArea);  // the smallest desktop: 1280x900 at 200 %
        QWidget* w = desk.open(window);
        if (!tab.isEmpty()) {
            if (auto* s = qobject_cast<Standard*>(w)) s->selectTab(tab);
            if (auto* m = qobject_cast<Maths*>(w)) m->selectTab(tab);
        }
        for (int i = 0; i + 1 < typed.size(); i += 2) w->findChild<QLineEdit*>(typed[i])->setText(typed[i + 1]);
        auto* field = w->findChild<QLineEdit*>(result);
        w->findChild<QPushButton*>(button)->click();
        QApplication::processEvents();
        QCOMPARE(field->text(), expected);
        QCOMPARE(field->cursorPosition(), 0);  // shown from its start
        // The tool tip shows it whole (some windows refresh it on hover).
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field, &enter);
        QCOMPARE(field->toolTip(), expected);
        field->selectAll();
        field->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        // A box shows a number's first digits at least.
        QVERIFY(field->width() >= field->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000")));
    }

    // ---- Message boxes ----------------------------------------------------------

    void messageBoxShowsWholeTitleAndText_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("short error") << U("Numora错误报告") << U("除数不能为0");
        QString formula;
        for (int i = 1; formula.size() < 120; ++i) formula += QString::number(i * 7) + QLatin1Char('+');
        formula += QStringLiteral("1");
        QTest::newRow("long formula") << U("Numora计算结果")
                                      << formula + QStringLiteral("=12345\n\n") + U("计算结果已经粘贴入剪贴板");
        QTest::newRow("one unbroken run") << U("Numora计算结果") << QString(300, QLatin1Char('9'));
    }

    void messageBoxShowsWholeTitleAndText() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        MessageDialog box(nullptr, text, title, MessageIcon::Information, MsgButtons::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.width() >= MessageDialog::TitleBarWidth(title, box.font()));
        // Nothing lost, only line breaks added, and every line shown whole.
        QString joined = box.shownText();
        QCOMPARE(joined.remove(QLatin1Char('\n')), QString(text).remove(QLatin1Char('\n')));
        QVERIFY(box.shownText().endsWith(text.section(QLatin1Char('\n'), -1).right(5)));
        auto* label = box.findChild<QLabel*>(QStringLiteral("MessageText"));
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->height() >= label->sizeHint().height());
        for (const QString& line : box.shownText().split(QLatin1Char('\n')))
            QVERIFY(label->fontMetrics().horizontalAdvance(line) <= label->width());
        QVERIFY(box.width() <= 700);
    }

    // A formula far longer than the screen (1+2+…+2500, 300 terms): the box
    // stays on the screen with the result line and 确定 in it; the formula
    // is shortened in the middle, whole in its tool tip and under Ctrl+C.
    void longMessageStaysOnScreen_data() {
        QTest::addColumn<int>("terms");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("300 terms") << 300 << 1;
        QTest::newRow("2500 terms") << 2500 << 1;
        QTest::newRow("many short paragraphs") << 0 << 400;
    }
    void longMessageStaysOnScreen() {
        QFETCH(int, terms);
        QFETCH(int, paragraphs);
        QString formula;
        for (int i = 1; i <= terms; ++i) formula += (i > 1 ? QStringLiteral("+") : QString()) + QString::number(i);
        const QString result = QString::number(qint64(terms) * (terms + 1) / 2);
        QString text = terms ? formula + QLatin1Char('=') + result : QString();
        for (int i = 0; i < paragraphs; ++i) text += QStringLiteral("\n%1").arg(i);
        text += QStringLiteral("\n\n") + U("计算结果已经粘贴入剪贴板");
        MessageDialog box(nullptr, text, U("Numora计算结果"), MessageIcon::Information, MsgButtons::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QRect screen = box.screen()->availableGeometry();
        QVERIFY2(box.frameGeometry().height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(box.frameGeometry().height()).arg(screen.height())));
        QVERIFY(box.width() <= screen.width());
        auto* ok = box.findChild<QDialogButtonBox*>(QStringLiteral("MessageButtons"))->buttons().front();
        QVERIFY(QRect(QPoint(0, 0), box.size()).contains(QRect(ok->mapTo(&box, QPoint(0, 0)), ok->size())));
        QCOMPARE(box.wholeText(), text);
        if (terms) {
            // The result and the note stay in the shown text.
            QVERIFY2(QString(box.shownText()).remove(QLatin1Char('\n')).contains(QLatin1Char('=') + result),
                     qPrintable(box.shownText().right(80)));
            QVERIFY(box.shownText().endsWith(U("计算结果已经粘贴入剪贴板")));
            // Not in a scrolled part: all of it is seen at once.
            QVERIFY(!box.findChild<QScrollArea*>(QStringLiteral("MessageScroller")));
        }
        auto* label = box.findChild<QLabel*>(QStringLiteral("MessageText"));
        if (QString(box.shownText()).remove(QLatin1Char('\n')) != QString(text).remove(QLatin1Char('\n')))
            QCOMPARE(label->toolTip(), text);  // shortened: whole in the tool tip
        if (terms >= 2500) QVERIFY(box.shownText().contains(QStringLiteral("…")));
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text);
    }

    void messageBoxKeys() {
        {
            MessageDialog box(nullptr, U("确实要执行复位命令吗?"), QStringLiteral("Numora"), MessageIcon::Information,
                              MsgButtons::OkCancel, MsgAnswer::Cancel);
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(box.answer(), MsgAnswer::Cancel);
        }
        {
            MessageDialog box(nullptr, U("表达式错误"), U("Numora错误报告"), MessageIcon::Stop, MsgButtons::Ok);
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(box.answer(), MsgAnswer::Ok);
            QVERIFY(!box.isVisible());
        }
        {
            MessageDialog box(nullptr, U("现在要重新启动Numora吗?"), QStringLiteral("Numora"), MessageIcon::Information,
                              MsgButtons::YesNoCancel);
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QCOMPARE(box.answer(), MsgAnswer::Cancel);
        }
    }

    // ---- Keyboard -----------------------------------------------------------------

    void enterPressesFocusedButton() {
        Desk desk(QSize(1280, 900));
        QWidget* w = desk.open(QStringLiteral("Standard"));
        desk.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desk.frame.get()));
        w->findChild<QLineEdit*>(standard::kSubtractFirst)->setText("7");
        w->findChild<QLineEdit*>(standard::kSubtractSecond)->setText("2");
        auto* button = w->findChild<QPushButton*>(standard::kSubtractButton);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(w->findChild<QLineEdit*>(standard::kSubtractResult)->text(), QStringLiteral("5"));
        // Enter in a field runs its frame's command.
        auto* second = w->findChild<QLineEdit*>(standard::kAddSecond);
        w->findChild<QLineEdit*>(standard::kAddFirst)->setText("2");
        second->setText("3");
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w->findChild<QLineEdit*>(standard::kAddResult)->text(), QStringLiteral("5"));
        // A result field and a list are left alone.
        QVERIFY(!EnterCommandOf(w, nullptr));
    }

    void enterInFieldRunsFrameCommand_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("button");
        const char* const rows[][3] = {
            {"Standard", standard::kAddFirst, standard::kAddButton},
            {"Standard", standard::kDivisor, standard::kDivideButton},
            {"Standard", standard::kPowerExponent, standard::kPowerButton},
            {"Standard", standard::kRootIndex, standard::kRootButton},
            {"Standard", standard::kLogBase, standard::kLogButton},
            {"Standard", standard::kFactorialInput, standard::kFactorialButton},
            {"Standard", standard::kQuickSecond, ""},  // the input frame: the user picks the operation
            {"Standard", standard::kPairSecond, standard::kPairButton},
            {"Scientific", scientific::kGoldbachInput, scientific::kGoldbachButton},
            {"Scientific", scientific::kFactorInput, scientific::kFactorButton},
            {"Maths", maths::kQuadraticBoxes[2], maths::kQuadraticButton},
            {"Maths", maths::kAngle, maths::kTrigButtons[0].control},
            {"Maths", maths::kSketchRight, maths::kSketchSine},
            {"Maths", maths::kFormulaB, maths::kFormulaButtons[0].control},
            {"Chem", "ChemFrame1Frame4Text2", "ChemFrame1Frame4cmd1"},
            {"Chem", "ChemFrame1Frame5Text4", "ChemFrame1Frame5cmd1"},
            {"frmOption", "UserText1", ""},  // no command of its own: nothing
        };
        for (const auto& row : rows)
            QTest::newRow(row[1]) << QString(row[0]) << QString(row[1]) << QString(row[2]);
    }

    void enterInFieldRunsFrameCommand() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, button);
        Desk desk(QSize(1280, 900));
        QWidget* w = desk.open(window);
        auto* edit = w->findChild<QLineEdit*>(field);
        QVERIFY2(edit, qPrintable(field));
        QPushButton* target = EnterCommandOf(w, edit);
        QCOMPARE(target ? target->objectName() : QString(), button);
    }

    void sketchKeepsFocus() {
        Desk desk(QSize(1280, 900));
        auto* maths = qobject_cast<Maths*>(desk.open(QStringLiteral("Maths")));
        maths->selectTab(QLatin1String(maths::kTrigPage));
        desk.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desk.frame.get()));
        auto* sine = maths->findChild<QPushButton*>(maths::kSketchSine);
        sine->setFocus();
        QVERIFY(sine->hasFocus());
        QTest::keyClick(sine, Qt::Key_Return);
        QTRY_VERIFY(sine->isEnabled());
        QCOMPARE(QApplication::focusWidget(), sine);
        QVERIFY(maths->sketchCanvas()->lineCount() > 0);
    }

    // ---- Chinese throughout ---------------------------------------------------------

    void qtTextsInChinese() {
        QVERIFY(InstallQtChineseTranslations());
        auto han = [](const QString& text) {
            for (QChar c : text)
                if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
            return false;
        };
        QLineEdit field(QStringLiteral("12"));
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList captions;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) captions << action->text();
        QVERIFY(!captions.isEmpty());
        for (const QString& caption : captions) QVERIFY2(han(caption), qPrintable(caption));

        QFileDialog dialog(nullptr, U("选择背景音乐"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
            auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label && han(label->text()), name);
        }
        auto* box = dialog.findChild<QDialogButtonBox*>();
        for (QAbstractButton* b : box->buttons()) QVERIFY2(han(b->text()), qPrintable(b->text()));
    }

    // ---- The toolbar's customisation ---------------------------------------------------

    void toolbarDialogDefinesTheBar() {
        FakeServices fakes;
        fakes.settings.WriteSetting("Checks", "BarCus", "1");
        QStringList chosen;
        {
            MainFrame frame(fakes.services);
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QCOMPARE(frame.toolbarKeys(), MainFrame::standardToolbarKeys());
            QToolBar* bar = frame.toolBar();
            QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
            auto* dialog = frame.findChild<ToolbarDialog*>();
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(dialog->windowTitle(), U("自定义工具栏"));
            auto* list = dialog->findChild<QListWidget*>("ToolbarList");
            QCOMPARE(list->count(), 7);
            list->item(5)->setCheckState(Qt::Unchecked);  // Help
            list->setCurrentRow(6);                        // About to the top
            for (int i = 0; i < 6; ++i) dialog->findChild<QPushButton*>("ToolbarUp")->click();
            dialog->findChild<QPushButton*>("ToolbarOk")->click();
            chosen = QStringList{"About", "Standard", "Maths", "Chem", "Scientific", "Option"};
            QCOMPARE(frame.toolbarKeys(), chosen);
            QCOMPARE(fakes.settings.ReadSetting("Settings", "ToolBarButtons", ""), chosen.join(','));
        }
        {
            MainFrame frame(fakes.services);  // restored at start
            QCOMPARE(frame.toolbarKeys(), chosen);
            QDialog* dialog = frame.customizeToolbar();
            dialog->findChild<QPushButton*>("ToolbarReset")->click();
            QCOMPARE(static_cast<ToolbarDialog*>(dialog)->chosenKeys(), MainFrame::standardToolbarKeys());
            dialog->findChild<QPushButton*>("ToolbarCancel")->click();
            QCOMPARE(frame.toolbarKeys(), chosen);  // cancelled: unchanged
        }
        fakes.settings.WriteSetting("Checks", "BarCus", "0");
        {
            MainFrame frame(fakes.services);
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QToolBar* bar = frame.toolBar();
            QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
            QVERIFY(!frame.findChild<ToolbarDialog*>());  // not allowed: no dialog
        }
        fakes.settings.EraseAllSettings();  // the Options reset
        MainFrame fresh(fakes.services);
        QCOMPARE(fresh.toolbarKeys(), MainFrame::standardToolbarKeys());
    }

    void toolbarKeysFromTheStore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("order kept") << "Help,Standard" << QStringList{"Help", "Standard"};
        QTest::newRow("unknown and repeated skipped") << "Maths,Calc,Maths, About" << QStringList{"Maths", "About"};
        QTest::newRow("none") << "" << QStringList{};
    }

    void toolbarKeysFromTheStore() {
        QFETCH(QString, stored);
        QFETCH(QStringList, shown);
        FakeServices fakes;
        fakes.settings.WriteSetting("Settings", "ToolBarButtons", stored);
        MainFrame frame(fakes.services);
        QCOMPARE(frame.toolbarKeys(), shown);
    }

    // ---- Tab order -------------------------------------------------------------------

    void tabOrderFollowsReading_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("order");
        // Left to right, top to bottom; a frame's inputs before its button.
        const char* const rows[][3] = {
            {"Standard", standard::kFullPage,
             "CommonAddText1 CommonAddText2 CommonAddText3 Commoncmd1 "
             "CommonReduceText1 CommonReduceText2 CommonReduceText3 Commoncmd2 "
             "CommonMultiplyText1 CommonMultiplyText2 CommonMultiplyText3 Commoncmd3 "
             "CommonChuText1 CommonChuText2 CommonChuText5 CommonChuText3 CommonChuText4 Commoncmd4 "
             "CommonPowerText1 CommonPowerText2 CommonPowerText3 Commoncmd6 "
             "CommonKaiText4 CommonKaiText1 CommonKaiText2 CommonKaiText3 Commoncmd7 CommonKaiSolution "
             "CommonLogText2 CommonLogText1 CommonLogText3 Commoncmd8 "
             "CommonFactorialText1 CommonFactorialText2 Commoncmd9"},
            {"Standard", standard::kQuickPage,
             "CommonSimpleFrame1Text1 CommonSimpleFrame1Text2 CommonSimpleFrame2cmd1 CommonSimpleFrame2cmd2 "
             "CommonSimpleFrame2cmd3 CommonSimpleFrame2cmd4 CommonSimpleFrame2cmd5 CommonSimpleFrame2cmd6 "
             "CommonSimpleFrame2cmd7 CommonSimpleFrame2Text1"},
            {"Standard", standard::kLargePage,
             "LargeStopcmd LargeText1 LargeText2 LargeOption1 LargeOption2 LargeOption3 LargeOption4 LargeOption5 "
             "Largecmd1 LargeText3 LargeText3Se LargeLenText1 "
             "LargeText4 Largecmd2 LargeList1 Largecmd3 Largecmd5 Largecmd6 Largecmd4 LargeText6 LargeText5 "
             "LargeLenText2"},
            {"Maths", maths::kEquationPage,
             "MathsEquationFrame1Text1 MathsEquationFrame1Text2 MathsEquationFrame1Text3 MathsEquationFrame1cmd1 "
             "MathsEquationFrame1Solution MathsEquationFrame1Text4 MathsEquationFrame1Text5 "
             "MathsEquationFrame2Text1 MathsEquationFrame2Text2 MathsEquationFrame2Text3 MathsEquationFrame2Text4 "
             "MathsEquationFrame2Text5 MathsEquationFrame2Text6 MathsEquationFrame2cmd1 MathsEquationFrame2Solution MathsEquationFrame2Text7 "
             "MathsEquationFrame2Text8 "
             "MathsEquationFrame3Text1 MathsEquationFrame3Text2 MathsEquationFrame3Text3 MathsEquationFrame3Text4 "
             "MathsEquationFrame3Text5 MathsEquationFrame3Text6 MathsEquationFrame3Text7 MathsEquationFrame3Text8 "
             "MathsEquationFrame3Text9 MathsEquationFrame3Text10 MathsEquationFrame3Text11 "
             "MathsEquationFrame3Text12 MathsEquationFrame3cmd1 MathsEquationFrame3Solution MathsEquationFrame3Text13 "
             "MathsEquationFrame3Text14 MathsEquationFrame3Text15"},
            {"Maths", maths::kTrigPage,
             "MathsTriFText1 MathsTriFOption1 MathsTriFOption2 MathsTriFcmd1 MathsTriFcmd2 MathsTriFcmd3 "
             "MathsTriFcmd4 MathsTriFcmd5 MathsTriFcmd6 MathsTriFText2 MathsTriFSolution "
             "MathsTriFDrawerText1 MathsTriFDrawerText2 MathsTriFDrawercmd1 MathsTriFDrawercmd2 "
             "MathsTriFDrawercmd4 MathsTriFDrawercmd3 MathsTriFDrawerBox1"},
            {"Maths", maths::kFormulaPage,
             "MathsMultiplicationText1 MathsMultiplicationText2 MathsMultiplicationText3 MathsMultiplicationcmd1 "
             "MathsMultiplicationcmd2 MathsMultiplicationcmd3 MathsMultiplicationcmd4 MathsMultiplicationcmd5"},
            {"Maths", maths::kPlotPage,
             "MathsFunctionShapeBox1 MathsFunctionShapeCombo1 MathsFunctionShapeFrame1Text1 MathsFunctionShapeFrame1Text2 "
             "MathsFunctionShapeFrame1Slider1 MathsFunctionShapeFrame1Slider1Min MathsFunctionShapeFrame1Slider1Max "
             "MathsFunctionShapeFrame1Slider1Step MathsFunctionShapeFrame1Slider2 MathsFunctionShapeFrame1Slider2Min "
             "MathsFunctionShapeFrame1Slider2Max MathsFunctionShapeFrame1Slider2Step MathsFunctionShapeSlidersCombo1 "
             "MathsFunctionShapeSlidersCombo2 MathsFunctionShapeSliderscmd1 "
             "MathsFunctionShapecmd1 MathsFunctionShapeList1 MathsFunctionShapeListcmd1 "
             "MathsFunctionShapeOptionText1 MathsFunctionShapeOptionText2 "
             "MathsFunctionShapeOptionText3 MathsFunctionShapeOptionText4 MathsFunctionShapeOptionText5 "
             "MathsFunctionShapecmd2 MathsFunctionShapeExploreText1 MathsFunctionShapeExplorecmd1 "
             "MathsFunctionShapeExploreText2 MathsFunctionShapeExploreText3 MathsFunctionShapeExploreCheck1 "
             "MathsFunctionShapeExplorecmd2 MathsFunctionShapeExplorecmd3 MathsFunctionShapeExplorecmd4"},
            {"Chem", "Chem",
             "TabStrip ChemFrame1Frame1Option1 ChemFrame1Frame1Option2 ChemFrame1Frame1Option3 "
             "ChemFrame1Frame2Text1 ChemFrame1Frame2Text2 ChemFrame1Frame2Text3 ChemFrame1Frame2cmd1 "
             "ChemFrame1Frame2cmd2 ChemFrame1Frame2Text4 ChemFrame1Frame2Solution "
             "ChemFrame1Frame3Text1 ChemFrame1Frame3Text2 ChemFrame1Frame3Text3 ChemFrame1Frame3cmd1 "
             "ChemFrame1Frame3Text4 ChemFrame1Frame3Solution "
             "ChemFrame1Frame4Text1 ChemFrame1Frame4Text2 ChemFrame1Frame4cmd1 ChemFrame1Frame4Text3 ChemFrame1Frame4Solution "
             "ChemFrame1Frame5Text1 ChemFrame1Frame5Text2 ChemFrame1Frame5Text3 ChemFrame1Frame5Option1 "
             "ChemFrame1Frame5Option2 ChemFrame1Frame5Text4 ChemFrame1Frame5cmd1 ChemFrame1Frame5Solution"},
            {"Scientific", scientific::kGoldbachPage, "GdbhFrame1Text1 GdbhFrame1cmd1 GdbhStopcmd GdbhFrame3List1 GdbhFrame3Text1"},
            {"Scientific", scientific::kFactorPage,
             "FactorizationFrame1Text1 FactorizationFrame1cmd1 FactorStopcmd FactorizationFrame1Solution FactorizationFrame2List1 "
             "FactorizationFrame2Text1"},
            {"Scientific", scientific::kMersennePage, "MosunniFrame1List1 MosunniFrame1Text1 MosunniFrame1Text2 Mosunnicmd1 Mosunnicmd2"},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QString("%1 %2").arg(row[0], row[1]))) << QString(row[0]) << QString(row[1])
                                                                            << QString(row[2]);
    }

    void tabOrderFollowsReading() {
        QFETCH(QString, window);
        QFETCH(QString, page);
        QFETCH(QString, order);
        Desk desk(QSize(1280, 900));
        QWidget* w = desk.open(window);
        const QList<QWidget*> pages = Pages(w);
        int index = -1;
        for (int i = 0; i < pages.size(); ++i)
            if (pages[i]->objectName() == page) index = i;
        QVERIFY(index >= 0);
        ShowPage(w, index);
        QCOMPARE(TabStops(pages[index]).join(QLatin1Char(' ')), order);
    }
};

NUMORA_QTEST_MAIN(DesktopFitTest)
#include "DesktopFitTest.moc"
