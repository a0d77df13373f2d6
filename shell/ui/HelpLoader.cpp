// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTimer>

#include "HelpText.h"
#include "JobRunner.h"

namespace numora {

namespace {
// The layout work of a batch of blocks, counted in bytes of text, a block
// counting as some bytes of its own: a batch lays out in a few milliseconds.
constexpr std::size_t kBatchWeight = 4000;
constexpr std::size_t kBlockWeight = 40;
}  // namespace

HelpLoader* HelpLoader::Load(QTextBrowser* viewer, const QString& path) {
    for (HelpLoader* earlier : viewer->findChildren<HelpLoader*>(QString(), Qt::FindDirectChildrenOnly))
        delete earlier;
    return new HelpLoader(viewer, path);
}

HelpLoader::HelpLoader(QTextBrowser* viewer, const QString& path) : QObject(viewer), viewer_(viewer) {
    setObjectName(QStringLiteral("HelpLoader"));
    viewer->document()->clear();
    job_ = new JobRunner(this, QStringLiteral("HelpJob"));
    using Document = std::shared_ptr<HelpDocument>;
    job_->start<Document>(
        [path](JobChannel<Document>& channel) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) return;
            const QByteArray rtf = file.read(kMaxHelpBytes);
            if (channel.cancelled()) return;
            channel.send(std::make_shared<HelpDocument>(ConvertHelp(
                std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())), {}, &channel.cancelFlag())));
        },
        [this](std::vector<Document>& documents) { document_ = std::move(documents.back()); },
        [this](JobRunner::End, const QString&) { converted(); });
}

// Destroying the runner gives up a conversion under way: it looks at the
// cancel flag often, and reading a file takes no longer.
HelpLoader::~HelpLoader() = default;

QString HelpLoader::UnreadableText() { return QString::fromUtf8("载入文件失败"); }

QString HelpLoader::CutText() { return QString::fromUtf8("……（帮助文档过长，其余部分没有显示。）"); }

void HelpLoader::converted() {
    if (!document_) {
        document_ = std::make_shared<HelpDocument>();
        document_->blocks.push_back({HelpBlock::Kind::Paragraph, UnreadableText().toStdString()});
    } else if (document_->cut) {
        document_->blocks.push_back({HelpBlock::Kind::Paragraph, CutText().toStdString()});
    }
    fillSlice();
}

// Blocks into the document for at most kSliceMs, then again once the window
// has answered its events.
void HelpLoader::fillSlice() {
    if (!viewer_) return;
    QTextDocument* document = viewer_->document();
    const std::vector<HelpBlock>& blocks = document_->blocks;
    QElapsedTimer clock;
    clock.start();
    // Blocks go in in small batches: the window's document is laid out once
    // per batch, when the batch's edit block ends, so the clock of the slice
    // counts the layout too and a slice stays short.
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    std::size_t batch = 0;
    cursor.beginEditBlock();
    const QFont font = viewer_->font();
    const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
    for (; next_ < blocks.size() && clock.elapsed() < kSliceMs; ++next_) {
        const HelpBlock& block = blocks[next_];
        QTextBlockFormat format;
        QTextCharFormat characters;
        characters.setFontPointSize(size);
        format.setBottomMargin(size * 0.6);
        switch (block.kind) {
        case HelpBlock::Kind::Heading1:
            format.setHeadingLevel(1);
            format.setTopMargin(size);
            characters.setFontPointSize(size * 1.6);
            characters.setFontWeight(QFont::Bold);
            break;
        case HelpBlock::Kind::Heading2:
            format.setHeadingLevel(2);
            format.setTopMargin(size * 0.8);
            characters.setFontPointSize(size * 1.3);
            characters.setFontWeight(QFont::Bold);
            break;
        case HelpBlock::Kind::Item:
        case HelpBlock::Kind::Paragraph:
            break;
        }
        // The document's first block is there already.
        if (next_ == 0)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        if (block.kind == HelpBlock::Kind::Item) {
            if (!listOpen_) cursor.createList(QTextListFormat::ListDisc);
            else if (QTextList* list = cursor.block().previous().textList()) list->add(cursor.block());
        }
        listOpen_ = block.kind == HelpBlock::Kind::Item;
        QString text = QString::fromStdString(block.text);
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        cursor.insertText(text, characters);
        batch += block.text.size() + kBlockWeight;
        if (batch >= kBatchWeight) {
            cursor.endEditBlock();
            cursor.beginEditBlock();
            batch = 0;
        }
    }
    cursor.endEditBlock();
    if (next_ < blocks.size()) {
        QTimer::singleShot(0, this, &HelpLoader::fillSlice);
        return;
    }
    if (!finished_) {
        finished_ = true;
        emit finished();
    }
}

}  // namespace numora
