// numora: the desktop calculator suite. Builds the real services and shows
// the main frame.
#include <QApplication>
#include <QFont>
#include <QIcon>

#include "MainFrame.h"
#include "Maths.h"
#include "Scientific.h"
#include "Services.h"
#include "SettingsStore.h"
#include "Standard.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Numora"));
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QStringLiteral("1.8.0"));
    QApplication::setDesktopFileName(QStringLiteral("numora"));
    // Ask for the Simplified Chinese face by name: left to the font fallback,
    // the shared Han characters come out in their Japanese forms.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), font.family()});
    QApplication::setFont(font);

    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/numora-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // The frame ends the run itself (it may sit hidden in the tray).
    QApplication::setQuitOnLastWindowClosed(false);

    numora::QtSettingsStore settings;
    numora::QtDialogs dialogs;
    numora::QtLauncher launcher;
    numora::SilentMusicPlayer music;
    numora::QtClipboard clipboard;
    numora::Services services{settings, dialogs, launcher, music, clipboard};

    // The start-up window is not there yet: the frame is shown directly and
    // the running flag set here, and cleared when the run ends.
    settings.WriteSetting(QStringLiteral("Settings"), QStringLiteral("LoadAlready"),
                          numora::TruthText(true));
    numora::MainFrame frame(services);
    numora::Standard::Register(frame);
    numora::Maths::Register(frame);
    numora::Scientific::Register(frame);
    QObject::connect(&frame, &numora::MainFrame::unloaded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    frame.show();
    const int code = QApplication::exec();
    settings.WriteSetting(QStringLiteral("Settings"), QStringLiteral("LoadAlready"),
                          numora::TruthText(false));
    return code;
}
