// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListExport.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QDir>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

#include "JobRunner.h"
#include "SaveFile.h"
#include "Services.h"

namespace numora {

namespace {

// The menu items: object name, caption (the accessible name), hint (shown
// in the window's status bar while the item is highlighted, and its tool tip).
struct MenuItem {
    const char* name;
    const char* caption;
    const char* hint;
};
const MenuItem kMenuItems[] = {
    {"ListCopy", "复制(&C)", "复制列表中选中的行"},
    {"ListSelectAll", "全选(&A)", "选中列表中的全部行"},
    {"ListCopyAll", "全部复制(&L)", "复制列表中的全部行"},
    {"ListSave", "保存为文本文件(&S)…", "把列表中的全部行保存为文本文件(UTF-8编码，每行一项)"},
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Lines handed on at a time: about a megabyte of text.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

// Rows [first, last], in order, without overlaps.
using Rows = std::vector<std::pair<std::size_t, std::size_t>>;

// The display texts of any model, taken at once (the short lists).
class TextLines final : public ListLines {
public:
    explicit TextLines(const QAbstractItemModel& model) {
        const int rows = model.rowCount();
        lines_.reserve(static_cast<std::size_t>(rows));
        for (int row = 0; row < rows; ++row) lines_.push_back(model.index(row, 0).data().toString().toStdString());
    }
    std::size_t count() const override { return lines_.size(); }
    void append(std::size_t row, std::string& out) const override { out += lines_[row]; }

private:
    std::vector<std::string> lines_;
};

// Walks the lines of `rows`, handing whole lines on in chunks to `sink`
// (false from the sink stops the walk and is returned), each line followed
// by "\n" (`terminated`) or the lines joined by "\n".
template <typename Sink>
bool WalkLines(const ListLines& lines, const Rows& rows, bool terminated, Sink sink) {
    std::string chunk;
    chunk.reserve(kChunkBytes + 256);
    bool first = true;
    for (const auto& [from, to] : rows) {
        for (std::size_t row = from; row <= to; ++row) {
            if (!first && !terminated) chunk += '\n';
            first = false;
            lines.append(row, chunk);
            if (terminated) chunk += '\n';
            if (chunk.size() >= kChunkBytes) {
                if (!sink(chunk)) return false;
                chunk.clear();
            }
        }
    }
    return chunk.empty() || sink(chunk);
}

// The rows of a selection, in order, merged.
Rows SelectedRows(const QItemSelection& selection, std::size_t count) {
    Rows rows;
    for (const QItemSelectionRange& range : selection) {
        if (range.top() < 0 || static_cast<std::size_t>(range.top()) >= count) continue;
        rows.emplace_back(range.top(), std::min<std::size_t>(range.bottom(), count - 1));
    }
    std::sort(rows.begin(), rows.end());
    Rows merged;
    for (const auto& r : rows) {
        if (!merged.empty() && r.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, r.second);
        else
            merged.push_back(r);
    }
    return merged;
}

}  // namespace

ListExport::ListExport(QAbstractItemView* view, Services& services, const QString& fileName,
                       std::function<void(const QString&)> showHint)
    : QObject(view), view_(view), services_(services), fileName_(fileName), showHint_(std::move(showHint)) {
    job_ = new JobRunner(this, QStringLiteral("ListExportJob"));
}

bool ListExport::busy() const { return job_->running(); }

ListExport* ListExport::Install(QAbstractItemView* view, Services& services, const QString& fileName,
                                std::function<void(const QString&)> showHint) {
    auto* exporter = new ListExport(view, services, fileName, std::move(showHint));
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setContextMenuPolicy(Qt::DefaultContextMenu);
    view->installEventFilter(exporter);
    view->viewport()->installEventFilter(exporter);
    return exporter;
}

std::shared_ptr<const ListLines> ListExport::snapshot() const {
    if (const auto* source = dynamic_cast<const ListLineSource*>(view_->model())) return source->lineSnapshot();
    return std::make_shared<TextLines>(*view_->model());
}

std::unique_ptr<QMenu> ListExport::makeMenu(QWidget* parent) {
    auto menu = std::make_unique<QMenu>(parent);
    const bool any = view_->model() && view_->model()->rowCount() > 0;
    const bool selected = view_->selectionModel() && view_->selectionModel()->hasSelection();
    const std::pair<void (ListExport::*)(), QKeySequence> commands[] = {
        {&ListExport::copySelection, QKeySequence::Copy},
        {&ListExport::selectAll, QKeySequence::SelectAll},
        {&ListExport::copyAll, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {&ListExport::save, QKeySequence::Save},
    };
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        const MenuItem& item = kMenuItems[i];
        QAction* action = menu->addAction(U(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(commands[i].second);
        action->setStatusTip(U(item.hint));
        action->setToolTip(U(item.hint));
        // A copy or save waits for the one under way.
        action->setEnabled((i == 0 ? selected : any) && (i == 1 || !busy()));
        connect(action, &QAction::triggered, this, commands[i].first);
    }
    menu->setToolTipsVisible(true);
    if (showHint_) connect(menu.get(), &QMenu::hovered, this, [this](QAction* a) { showHint_(a->statusTip()); });
    return menu;
}

void ListExport::showMenu(const QPoint& globalPos) {
    // A child of the list (a pop-up needs its window, on Wayland above all);
    // gone already when the window closed while the menu was open.
    const QPointer<QMenu> menu = makeMenu(view_).release();
    menu->exec(globalPos);
    delete menu.data();
}

bool ListExport::eventFilter(QObject* watched, QEvent* event) {
    const auto command = [](QKeyEvent* key) -> void (ListExport::*)() {
        if (key->matches(QKeySequence::Copy)) return &ListExport::copySelection;
        if (key->matches(QKeySequence::SelectAll)) return &ListExport::selectAll;
        if (key->matches(QKeySequence::Save)) return &ListExport::save;
        if (key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C)) return &ListExport::copyAll;
        return nullptr;
    };
    switch (event->type()) {
        case QEvent::ShortcutOverride:  // the list's keys before any window shortcut
            if (command(static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (auto run = command(static_cast<QKeyEvent*>(event))) {
                (this->*run)();
                return true;
            }
            break;
        case QEvent::ContextMenu: {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            QPoint at = menuEvent->globalPos();
            if (menuEvent->reason() != QContextMenuEvent::Mouse) {
                // From the keyboard: at the current line, or the list's corner.
                const QRect line = view_->visualRect(view_->currentIndex());
                at = view_->viewport()->mapToGlobal(line.isValid() ? line.bottomLeft() : QPoint(0, 0));
            }
            showMenu(at);
            return true;
        }
        default: break;
    }
    (void)watched;
    return false;
}

void ListExport::selectAll() { view_->selectAll(); }

void ListExport::copySelection() { copyRows(true); }

void ListExport::copyAll() { copyRows(false); }

void ListExport::copyRows(bool selectedOnly) {
    if (!view_->model() || busy()) return;
    const std::shared_ptr<const ListLines> lines = snapshot();
    const std::size_t count = lines->count();
    const Rows rows = selectedOnly ? SelectedRows(view_->selectionModel()->selection(), count)
                                   : (count ? Rows{{0, count - 1}} : Rows{});
    if (rows.empty()) return;  // nothing to copy: the clipboard keeps what it has
    // The text is made from the snapshot on the job's thread; the clipboard
    // gets it when it is whole.
    auto text = std::make_shared<QString>();
    job_->start<QString>(
        [lines, rows](JobChannel<QString>& channel) {
            std::vector<std::string> chunks;
            std::size_t bytes = 0;
            const bool whole = WalkLines(*lines, rows, false, [&](const std::string& chunk) {
                if (channel.cancelled()) return false;
                chunks.push_back(chunk);
                bytes += chunk.size();
                return true;
            });
            if (!whole) return;
            QString joined;
            joined.reserve(static_cast<qsizetype>(bytes));
            for (std::string& chunk : chunks) {
                if (channel.cancelled()) return;
                joined += QString::fromUtf8(chunk.data(), static_cast<qsizetype>(chunk.size()));
                std::string().swap(chunk);
            }
            channel.send(std::move(joined));
        },
        [text](std::vector<QString>& texts) { *text = std::move(texts.back()); },
        [this, text](JobRunner::End end, const QString&) {
            if (end == JobRunner::End::Finished) services_.clipboard.SetText(*text);
            emit done();
        });
}

void ListExport::save() {
    if (!view_->model() || view_->model()->rowCount() == 0 || busy()) return;
    saveAs(QDir::home().filePath(fileName_));
}

// The dialog, then the file written as a job; a file that could not be
// written gets the message that says why, and the dialog opens again on
// its name.
void ListExport::saveAs(const QString& suggested) {
    const SaveRequest request{U("保存为文本文件"), U("文本文件 (*.txt);;所有文件 (*)"), suggested, U("保存文件失败：")};
    const QString path = services_.dialogs.SaveFileName(view_, request.title, request.filter, request.suggested);
    if (path.isEmpty()) return;
    const std::shared_ptr<const ListLines> lines = snapshot();
    auto saved = std::make_shared<WriteResult>();
    job_->start<WriteResult>(
        [lines, name = QFile::encodeName(path).toStdString()](JobChannel<WriteResult>& channel) {
            // Whole or not at all: a failure, or a save given up, leaves what
            // stood under the name.
            FileWriter file(name);
            const Rows all = lines->count() ? Rows{{0, lines->count() - 1}} : Rows{};
            WalkLines(*lines, all, true, [&](const std::string& chunk) { return !channel.cancelled() && file.Write(chunk); });
            if (channel.cancelled()) return;  // the temporary file goes with the writer
            channel.send(file.Commit());
        },
        [saved](std::vector<WriteResult>& results) { *saved = results.back(); },
        [this, saved, path, request](JobRunner::End end, const QString&) {
            if (end == JobRunner::End::Failed) *saved = FailedWrite(ENOMEM);  // the writing itself failed
            if (end != JobRunner::End::Cancelled && !saved->ok()) {
                services_.dialogs.Message(view_, SaveFailedText(request.failurePrefix, path, *saved),
                                          U("Numora错误报告"), MsgIcon::Exclamation, MsgButtons::Ok);
                saveAs(path);  // another folder or name, starting from this one
                if (busy()) return;
            }
            emit done();
        });
}

}  // namespace numora
