// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frmOption: load from the store and the player, every control and the
// setting it writes, the window-state list, the name box, the music file
// dialog, the volume formula, and the reset with each answer.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "Fakes.h"
#include "MainFrame.h"
#include "ShellTest.h"
#include "frmOption.h"

using namespace numora;
using numora::testing::FakeServices;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The main frame and the Options window over fake services.
struct Rig {
    FakeServices fake;
    MainFrame frame{fake.services};
    std::unique_ptr<frmOption> window;

    frmOption& open() {
        window = std::make_unique<frmOption>(fake.services, frame);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qWarning("Options window not exposed");
        return *window;
    }
    template <class T> T* get(const QString& name) { return window->findChild<T*>(name); }
    QString stored(const char* section, const char* key) { return fake.settings.ReadSetting(section, key, "-"); }
    void showTab(const QString& key) {
        auto* tabs = get<QTabBar>("TabStrip");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabData(i).toString() == key) QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2)); }
};

void TypeText(QWidget* field, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A double click as the mouse makes it: press, release, double click, release.
void DoubleClick(QWidget* w, QPoint pos) {
    QTest::mouseClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

bool Topmost(const MainFrame& frame) { return frame.windowFlags() & Qt::WindowStaysOnTopHint; }

}  // namespace

class OptionTest : public QObject {
    Q_OBJECT

private slots:
    void firstLoad();
    void loadFromStore_data();
    void loadFromStore();
    void tabsShowTheirPage();
    void checkBoxes_data();
    void checkBoxes();
    void volumeSlider_data();
    void volumeSlider();
    void windowStateList_data();
    void windowStateList();
    void nameBox();
    void musicDialog_data();
    void musicDialog();
    void doubleClickStopsMusic();
    void reset_data();
    void reset();
    void closeButtonUnloadsFromFrame();
};

void OptionTest::firstLoad() {
    Rig rig;
    frmOption& window = rig.open();
    QCOMPARE(window.windowTitle(), U("选项"));
    QCOMPARE(rig.get<QLineEdit>("UserText1")->text(), U("匿名"));
    QCOMPARE(rig.get<QLineEdit>("UserText1")->maxLength(), 27);
    for (const char* box : {"BackCheck1", "BackCheck2", "BackCheck3", "BackCheck4", "BackCheck5", "TopCheck",
                            "SoftFrame1Check1"})
        QCOMPARE(rig.get<QCheckBox>(box)->isChecked(), QByteArray(box) == "BackCheck3");
    QCOMPARE(rig.get<QSlider>("BackSlider1")->value(), 15);  // full volume
    QCOMPARE(rig.fake.music.Volume(), 0);
    QCOMPARE(window.currentTab(), QStringLiteral("Back"));
    QVERIFY(rig.get<QWidget>("Back")->isVisible() && !rig.get<QWidget>("Soft")->isVisible());
    QCOMPARE(rig.get<QListWidget>("BackFrame3List1")->count(), 4);
    QCOMPARE(frmOption::WindowStateEntries(),
             (QStringList{U("普通"), U("最小化(非任务栏图标)"), U("最大化"), U("恢复到初始化状态")}));
    // Loading runs the check boxes' and the slider's actions, which store; the
    // name and the self-test switch are only read.
    QMap<QString, QString> expected{{"Checks/Mute", "0"},   {"Checks/HotBar", "0"}, {"Checks/Appearance", "1"},
                                    {"Checks/MusicStartWhileApply", "0"}, {"Checks/BarCus", "0"},
                                    {"Checks/AlwaysTop", "0"}, {"Sliders/Value", "15"}};
    QMap<QString, QString> written = rig.fake.settings.values();
    written.remove("Settings/LoadAlready");  // the frame's own
    QCOMPARE(written, expected);
}

void OptionTest::loadFromStore_data() {
    QTest::addColumn<QStringList>("stored");  // "Section/Key=value"
    QTest::addColumn<int>("playerVolume");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("shown");      // check state, slider position or text
    QTest::addColumn<int>("effect");          // 0 none, 1 hot toolbar, 2 flat toolbar, 3 customisable, 4 topmost, 5 muted

    QTest::newRow("mute") << QStringList{"Checks/Mute=1"} << 0 << "BackCheck1" << QVariant(true) << 5;
    QTest::newRow("hot toolbar") << QStringList{"Checks/HotBar=1"} << 0 << "BackCheck2" << QVariant(true) << 1;
    QTest::newRow("flat toolbar") << QStringList{"Checks/Appearance=0"} << 0 << "BackCheck3" << QVariant(false) << 2;
    QTest::newRow("customisable") << QStringList{"Checks/BarCus=1"} << 0 << "BackCheck5" << QVariant(true) << 3;
    QTest::newRow("always on top") << QStringList{"Checks/AlwaysTop=1"} << 0 << "TopCheck" << QVariant(true) << 4;
    QTest::newRow("autoplay") << QStringList{"Checks/MusicStartWhileApply=1"} << 0 << "BackCheck4" << QVariant(true) << 0;
    QTest::newRow("skip self-test") << QStringList{"Checks/ExamOK=1"} << 0 << "SoftFrame1Check1" << QVariant(true) << 0;
    QTest::newRow("self-test value 2") << QStringList{"Checks/ExamOK=2"} << 0 << "SoftFrame1Check1" << QVariant(false) << 0;
    QTest::newRow("stored position") << QStringList{"Sliders/Value=10"} << 0 << "BackSlider1" << QVariant(10) << 0;
    QTest::newRow("position rounds") << QStringList{"Sliders/Value=6.6"} << 0 << "BackSlider1" << QVariant(7) << 0;
    QTest::newRow("position beyond the scale") << QStringList{"Sliders/Value=1e30"} << 0 << "BackSlider1" << QVariant(15) << 0;
    QTest::newRow("unreadable position") << QStringList{"Sliders/Value=x"} << -500 << "BackSlider1" << QVariant(10) << 0;
    QTest::newRow("position from volume") << QStringList{} << -500 << "BackSlider1" << QVariant(10) << 0;
    QTest::newRow("volume below the scale") << QStringList{} << -3000 << "BackSlider1" << QVariant(0) << 0;
    QTest::newRow("name") << QStringList{U("Texts/Name=张三")} << 0 << "UserText1" << QVariant(U("张三")) << 0;
    QTest::newRow("empty name") << QStringList{"Texts/Name="} << 0 << "UserText1" << QVariant(QString()) << 0;
}

void OptionTest::loadFromStore() {
    QFETCH(QStringList, stored);
    QFETCH(int, playerVolume);
    QFETCH(QString, control);
    QFETCH(QVariant, shown);
    QFETCH(int, effect);
    Rig rig;
    for (const QString& s : stored) {
        const QStringList kv = s.split('='), sk = kv[0].split('/');
        rig.fake.settings.WriteSetting(sk[0], sk[1], kv[1]);
    }
    const QMap<QString, QString> before = rig.fake.settings.values();
    rig.fake.music.SetVolume(playerVolume);
    rig.open();
    QWidget* w = rig.get<QWidget>(control);
    if (auto* box = qobject_cast<QCheckBox*>(w)) QCOMPARE(box->isChecked(), shown.toBool());
    if (auto* slider = qobject_cast<QSlider*>(w)) {
        QCOMPARE(slider->value(), shown.toInt());
        QCOMPARE(rig.fake.music.Volume(), frmOption::VolumeOfPosition(shown.toInt()));
        QCOMPARE(rig.stored("Sliders", "Value"), shown.toString());
    }
    if (auto* field = qobject_cast<QLineEdit*>(w)) QCOMPARE(field->text(), shown.toString());
    QCOMPARE(rig.frame.toolbarStyle(), effect == 1 ? 1 : 0);
    QCOMPARE(rig.frame.toolbarAppearance(), effect == 2 ? 0 : 1);
    QCOMPARE(rig.frame.toolbarCustomizable(), effect == 3);
    QCOMPARE(Topmost(rig.frame), effect == 4);
    QCOMPARE(rig.fake.music.Muted(), effect == 5);
    QCOMPARE(rig.get<QSlider>("BackSlider1")->isEnabled(), effect != 5);
    // The self-test switch is read, never rewritten by loading.
    QCOMPARE(rig.stored("Checks", "ExamOK"), before.value("Checks/ExamOK", "-"));
}

void OptionTest::tabsShowTheirPage() {
    Rig rig;
    frmOption& window = rig.open();
    for (const QString key : {"Soft", "User", "Back"}) {
        rig.showTab(key);
        QCOMPARE(window.currentTab(), key);
        for (const QString page : {"Back", "Soft", "User"})
            QCOMPARE(rig.get<QWidget>(page)->isVisible(), page == key);
    }
}

void OptionTest::checkBoxes_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("initially");
    QTest::addColumn<int>("effect");  // as in loadFromStore, effect when checked

    QTest::newRow("hot style") << "Back" << "BackCheck2" << "HotBar" << false << 1;
    QTest::newRow("3-D look") << "Back" << "BackCheck3" << "Appearance" << true << 2;
    QTest::newRow("customise") << "Back" << "BackCheck5" << "BarCus" << false << 3;
    QTest::newRow("always on top") << "Back" << "TopCheck" << "AlwaysTop" << false << 4;
    QTest::newRow("mute") << "Back" << "BackCheck1" << "Mute" << false << 5;
    QTest::newRow("autoplay") << "Back" << "BackCheck4" << "MusicStartWhileApply" << false << 0;
    QTest::newRow("skip self-test") << "Soft" << "SoftFrame1Check1" << "ExamOK" << false << 0;
}

void OptionTest::checkBoxes() {
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(QString, key);
    QFETCH(bool, initially);
    QFETCH(int, effect);
    Rig rig;
    rig.open();
    rig.showTab(page);
    auto* box = rig.get<QCheckBox>(control);
    QCOMPARE(box->isChecked(), initially);
    const std::function<bool()> effects[] = {
        [] { return false; },
        [&] { return rig.frame.toolbarStyle() == 1; },
        [&] { return rig.frame.toolbarAppearance() == 0; },
        [&] { return rig.frame.toolbarCustomizable(); },
        [&] { return Topmost(rig.frame); },
        [&] { return rig.fake.music.Muted() && !rig.get<QSlider>("BackSlider1")->isEnabled(); },
    };
    // effect == 2 is the flat toolbar, i.e. the box unchecked.
    const auto acting = [&](bool checked) { return effect != 0 && (effect == 2 ? !checked : checked); };
    for (bool checked : {!initially, initially}) {
        rig.click(box);
        QCOMPARE(box->isChecked(), checked);
        QCOMPARE(rig.stored("Checks", key.toLatin1()), checked ? "1" : "0");
        QCOMPARE(effects[effect](), acting(checked));
    }
}

void OptionTest::volumeSlider_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("volume");
    QTest::newRow("0") << 0 << -900;
    QTest::newRow("5") << 5 << -800;
    QTest::newRow("7") << 7 << -704;
    QTest::newRow("10") << 10 << -500;
    QTest::newRow("14") << 14 << -116;
    QTest::newRow("15") << 15 << 0;
}

void OptionTest::volumeSlider() {
    QFETCH(int, position);
    QFETCH(int, volume);
    Rig rig;
    rig.open();
    auto* slider = rig.get<QSlider>("BackSlider1");
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 15);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    for (int i = 0; i < position; ++i) QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(slider->value(), position);
    QCOMPARE(rig.fake.music.Volume(), volume);
    QCOMPARE(rig.stored("Sliders", "Value"), QString::number(position));
    // The default position for a volume with no stored position leads back.
    QCOMPARE(frmOption::PositionOfVolume(volume), position);
}

void OptionTest::windowStateList_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("storedState");  // "" = absent
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("stored");   // MainLeft 1500, MainTop 3000, MainWidth 9000, MainHeight 6000
    QTest::addColumn<QRect>("geometry");  // for the normal state

    const QRect storedRect(100, 200, 600, 400), defaults(67, 67, 512, 365);
    QTest::newRow("normal from maximized") << U("普通") << "2" << 2 << 0 << true << storedRect;
    QTest::newRow("normal, defaults") << U("普通") << "" << 2 << 0 << false << defaults;
    QTest::newRow("normal from minimized") << U("普通") << "" << 1 << 0 << true << storedRect;
    QTest::newRow("minimized") << U("最小化(非任务栏图标)") << "0" << 0 << 1 << true << QRect();
    QTest::newRow("maximized") << U("最大化") << "0" << 0 << 2 << true << QRect();
    QTest::newRow("initial, nothing stored") << U("恢复到初始化状态") << "" << 0 << 2 << true << QRect();
    QTest::newRow("initial minimized") << U("恢复到初始化状态") << "1" << 0 << 1 << true << QRect();
    QTest::newRow("initial unknown state") << U("恢复到初始化状态") << "9" << 0 << 2 << true << QRect();
    QTest::newRow("initial normal") << U("恢复到初始化状态") << "0" << 2 << 0 << true << storedRect;
    QTest::newRow("initial normal, defaults") << U("恢复到初始化状态") << "0" << 2 << 0 << false << defaults;
}

void OptionTest::windowStateList() {
    QFETCH(QString, entry);
    QFETCH(QString, storedState);
    QFETCH(int, before);
    QFETCH(int, state);
    QFETCH(bool, stored);
    QFETCH(QRect, geometry);
    FakeServices fake;
    MainFrame frame(fake.services);
    frame.setFrameStateCode(before);
    if (!storedState.isEmpty()) fake.settings.WriteSetting("Settings", "MainState", storedState);
    const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    const char* values[] = {"1500", "3000", "9000", "6000"};
    for (int i = 0; i < 4; ++i)
        if (stored) fake.settings.WriteSetting("Settings", keys[i], values[i]);
    frmOption window(fake.services, frame);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = window.findChild<QListWidget*>("BackFrame3List1");
    const auto items = list->findItems(entry, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    DoubleClick(list->viewport(), list->visualItemRect(items[0]).center());
    QCOMPARE(frame.frameStateCode(), state);
    if (state == 0) QCOMPARE(QRect(frame.pos(), frame.size()), geometry);
}

void OptionTest::nameBox() {
    Rig rig;
    rig.open();
    rig.showTab("User");
    auto* name = rig.get<QLineEdit>("UserText1");
    QVERIFY(!rig.fake.settings.contains("Texts", "Name"));
    QTest::mouseClick(name, Qt::LeftButton);  // the focus selects the whole name
    QTRY_COMPARE(name->selectedText(), U("匿名"));
    TypeText(name, U("王"));
    QCOMPARE(name->text(), U("王"));
    QCOMPARE(rig.stored("Texts", "Name"), U("王"));
    TypeText(name, U("小明"));
    QCOMPARE(rig.stored("Texts", "Name"), U("王小明"));
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(rig.stored("Texts", "Name"), U("王小"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(rig.stored("Texts", "Name"), QString());  // an emptied box stores the empty name
    TypeText(name, QString(30, QChar(u'名')));
    QCOMPARE(name->text(), QString(27, QChar(u'名')));
    QCOMPARE(rig.stored("Texts", "Name"), QString(27, QChar(u'名')));
}

void OptionTest::musicDialog_data() {
    QTest::addColumn<QString>("chosen");  // empty: the dialog is cancelled
    QTest::addColumn<QString>("playerFile");
    QTest::addColumn<QString>("storedFile");
    QTest::newRow("chosen") << U("/home/u/音乐/歌.mp3") << "/m/a.wav" << "/m/b.wav";
    QTest::newRow("cancelled stores the shown name") << QString() << "/m/a.wav" << "/m/b.wav";
    QTest::newRow("cancelled with nothing shown") << QString() << QString() << "/m/b.wav";
}

void OptionTest::musicDialog() {
    QFETCH(QString, chosen);
    QFETCH(QString, playerFile);
    QFETCH(QString, storedFile);
    Rig rig;
    rig.fake.settings.WriteSetting("Texts", "FileName", storedFile);
    rig.fake.settings.WriteSetting("Sliders", "Value", "10");
    rig.fake.music.SetFileName(playerFile);
    rig.fake.music.Play();
    rig.fake.dialogs.files.push_back(chosen);
    const QString status = rig.frame.simpleText();
    rig.open();
    QCOMPARE(rig.get<QLineEdit>("BackText1")->text(), playerFile);
    rig.fake.music.SetVolume(0);
    QTest::mouseClick(rig.get<QPushButton>("Backcmd1"), Qt::LeftButton);

    QCOMPARE(rig.fake.dialogs.fileTitles, QStringList{U("选择背景音乐")});
    QCOMPARE(rig.fake.dialogs.fileFilters,
             QStringList{QStringLiteral("*.mp3 (*.mp3);;*.wav (*.wav);;*.mid,*.midi (*.mid *.midi)")});
    const QString now = chosen.isEmpty() ? playerFile : chosen;
    QCOMPARE(rig.get<QLineEdit>("BackText1")->text(), now);
    QCOMPARE(rig.fake.music.FileName(), now);
    QCOMPARE(rig.fake.music.playing(), !now.isEmpty());
    QCOMPARE(rig.stored("Texts", "FileName"), now);
    QCOMPARE(rig.fake.music.Volume(), chosen.isEmpty() ? 0 : -500);  // the slider's volume for a new file
    QCOMPARE(rig.frame.simpleText(), chosen.isEmpty() ? status : U("Numora -- Kestrane (背景音乐:") + chosen + ")");
}

void OptionTest::doubleClickStopsMusic() {
    Rig rig;
    rig.fake.settings.WriteSetting("Texts", "FileName", "/m/a.mid");
    rig.fake.music.SetFileName("/m/a.mid");
    rig.fake.music.Play();
    rig.open();
    rig.frame.setSimpleText(U("Numora -- Kestrane (背景音乐:/m/a.mid)"));
    auto* box = rig.get<QLineEdit>("BackText1");
    DoubleClick(box, box->rect().center());
    QCOMPARE(rig.fake.music.FileName(), QString());
    QVERIFY(!rig.fake.music.playing());
    QCOMPARE(box->text(), QString());
    QCOMPARE(rig.frame.simpleText(), QStringLiteral("Numora -- Kestrane"));
    QCOMPARE(rig.stored("Texts", "FileName"), QStringLiteral("/m/a.mid"));  // a later autoplay plays it again
}

void OptionTest::reset_data() {
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QString>("clean");  // "-": nothing erased
    QTest::addColumn<bool>("quits");
    QTest::newRow("first question cancelled") << QList<MsgAnswer>{MsgAnswer::Cancel} << "-" << false;
    QTest::newRow("restart") << QList<MsgAnswer>{MsgAnswer::Ok, MsgAnswer::Yes} << "1" << true;
    QTest::newRow("quit") << QList<MsgAnswer>{MsgAnswer::Ok, MsgAnswer::No} << "2" << true;
    QTest::newRow("keep working") << QList<MsgAnswer>{MsgAnswer::Ok, MsgAnswer::Cancel} << "3" << false;
}

void OptionTest::reset() {
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QString, clean);
    QFETCH(bool, quits);
    FakeServices fake;
    fake.settings.WriteSetting("Texts", "Name", U("张三"));
    MainFrame frame(fake.services);
    numora::testing::RegisterChild(frame, QStringLiteral("frmOption"),
                                   [](Services& s, MainFrame& f) -> QWidget* { return new frmOption(s, f); });
    frame.show();
    frame.toggleChild("frmOption");
    QPointer<QWidget> window = frame.child("frmOption");
    QVERIFY(qobject_cast<frmOption*>(window));
    static_cast<frmOption*>(window.data())->selectTab("Soft");
    QSignalSpy unloaded(&frame, &MainFrame::unloaded);
    for (MsgAnswer a : answers) fake.dialogs.answers.push_back(a);
    QTest::mouseClick(window->findChild<QPushButton*>("SoftFrame2cmd1"), Qt::LeftButton);

    const auto& asked = fake.dialogs.messages;
    QCOMPARE(asked.size(), answers.size());
    QCOMPARE(asked[0].text, U("确实要执行复位命令吗?"));
    QCOMPARE(asked[0].buttons, MsgButtons::OkCancel);
    QCOMPARE(asked[0].defaultButton, std::optional<MsgAnswer>(MsgAnswer::Cancel));
    for (const auto& m : asked) {
        QCOMPARE(m.title, QStringLiteral("Numora"));
        QCOMPARE(m.icon, MsgIcon::Information);
    }
    if (asked.size() > 1) {
        QCOMPARE(asked[1].text, U("现在要重新启动Numora吗?\n单击“是”重新启动本程序，单击“否”退出本程序，"
                                  "单击“取消”程序继续工作。\n取消后有可能再次修改程序设置！"));
        QCOMPARE(asked[1].buttons, MsgButtons::YesNoCancel);
    }
    QCOMPARE(fake.settings.eraseCount(), clean == "-" ? 0 : 1);
    QCOMPARE(fake.settings.ReadSetting("Settings", "Clean", "-"), clean);
    QCOMPARE(unloaded.count(), quits ? 1 : 0);
    if (clean == "3") QCOMPARE(fake.settings.values().keys(), QStringList{"Settings/Clean"});
    if (clean == "-") QCOMPARE(fake.settings.ReadSetting("Texts", "Name", ""), U("张三"));
    if (quits) QTRY_VERIFY(window.isNull());  // quitting unloads the Options window too
    else QVERIFY(window && window->isVisible());
}

void OptionTest::closeButtonUnloadsFromFrame() {
    FakeServices fake;
    MainFrame frame(fake.services);
    numora::testing::RegisterChild(frame, QStringLiteral("frmOption"),
                                   [](Services& s, MainFrame& f) -> QWidget* { return new frmOption(s, f); });
    frame.show();
    frame.toggleChild("frmOption");
    QVERIFY(frame.menuItem("mnuOptionOption")->isChecked());
    QPointer<QWidget> window = frame.child("frmOption");
    QTest::mouseClick(window->findChild<QToolButton*>("Close"), Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
    QVERIFY(!frame.menuItem("mnuOptionOption")->isChecked() && !frame.menuItem("mnuRightOption")->isChecked());
    QVERIFY(fake.settings.contains("Settings", "OptionLeft"));
}

NUMORA_SHELL_TEST(OptionTest);

#include "OptionTest.moc"
