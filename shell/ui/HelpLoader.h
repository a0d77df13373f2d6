// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// HelpLoader: puts the help document into the frame's own help window
// without holding up the windows. The file (at most kMaxHelpBytes of it) is
// read and converted on a thread of its own, with the bounded conversion of
// HelpText.h; the blocks then go into the window's document a slice at a
// time, each slice well within the 50 ms a window may take to answer. A
// document cut at the conversion's limits ends with a line that says so.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QTextBrowser;
class QThread;

namespace numora {

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
    struct Job;
    HelpLoader(QTextBrowser* viewer, const QString& path);
    void converted();
    void fillSlice();

    QPointer<QTextBrowser> viewer_;
    std::shared_ptr<Job> job_;
    QThread* thread_ = nullptr;
    std::size_t next_ = 0;  // the next block to put in
    bool listOpen_ = false;
    bool finished_ = false;
};

}  // namespace numora
