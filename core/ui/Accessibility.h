// What assistive technology (a screen reader through the accessibility
// bridge) learns about a window's controls. Each window keeps a table from
// control name to accessible name (and, where the status-bar hint does not
// say it, a description); one helper applies it.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace numora {

struct AccessibleText {
    QString control;      // objectName
    QString name;         // tells the control apart within its window
    QString description;  // empty: the control's status-bar hint, if any
};
using AccessibleTable = std::vector<AccessibleText>;

// Gives every control under `root` named in `table` its accessible name and
// description. A description left empty is taken from the window's hint
// table (the HintFilter installed under `root`), and follows later changes
// of that hint. Read-only text fields named in the table are result fields:
// each new text written into one is announced to assistive technology.
// Returns the table's controls that were not found (none in a finished window).
QStringList ApplyAccessibility(QWidget* root, const AccessibleTable& table);

// Announces the text of a result field written by a command. Qt's text
// fields send the change themselves (text-changed on the accessibility bus);
// this adds a value-change event for controls that have a value, and tells
// the listener below.
void AnnounceValue(QWidget* field, const QString& text);

// Also tells `listener` of every announcement (nullptr: nobody). The
// accessibility bridge only listens while a screen reader is running; this
// lets a window test hear the announcements without one.
using AnnouncementListener = void (*)(QWidget* field, const QString& text);
void SetAnnouncementListener(AnnouncementListener listener);

}  // namespace numora
