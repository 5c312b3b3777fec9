#include "gui/wheel/WheelWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/exchange/CsvTable.h"
#include "core/text/WheelText.h"
#include "core/wheel/WheelCsv.h"
#include "core/wheel/WheelMaker.h"
#include "core/wheel/WheelPastDraws.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/FileDialogs.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/Named.h"
#include "gui/wheel/PrizeTableDialog.h"
#include "gui/wheel/WheelNumberGrid.h"
#include "gui/wheel/WheelPurchaseDialog.h"
#include "gui/wheel/WheelResultPanel.h"

namespace {

constexpr int kProgressSteps = 1000;

QSpinBox* addSpin(QHBoxLayout* layout, const QString& name, int minimum, int maximum, int value, const QString& suffix)
{
    auto* spin = named(new QSpinBox, name);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setSuffix(suffix);
    layout->addWidget(spin);
    return spin;
}

void showFault(const UserMessage& fault)
{
    MessageService::show(fault, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
}

} // namespace

WheelWindow* WheelWindow::open(QPointer<WheelWindow>& window, const QList<int>& pool, CVemoDoc& doc, QWidget* parent)
{
    if (!window) {
        window = new WheelWindow(doc, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!pool.isEmpty())
        window->m_grid->setPool(pool);
    bringForward(*window);
    return window;
}

WheelWindow::WheelWindow(CVemoDoc& doc, QWidget* parent)
    // A dialog-type window: the window system keeps it above the window it belongs to.
    : QWidget(parent, Qt::Dialog), m_doc(doc), m_installation(doc.paths())
{
    setWindowTitle(WheelText::windowTitle());
    setFont(JapaneseFonts::font(JapaneseFonts::kGothic, 13));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(WheelText::poolCaption()));
    m_grid = named(new WheelNumberGrid, QStringLiteral("poolGrid"));
    connect(m_grid, &WheelNumberGrid::marksChanged, this, &WheelWindow::showPoolCount);
    layout->addWidget(m_grid, 0, Qt::AlignLeft);
    m_poolCount = named(new QLabel, QStringLiteral("poolCount"));
    layout->addWidget(m_poolCount);
    layout->addWidget(settingsRow());
    layout->addWidget(runRow());
    m_result = new WheelResultPanel;
    layout->addWidget(m_result, 1);
    layout->addWidget(buttonRow());
    installHelp();
    showPoolCount();
    // The return and the past draws follow the table and the history.
    connect(&m_doc, &CVemoDoc::prizeTableChanged, this, &WheelWindow::showReturn);
    connect(&m_doc, &CVemoDoc::historyChanged, this, &WheelWindow::showReturn);
    resize(900, 720);
}

QWidget* WheelWindow::settingsRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const WheelSettings defaults;
    layout->addWidget(new QLabel(WheelText::guaranteeCaption()));
    m_drawnInPool = addSpin(layout, QStringLiteral("drawnInPoolSpin"), WheelSettings::kMinMatched, kNumbersPerDraw,
                            defaults.drawnInPool, WheelText::drawnInPoolSuffix());
    m_matched = addSpin(layout, QStringLiteral("matchedSpin"), WheelSettings::kMinMatched, defaults.drawnInPool,
                        defaults.matched, WheelText::matchedSuffix());
    // "t if p" holds no more than p on a ticket.
    connect(m_drawnInPool, &QSpinBox::valueChanged, m_matched, &QSpinBox::setMaximum);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(WheelText::budgetCaption()));
    m_budget =
        addSpin(layout, QStringLiteral("budgetSpin"), 0, WheelSettings::kMostTickets, 0, WheelText::ticketSuffix());
    m_budget->setSpecialValueText(WheelText::budgetNone());
    layout->addSpacing(12);
    layout->addWidget(new QLabel(WheelText::secondsCaption()));
    m_seconds = addSpin(layout, QStringLiteral("secondsSpin"), 1, kMaxSeconds, int(defaults.seconds),
                        WheelText::secondsSuffix());
    layout->addStretch();
    return row;
}

QWidget* WheelWindow::buttonRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* prizes = named(new QPushButton(QStringLiteral("当せん金の表(&P)...")), QStringLiteral("prizeTableButton"));
    ControlHelp::attach(prizes, QStringLiteral("各等級の当せん金と１口の値段を入れます。入れると、買い目の払い戻しの"
                                               "期待値を出します。"));
    connect(prizes, &QPushButton::clicked, this, [this] { PrizeTableDialog::edit(m_doc, this); });
    layout->addWidget(prizes);
    layout->addStretch();
    m_export = named(new QPushButton(WheelText::exportCsv()), QStringLiteral("exportButton"));
    m_export->setEnabled(false);
    connect(m_export, &QPushButton::clicked, this, &WheelWindow::exportCsv);
    layout->addWidget(m_export);
    m_buy = named(new QPushButton(QStringLiteral("予想として登録(&B)...")), QStringLiteral("buyButton"));
    m_buy->setEnabled(false);
    connect(m_buy, &QPushButton::clicked, this, [this] { WheelPurchaseDialog::buy(m_doc, m_wheel.tickets, this); });
    layout->addWidget(m_buy);
    // Without a window manager there is no close box: the window closes from here and with Escape.
    auto* closeButton = named(new QPushButton(WheelText::closeButton()), QStringLiteral("closeButton"));
    ControlHelp::attach(closeButton, WheelText::closeHelp());
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(closeButton);
    return row;
}

void WheelWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

QWidget* WheelWindow::runRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_make = named(new QPushButton(WheelText::make()), QStringLiteral("makeButton"));
    m_make->setDefault(true);
    connect(m_make, &QPushButton::clicked, this, &WheelWindow::startRun);
    layout->addWidget(m_make);
    m_cancel = named(new QPushButton(WheelText::cancel()), QStringLiteral("cancelButton"));
    m_cancel->setEnabled(false);
    connect(m_cancel, &QPushButton::clicked, this, &WheelWindow::cancelRun);
    layout->addWidget(m_cancel);
    m_longer = named(new QPushButton(WheelText::searchLongerButton()), QStringLiteral("longerButton"));
    m_longer->setEnabled(false);
    connect(m_longer, &QPushButton::clicked, this, &WheelWindow::searchLonger);
    layout->addWidget(m_longer);
    m_progress = named(new QProgressBar, QStringLiteral("progressBar"));
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    m_progress->setFormat(QString());
    layout->addWidget(m_progress, 1);
    return row;
}

void WheelWindow::installHelp()
{
    new ContextHelpPopupFilter(this);
    ControlHelp::attach(m_grid, WheelText::poolHelp());
    ControlHelp::attach(m_poolCount, WheelText::poolHelp());
    ControlHelp::attach(m_drawnInPool, WheelText::guaranteeHelp());
    ControlHelp::attach(m_matched, WheelText::guaranteeHelp());
    ControlHelp::attach(m_budget, WheelText::budgetHelp());
    ControlHelp::attach(m_seconds, WheelText::secondsHelp());
    ControlHelp::attach(m_make, WheelText::makeHelp());
    ControlHelp::attach(m_cancel, WheelText::cancelHelp());
    ControlHelp::attach(m_longer, WheelText::searchLongerHelp());
    ControlHelp::attach(m_progress, WheelText::progressHelp());
    ControlHelp::attach(m_export, WheelText::exportHelp());
    ControlHelp::attach(m_buy, QStringLiteral("買い目を、登録者の予想としてまとめて登録します。"
                                              "その回の当せん番号を入力すると、的中数で数えます。"));
}

WheelSettings WheelWindow::settings() const
{
    WheelSettings settings;
    settings.pool = m_grid->pool();
    settings.fixed = m_grid->fixed();
    settings.drawnInPool = m_drawnInPool->value();
    settings.matched = m_matched->value();
    settings.ticketBudget = m_budget->value();
    settings.seconds = m_seconds->value();
    settings.maxTickets = WheelSettings::kMostTickets;
    return settings;
}

void WheelWindow::showPoolCount()
{
    m_poolCount->setText(WheelText::poolCount(int(m_grid->pool().size()), int(m_grid->fixed().size())));
}

void WheelWindow::startRun()
{
    const WheelSettings chosen = settings();
    if (const Status fault = chosen.check()) {
        showFault(*fault);
        return;
    }
    m_runSeconds = chosen.seconds;
    m_make->setEnabled(false);
    m_cancel->setEnabled(true);
    m_longer->setEnabled(false);
    m_export->setEnabled(false);
    m_buy->setEnabled(false);
    m_progress->setValue(0);
    m_progress->setFormat(WheelText::searching());
    m_result->clear();
    m_runner.start([this, chosen](const BackgroundRun::Work& work) {
        WheelControl control;
        control.cancel = work.cancelFlag();
        control.progress = [this, &work](const WheelProgress& progress) {
            work.post([this, progress] { showProgress(progress); });
        };
        const Result<WheelResult> made = WheelMaker::make(chosen, control);
        work.post([this, made, drawnInPool = chosen.drawnInPool] { takeResult(made, drawnInPool); });
    });
}

void WheelWindow::cancelRun()
{
    // The search ends with the best wheel it has, which is still proven and shown.
    m_runner.cancel();
    m_cancel->setEnabled(false);
}

void WheelWindow::showProgress(const WheelProgress& progress)
{
    m_progress->setValue(qMin(kProgressSteps, int(progress.elapsedSeconds / m_runSeconds * kProgressSteps)));
    if (progress.tickets > 0)
        m_progress->setFormat(WheelText::searchProgress(progress.tickets));
}

void WheelWindow::takeResult(const Result<WheelResult>& made, int drawnInPool)
{
    m_make->setEnabled(true);
    m_cancel->setEnabled(false);
    if (!made.ok()) {
        m_wheel = WheelResult{};
        showFault(made.error());
        Q_EMIT finished();
        return;
    }
    const int tickets = int(made.value().tickets.size());
    if (tickets > WheelSettings::kMaxTickets
        && MessageService::show(WheelText::askLargeWheel(tickets), MessageService::Buttons::YesNo,
                                MessageService::Icon::Question)
               != MessageService::Answer::Yes) {
        m_wheel = WheelResult{};
        showEnd(QString());
        return;
    }
    m_wheel = made.value();
    QString note;
    QString barText = WheelText::searchDone(tickets);
    if (m_wheel.cancelled) {
        note = WheelText::searchCancelled();
        barText = WheelText::searchDoneCancelled(tickets);
    } else if (m_wheel.timedOut) {
        note = WheelText::searchTimedOut(m_runSeconds).text;
        barText = WheelText::searchDoneOnTime(tickets);
    }
    m_result->showWheel(m_wheel, drawnInPool, note);
    showReturn();
    m_longer->setEnabled(m_wheel.timedOut && m_seconds->value() < kMaxSeconds);
    m_export->setEnabled(!m_wheel.tickets.isEmpty());
    m_buy->setEnabled(!m_wheel.tickets.isEmpty());
    showEnd(barText);
}

void WheelWindow::showReturn()
{
    if (!m_wheel.tickets.isEmpty())
        m_result->showReturn(m_wheel, m_doc.prizeTable(),
                             WheelPastDraws::of(m_wheel.tickets, m_doc.history(), m_wheel.odds));
}

void WheelWindow::showEnd(const QString& barText)
{
    m_progress->setValue(barText.isEmpty() ? 0 : kProgressSteps);
    m_progress->setFormat(barText);
    Q_EMIT finished();
}

void WheelWindow::searchLonger()
{
    // The same seed walks the same way at first, so the longer search ends no worse.
    m_seconds->setValue(qMin(kMaxSeconds, 2 * m_seconds->value()));
    startRun();
}

void WheelWindow::exportCsv()
{
    const std::optional<QString> chosen =
        FileDialogs::csvToSave(this, m_installation, WheelText::exportDialogTitle(), WheelText::exportFileName());
    if (!chosen)
        return;
    const QString& path = *chosen;
    if (const Status fault = CsvTable::save(m_installation, path, WheelCsv::encode(m_wheel.tickets))) {
        showFault(*fault);
        return;
    }
    MessageService::show(WheelText::exportDone(path, int(m_wheel.tickets.size())), MessageService::Buttons::Ok,
                         MessageService::Icon::Information);
}
