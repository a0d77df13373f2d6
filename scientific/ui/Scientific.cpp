// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Scientific.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "DesktopFit.h"
#include "FormHelpers.h"
#include "JobRunner.h"
#include "TabbedWindow.h"
#include "Outcome.h"
#include "Primes.h"
#include "Reflow.h"
#include "ScientificAccessibility.h"
#include "FieldLimit.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kTitle = "Numora - 科学性计算";
const char* const kStopped = "您已经中止计算,无法确定结果总数!";

const std::pair<const char*, const char*> kHints[] = {
    {"Scientific", kTitle},
    {"TabStrip", "科学性计算选项卡"},
    {"Gdbh", "歌德巴赫猜想"},
    {"GdbhFrame1", "歌德巴赫猜想 - 验证单个偶数"},
    {"GdbhFrame1cmd1", "开始验证"},
    {"GdbhStopcmd", "中止检验"},
    {"GdbhFrame3", "歌德巴赫猜想 - 显示验证结果"},
    {"GdbhFrame3List1", "显示成立列表"},
    {"GdbhFrame3Text1", "显示成立个数"},
    {"Factorization", "因数分解"},
    {"FactorizationFrame1", "编辑即将因数分解的数据"},
    {"FactorizationFrame1Text1", "输入数据"},
    {"FactorizationFrame1cmd1", "进行因数分解"},
    {"FactorStopcmd", "中止分解"},
    {"FactorizationFrame2", "数据因数分解后的结果(因数)"},
    {"FactorizationFrame2List1", "因数列表"},
    {"FactorizationFrame2Text1", "数据的因数个数"},
    {"Mosunni", "计算莫孙尼素数"},
    {"Mosunnicmd1", "开始计算莫孙尼素数"},
    {"Mosunnicmd2", "中止计算"},
    {"MosunniFrame1", "莫孙尼素数计算结果"},
    {"MosunniFrame1List1", "莫孙尼素数列表"},
    {"MosunniFrame1Text1", "莫孙尼素数总个数"},
    {"MosunniFrame1Text2", "计算莫孙尼素数中所检测到的最大数"},
};

QLineEdit* Box(const char* name, const char* text, int maxLength, bool result) {
    auto* box = new QLineEdit(U(text));
    box->setObjectName(QLatin1String(name));
    if (maxLength > 0) box->setMaxLength(maxLength);
    if (result) {
        box->setReadOnly(true);
        ResultFace(box);
    }
    return box;
}

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(U(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

QGroupBox* Frame(const char* name, const char* caption) {
    auto* frame = new QGroupBox(U(caption));
    frame->setObjectName(QLatin1String(name));
    return frame;
}

}  // namespace

// ---- The Goldbach list ----------------------------------------------------------

int GoldbachModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ps_.size());
}

QVariant GoldbachModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return line(index.row());
}

QString GoldbachModel::line(int row) const {
    return QString::fromStdString(scientific::GoldbachLine(n_, ps_[static_cast<std::size_t>(row)]));
}

namespace {

// A copy of the numbers p: four bytes a line.
class GoldbachLines final : public ListLines {
public:
    GoldbachLines(std::uint32_t n, std::vector<std::uint32_t> ps) : n_(n), ps_(std::move(ps)) {}
    std::size_t count() const override { return ps_.size(); }
    void append(std::size_t row, std::string& out) const override { scientific::AppendGoldbachLine(out, n_, ps_[row]); }

private:
    std::uint32_t n_;
    std::vector<std::uint32_t> ps_;
};

}  // namespace

std::shared_ptr<const ListLines> GoldbachModel::lineSnapshot() const { return std::make_shared<GoldbachLines>(n_, ps_); }

void GoldbachModel::reset(std::uint32_t n) {
    beginResetModel();
    n_ = n;
    ps_.clear();
    ps_.shrink_to_fit();
    endResetModel();
}

void GoldbachModel::append(const std::vector<std::vector<std::uint32_t>>& pieces) {
    std::size_t added = 0;
    for (const auto& ps : pieces) added += ps.size();
    if (added == 0) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(added) - 1);
    for (const auto& ps : pieces) ps_.insert(ps_.end(), ps.begin(), ps.end());
    endInsertRows();
}

// ---- The window ---------------------------------------------------------------

Scientific::Scientific(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("Scientific"));
    goldbachJob_ = new JobRunner(this, QStringLiteral("GdbhJob"));
    factorJob_ = new JobRunner(this, QStringLiteral("FactorJob"));
    mersenneJob_ = new JobRunner(this, QStringLiteral("MosunniJob"));
    setWindowTitle(U("科学性计算"));

    frame_ = new TabbedWindow(this, QStringLiteral("TabStrip"),
                              {{U("歌德巴赫猜想"), QStringLiteral("Gdbh"), U("证明歌德巴赫猜想"), buildGoldbachPage()},
                               {U("因数分解"), QStringLiteral("Factorization"), U("将数据因数分解"), buildFactorizationPage()},
                               {U("莫孙尼素数计算"), QStringLiteral("Mosunni"), U("在一定限度中列出莫孙尼素数"),
                                buildMersennePage()}},
                              U(kTitle));

    SelectAllOnFocusEverywhere(this);
    installHints();
    // Every result list can be copied and saved.
    const std::pair<const char*, const char*> lists[] = {
        {"GdbhFrame3List1", "歌德巴赫猜想.txt"}, {"FactorizationFrame2List1", "因数分解.txt"}, {"MosunniFrame1List1", "莫孙尼素数.txt"}};
    for (const auto& [list, file] : lists)
        ListExport::Install(findChild<QAbstractItemView*>(QLatin1String(list)), services_, U(file),
                            [this](const QString& hint) { setStatus(hint); });
    ApplyAccessibility(this, ScientificAccessibility());
    // Ten digits hold every number the tools take; more is beyond 2147483647.
    const QString tooLarge = U(scientific::kTooLarge);
    RefuseOverlongInput(this, services_.dialogs,
                        {{QStringLiteral("GdbhFrame1Text1"), tooLarge}, {QStringLiteral("FactorizationFrame1Text1"), tooLarge}});
    SensibleInputWidths(this);
    selectTab(QStringLiteral("Gdbh"));
    SetDefaultSize(this, 7200, 6600);
}

Scientific::~Scientific() = default;

void Scientific::installHints() {
    QHash<QString, QString> table;
    for (const auto& [control, hint] : kHints) table.insert(QLatin1String(control), U(hint));
    hints_ = frame_->installHints(table);
    // Over a result list the tool tip shows the selected entry.
    for (const char* name : {"GdbhFrame3List1", "FactorizationFrame2List1", "MosunniFrame1List1"}) {
        auto* list = findChild<QAbstractItemView*>(QLatin1String(name));
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        list->viewport()->setMouseTracking(true);
        // Moving through a list with the keys shows the same as the mouse does.
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, list, [this, list] {
            list->setToolTip(selectedLine(list));
            setStatus(hints_->hint(list->objectName()));
        });
    }
}

bool Scientific::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        QObject* list = watched->objectName().isEmpty() ? watched->parent() : watched;
        if (auto* view = qobject_cast<QAbstractItemView*>(list)) {
            view->setToolTip(selectedLine(view));
            setStatus(hints_->hint(view->objectName()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString Scientific::selectedLine(QObject* list) const {
    auto* view = qobject_cast<QAbstractItemView*>(list);
    if (!view || !view->selectionModel()) return {};
    // The current line when it is selected, else the first selected one (a
    // selection of millions of lines is looked at by its ranges only).
    const QItemSelectionModel* selection = view->selectionModel();
    if (selection->isSelected(view->currentIndex())) return view->currentIndex().data().toString();
    const QItemSelection ranges = selection->selection();
    return ranges.isEmpty() ? QString() : ranges.first().topLeft().data().toString();
}

QString Scientific::statusText() const { return frame_->status(); }

void Scientific::setStatus(const QString& text) { frame_->setStatus(text); }

void Scientific::selectTab(const QString& key) { frame_->select(key); }

void Scientific::closeEvent(QCloseEvent* event) {
    // Running tools end; nothing of them reaches the window any more.
    for (JobRunner* job : {goldbachJob_, factorJob_, mersenneJob_}) job->abandon();
    QWidget::closeEvent(event);
}

void Scientific::showStopMessage() {
    services_.dialogs.Message(this, U(kStopped), QStringLiteral("Numora"), MsgIcon::Information, MsgButtons::Ok);
}

// ---- Goldbach ------------------------------------------------------------------

QWidget* Scientific::buildGoldbachPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Gdbh"));
    auto* column = new QVBoxLayout(page);

    QGroupBox* input = Frame("GdbhFrame1", "验证当前偶数");
    auto* inputRow = new FlowLayout(input);
    // Ten characters: every even number the verification takes, to 2147483646.
    inputRow->addWidget(Box("GdbhFrame1Text1", "", 10, false));
    inputRow->newGroup();
    QPushButton* start = Button("GdbhFrame1cmd1", "证明并显示");
    connect(start, &QPushButton::clicked, this, &Scientific::runGoldbach);
    inputRow->addWidget(start);
    QPushButton* stop = Button("GdbhStopcmd", "停  止");
    // Only a running verification is stopped; it tells so when it ends.
    connect(stop, &QPushButton::clicked, goldbachJob_, &JobRunner::cancel);
    inputRow->addWidget(stop);
    column->addWidget(input);

    QGroupBox* results = Frame("GdbhFrame3", "证明结果");
    auto* resultColumn = new QVBoxLayout(results);
    goldbach_ = new GoldbachModel(this);
    goldbachList_ = new QListView;
    goldbachList_->setObjectName(QStringLiteral("GdbhFrame3List1"));
    goldbachList_->setModel(goldbach_);
    goldbachList_->setUniformItemSizes(true);  // millions of lines scroll smoothly
    // Laid out a batch of lines at a time: a full layout of millions of
    // lines in one go would keep the window from reacting for a tenth of a
    // second, again after every pause of a running search.
    goldbachList_->setLayoutMode(QListView::Batched);
    goldbachList_->setBatchSize(4096);
    goldbachList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultColumn->addWidget(goldbachList_, 1);
    resultColumn->addWidget(Captioned(U("成立个数"), Box("GdbhFrame3Text1", "0", 0, true)));
    column->addWidget(results, 1);

    auto* note = new QLabel(U("注：请不要在输入框中输入过大的数据!"));
    note->setObjectName(QStringLiteral("GdbhAnnotate"));
    column->addWidget(note);
    return page;
}

void Scientific::runGoldbach() {
    setStatus(U("正在计算......"));
    const auto check = scientific::CheckGoldbachInput(findChild<QLineEdit*>(QStringLiteral("GdbhFrame1Text1"))->text().toStdString());
    if (!check.refusal.empty()) {
        ApplyOutcome(this, Outcome::Error(check.refusal), services_.dialogs);
        return;
    }
    auto* start = findChild<QPushButton*>(QStringLiteral("GdbhFrame1cmd1"));
    auto* count = findChild<QLineEdit*>(QStringLiteral("GdbhFrame3Text1"));
    start->setEnabled(false);
    goldbach_->reset(check.n);
    count->setText(QString());

    // The search runs on every core; its lines come a segment at a time.
    using Piece = std::vector<std::uint32_t>;
    goldbachJob_->start<Piece>(
        [n = check.n](JobChannel<Piece>& channel) {
            scientific::GoldbachList(
                n,
                [&channel](Piece& ps) {
                    if (!ps.empty()) channel.send(std::move(ps));
                    channel.cancelled();  // a poll between two segments
                },
                0, &channel.cancelFlag());
        },
        [this](std::vector<Piece>& pieces) { goldbach_->append(pieces); },
        [this, start, count](JobRunner::End end, const QString&) {
            // The lines found so far stay; the count only after a whole run.
            start->setEnabled(true);
            if (end == JobRunner::End::Finished) count->setText(QString::number(goldbach_->rowCount()));
            else if (end == JobRunner::End::Cancelled) showStopMessage();
            else ApplyOutcome(this, Outcome::Error(scientific::kTooLarge), services_.dialogs);
        });
}

// ---- Factorization -----------------------------------------------------------

QWidget* Scientific::buildFactorizationPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Factorization"));
    auto* column = new QVBoxLayout(page);

    QGroupBox* input = Frame("FactorizationFrame1", "编辑数据");
    auto* inputRow = new FlowLayout(input);
    inputRow->addWidget(Box("FactorizationFrame1Text1", "", 10, false));
    inputRow->newGroup();
    QPushButton* start = Button("FactorizationFrame1cmd1", "分解因数");
    connect(start, &QPushButton::clicked, this, &Scientific::runFactorization);
    inputRow->addWidget(start);
    QPushButton* stop = Button("FactorStopcmd", "停  止");
    connect(stop, &QPushButton::clicked, factorJob_, &JobRunner::cancel);
    inputRow->addWidget(stop);
    column->addWidget(input);

    QGroupBox* results = Frame("FactorizationFrame2", "数据分解结果");
    auto* resultColumn = new QVBoxLayout(results);
    factorList_ = new QListWidget;
    factorList_->setObjectName(QStringLiteral("FactorizationFrame2List1"));
    resultColumn->addWidget(factorList_, 1);
    resultColumn->addWidget(Captioned(U("因数个数"), Box("FactorizationFrame2Text1", "0", 0, true)));
    column->addWidget(results, 1);
    return page;
}

void Scientific::runFactorization() {
    const auto check =
        scientific::CheckFactorInput(findChild<QLineEdit*>(QStringLiteral("FactorizationFrame1Text1"))->text().toStdString());
    if (check.kind == scientific::FactorCheck::Refused) {
        ApplyOutcome(this, Outcome::Error(check.message), services_.dialogs);
        return;
    }
    auto* start = findChild<QPushButton*>(QStringLiteral("FactorizationFrame1cmd1"));
    factorList_->clear();
    if (check.kind == scientific::FactorCheck::TooLarge) {
        ApplyOutcome(this, Outcome::Error(check.message), services_.dialogs);
        return;
    }
    start->setEnabled(false);
    // The factors come one by one; a stop keeps those found and leaves the count.
    factorJob_->start<std::int32_t>(
        [n = check.n](JobChannel<std::int32_t>& channel) {
            for (std::int32_t factor : scientific::Factorize(n)) {
                if (channel.cancelled()) return;
                channel.send(factor);
            }
        },
        [this](std::vector<std::int32_t>& factors) {
            for (std::int32_t factor : factors) factorList_->addItem(QString::number(factor));
        },
        [this, start](JobRunner::End end, const QString&) {
            if (end == JobRunner::End::Finished)
                findChild<QLineEdit*>(QStringLiteral("FactorizationFrame2Text1"))->setText(QString::number(factorList_->count()));
            else if (end == JobRunner::End::Cancelled)
                showStopMessage();
            else
                ApplyOutcome(this, Outcome::Error(scientific::kTooLarge), services_.dialogs);
            start->setEnabled(true);
        });
}

// ---- Mersenne ------------------------------------------------------------------

QWidget* Scientific::buildMersennePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Mosunni"));
    auto* column = new QVBoxLayout(page);
    QGroupBox* results = Frame("MosunniFrame1", "莫孙尼素数");
    auto* grid = new QGridLayout(results);
    mersenneList_ = new QListWidget;
    mersenneList_->setObjectName(QStringLiteral("MosunniFrame1List1"));
    grid->addWidget(mersenneList_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(U("个数")), 1, 0);
    grid->addWidget(Box("MosunniFrame1Text1", "0", 0, true), 1, 1);
    grid->addWidget(new QLabel(U("指数")), 2, 0);
    grid->addWidget(Box("MosunniFrame1Text2", "", 0, true), 2, 1);
    column->addWidget(results, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* start = Button("Mosunnicmd1", "开  始");
    connect(start, &QPushButton::clicked, this, &Scientific::runMersenne);
    QPushButton* stop = Button("Mosunnicmd2", "停  止");
    connect(stop, &QPushButton::clicked, mersenneJob_, &JobRunner::cancel);
    buttons->addWidget(start);
    buttons->addWidget(stop);
    column->addLayout(buttons);
    return page;
}

void Scientific::runMersenne() {
    auto* start = findChild<QPushButton*>(QStringLiteral("Mosunnicmd1"));
    mersenneList_->clear();
    start->setEnabled(false);
    // The primes, the count and the last exponent come at the end, however
    // the run ends.
    auto result = std::make_shared<scientific::MersenneResult>();
    mersenneJob_->start<scientific::MersenneResult>(
        [](JobChannel<scientific::MersenneResult>& channel) {
            channel.send(scientific::MersenneSearch([&channel] { return channel.cancelled(); }));
        },
        [result](std::vector<scientific::MersenneResult>& results) { *result = std::move(results.back()); },
        [this, start, result](JobRunner::End end, const QString&) {
            if (end == JobRunner::End::Cancelled) showStopMessage();
            for (auto prime : result->primes) mersenneList_->addItem(QString::number(prime));
            start->setEnabled(true);
            findChild<QLineEdit*>(QStringLiteral("MosunniFrame1Text1"))->setText(QString::number(mersenneList_->count()));
            findChild<QLineEdit*>(QStringLiteral("MosunniFrame1Text2"))->setText(QString::number(result->lastExponent));
        });
}

}  // namespace numora
