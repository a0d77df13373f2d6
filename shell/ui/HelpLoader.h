// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// HelpLoader: puts the help document into the frame's own help window
// without holding up the windows. The file (at most kMaxHelpBytes of it) is
// read and converted as a long job (JobRunner.h), with the bounded
// conversion of HelpText.h; the blocks then go into the window's document a
// slice at a time on the window thread (a document belongs to its window's
// thread), each slice well within a frame. A document cut at the
// conversion's limits ends with a line that says so. A load given up (the
// window closes, another document is loaded) ends its conversion at once.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QTextBrowser;

namespace numora {

class JobRunner;
struct HelpDocument;

class HelpLoader : public QObject {
    Q_OBJECT

public:
    // The longest part of the document that is read.
    static constexpr qint64 kMaxHelpBytes = qint64{16} << 20;
    // The longest a slice of filling the window's document takes.
    static constexpr int kSliceMs = 10;

    // Starts showing the document at `path` in `viewer`, in place of what it
    // shows (and of a load still under way). The loader belongs to the viewer.
    static HelpLoader* Load(QTextBrowser* viewer, const QString& path);
    ~HelpLoader() override;

    bool isFinished() const { return finished_; }

    // The texts the window shows of a document it cannot read, and after a
    // document that goes on beyond what it shows.
    static QString UnreadableText();
    static QString CutText();

signals:
    // The whole document is in the window.
    void finished();

private:
    HelpLoader(QTextBrowser* viewer, const QString& path);
    void converted();
    void fillSlice();

    QPointer<QTextBrowser> viewer_;
    JobRunner* job_ = nullptr;
    std::shared_ptr<HelpDocument> document_;  // null when the file cannot be read
    std::size_t next_ = 0;  // the next block to put in
    bool listOpen_ = false;
    bool finished_ = false;
};

}  // namespace numora
