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

#include "Controls.h"
#include "DesktopFit.h"
#include "FormHelpers.h"
#include "ExactLine.h"
#include "FactorSolutions.h"
#include "JobRunner.h"
#include "SolutionPanel.h"
#include "TabbedWindow.h"
#include "Outcome.h"
#include "Primes.h"
#include "Reflow.h"
#include "ScientificControls.h"
#include "ScientificAccessibility.h"
#include "FieldLimit.h"
#include "Utf8.h"
#include "ScientificFrames.h"
#include "StaleResults.h"

namespace numora {

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
    setObjectName(QLatin1String(scientific::kWindow));
    goldbachJob_ = new JobRunner(this, QStringLiteral("GdbhJob"));
    factorJob_ = new JobRunner(this, QStringLiteral("FactorJob"));
    mersenneJob_ = new JobRunner(this, QStringLiteral("MosunniJob"));
    setWindowTitle(U(scientific::kWindowTitle));

    solutions_ = new SolutionPanel(this, services_, scientific::kSolutionPanel);
    QWidget* const pages[] = {buildGoldbachPage(), buildFactorizationPage(), buildMersennePage()};
    std::vector<TabbedWindow::Tab> tabs;
    for (std::size_t i = 0; i < scientific::kTabs.size(); ++i) {
        const TabText& tab = scientific::kTabs[i];
        tabs.push_back({U(tab.caption), QLatin1String(tab.key), U(tab.toolTip), pages[i]});
    }
    frame_ = new TabbedWindow(this, QLatin1String(scientific::kTabStrip), tabs, U(scientific::kStatusInitial));

    SelectAllOnFocusEverywhere(this);
    installHints();
    // Every result list can be copied and saved.
    for (const auto& [list, file] : scientific::kResultLists)
        ListExport::Install(findChild<QAbstractItemView*>(QLatin1String(list)), services_, U(file),
                            [this](const QString& hint) { setStatus(hint); });
    ApplyAccessibility(this, ScientificAccessibility());
    WatchResultFrames(this, scientific::kFrames);
    StateLimits(this, scientific::kLimits);
    // Ten digits hold every number the tools take; more is beyond 2147483647.
    const QString tooLarge = U(kTooLarge);
    RefuseOverlongInput(this, services_.dialogs,
                        {{QLatin1String(scientific::kGoldbachInput), tooLarge},
                         {QLatin1String(scientific::kFactorInput), tooLarge}});
    SensibleInputWidths(this);
    selectTab(QLatin1String(scientific::kGoldbachPage));
    SetDefaultSize(this, 7200, 6600);
}

Scientific::~Scientific() = default;

void Scientific::installHints() {
    QHash<QString, QString> table;
    for (const auto& [control, hint] : scientific::kHints) table.insert(QLatin1String(control), U(hint));
    hints_ = frame_->installHints(table);
    // Over a result list the tool tip shows the selected entry.
    for (const ControlText& resultList : scientific::kResultLists) {
        auto* list = findChild<QAbstractItemView*>(QLatin1String(resultList.control));
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
    services_.dialogs.Message(this, U(scientific::kStopMessage), U(kNoticeTitle), MessageIcon::Information, MsgButtons::Ok);
}

// ---- Goldbach ------------------------------------------------------------------

QWidget* Scientific::buildGoldbachPage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(scientific::kGoldbachPage));
    auto* column = new QVBoxLayout(page);

    QGroupBox* input = Frame(scientific::kGoldbachInputFrame, "验证当前偶数");
    auto* inputRow = new FlowLayout(input);
    // Ten characters: every even number the verification takes, to 2147483646.
    inputRow->addWidget(Box(scientific::kGoldbachInput, "", 10));
    inputRow->newGroup();
    QPushButton* start = Button(scientific::kGoldbachButton, "证明并显示");
    connect(start, &QPushButton::clicked, this, &Scientific::runGoldbach);
    inputRow->addWidget(start);
    QPushButton* stop = Button(scientific::kGoldbachStopButton, "停  止");
    // Only a running verification is stopped; it tells so when it ends.
    connect(stop, &QPushButton::clicked, goldbachJob_, &JobRunner::cancel);
    inputRow->addWidget(stop);
    column->addWidget(input);

    QGroupBox* results = Frame(scientific::kGoldbachResultFrame, "证明结果");
    auto* resultColumn = new QVBoxLayout(results);
    goldbach_ = new GoldbachModel(this);
    goldbachList_ = new QListView;
    goldbachList_->setObjectName(QLatin1String(scientific::kGoldbachList));
    goldbachList_->setModel(goldbach_);
    goldbachList_->setUniformItemSizes(true);  // millions of lines scroll smoothly
    // Laid out a batch of lines at a time: a full layout of millions of
    // lines in one go would keep the window from reacting for a tenth of a
    // second, again after every pause of a running search.
    goldbachList_->setLayoutMode(QListView::Batched);
    goldbachList_->setBatchSize(4096);
    goldbachList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultColumn->addWidget(goldbachList_, 1);
    resultColumn->addWidget(Captioned(U("成立个数"), Result(scientific::kGoldbachCount, "0")));
    column->addWidget(results, 1);

    auto* note = Label(U("注：请不要在输入框中输入过大的数据!"));
    note->setObjectName(QLatin1String(scientific::kGoldbachNote));
    column->addWidget(note);
    return page;
}

void Scientific::runGoldbach() {
    setStatus(U(kCalculating));
    const auto check = scientific::CheckGoldbachInput(CalcText(this, QLatin1String(scientific::kGoldbachInput)));
    if (!check.refusal.empty()) {
        ApplyOutcome(this, Outcome::Error(check.refusal), services_.dialogs);
        return;
    }
    auto* start = findChild<QPushButton*>(QLatin1String(scientific::kGoldbachButton));
    auto* count = findChild<QLineEdit*>(QLatin1String(scientific::kGoldbachCount));
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
            else ApplyOutcome(this, Outcome::Error(kTooLarge), services_.dialogs);
        });
}

// ---- Factorization -----------------------------------------------------------

QWidget* Scientific::buildFactorizationPage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(scientific::kFactorPage));
    auto* column = new QVBoxLayout(page);

    QGroupBox* input = Frame(scientific::kFactorInputFrame, "编辑数据");
    auto* inputRow = new FlowLayout(input);
    inputRow->addWidget(Box(scientific::kFactorInput, "", 10));
    inputRow->newGroup();
    QPushButton* start = Button(scientific::kFactorButton, "分解因数");
    connect(start, &QPushButton::clicked, this, &Scientific::runFactorization);
    inputRow->addWidget(start);
    QPushButton* stop = Button(scientific::kFactorStopButton, "停  止");
    connect(stop, &QPushButton::clicked, factorJob_, &JobRunner::cancel);
    inputRow->addWidget(stop);
    QPushButton* steps = Button(scientific::kFactorSolution, "解题过程");
    connect(steps, &QPushButton::clicked, this, [this, steps] {
        solutions_->present(U("分解质因数"),
                            scientific::FactorizationSolution(CalcText(this, QLatin1String(scientific::kFactorInput))),
                            steps);
    });
    inputRow->addWidget(steps);
    column->addWidget(input);

    QGroupBox* results = Frame(scientific::kFactorResultFrame, "数据分解结果");
    auto* resultColumn = new QVBoxLayout(results);
    factorList_ = new QListWidget;
    factorList_->setObjectName(QLatin1String(scientific::kFactorList));
    resultColumn->addWidget(factorList_, 1);
    // The count, and beside it the prime-power form once the list is whole.
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(Captioned(U("因数个数"), Result(scientific::kFactorCount, "0")));
    countRow->addWidget(ExactLine(QLatin1String(scientific::kFactorExact)), 1);
    resultColumn->addLayout(countRow);
    column->addWidget(results, 1);
    return page;
}

void Scientific::runFactorization() {
    const std::string typed = CalcText(this, QLatin1String(scientific::kFactorInput));
    const auto check = scientific::CheckFactorInput(typed);
    // The prime-power form shows once the list is whole.
    SetFieldText(this, QLatin1String(scientific::kFactorExact), QString());
    if (check.kind == scientific::FactorCheck::Refused) {
        ApplyOutcome(this, Outcome::Error(check.message), services_.dialogs);
        return;
    }
    auto* start = findChild<QPushButton*>(QLatin1String(scientific::kFactorButton));
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
        [this, start, exact = scientific::ExactFactorization(typed)](JobRunner::End end, const QString&) {
            if (end == JobRunner::End::Finished) {
                findChild<QLineEdit*>(QLatin1String(scientific::kFactorCount))->setText(QString::number(factorList_->count()));
                if (exact) SetFieldText(this, QLatin1String(scientific::kFactorExact), QString::fromStdString(exact->line));
            } else if (end == JobRunner::End::Cancelled) {
                showStopMessage();
            } else {
                ApplyOutcome(this, Outcome::Error(kTooLarge), services_.dialogs);
            }
            start->setEnabled(true);
        });
}

// ---- Mersenne ------------------------------------------------------------------

QWidget* Scientific::buildMersennePage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(scientific::kMersennePage));
    auto* column = new QVBoxLayout(page);
    QGroupBox* results = Frame(scientific::kMersenneFrame, "莫孙尼素数");
    auto* grid = new QGridLayout(results);
    mersenneList_ = new QListWidget;
    mersenneList_->setObjectName(QLatin1String(scientific::kMersenneList));
    grid->addWidget(mersenneList_, 0, 0, 1, 2);
    grid->addWidget(Label(U("个数")), 1, 0);
    grid->addWidget(Result(scientific::kMersenneCount, "0"), 1, 1);
    grid->addWidget(Label(U("指数")), 2, 0);
    grid->addWidget(Result(scientific::kMersenneLastExponent, ""), 2, 1);
    column->addWidget(results, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* start = Button(scientific::kMersenneButton, "开  始");
    connect(start, &QPushButton::clicked, this, &Scientific::runMersenne);
    QPushButton* stop = Button(scientific::kMersenneStopButton, "停  止");
    connect(stop, &QPushButton::clicked, mersenneJob_, &JobRunner::cancel);
    buttons->addWidget(start);
    buttons->addWidget(stop);
    column->addLayout(buttons);
    return page;
}

void Scientific::runMersenne() {
    auto* start = findChild<QPushButton*>(QLatin1String(scientific::kMersenneButton));
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
            findChild<QLineEdit*>(QLatin1String(scientific::kMersenneCount))->setText(QString::number(mersenneList_->count()));
            findChild<QLineEdit*>(QLatin1String(scientific::kMersenneLastExponent))->setText(QString::number(result->lastExponent));
        });
}

}  // namespace numora
