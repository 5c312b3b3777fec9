#include "gui/wheel/WheelResultPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/entry/PredictionFile.h"
#include "core/store/HistoryFormat.h"
#include "core/text/WheelText.h"
#include "core/wheel/RandomTicketOdds.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/Named.h"
#include "gui/wheel/WheelCompareText.h"
#include "gui/wheel/WheelReturnPanel.h"

namespace {

constexpr int kOddsRows = kNumbersPerDraw - WheelResultPanel::kFirstOddsRow + 1;

QTableWidgetItem* oddsItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QLabel* comparisonLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QString missedText(const WheelProof& proof)
{
    QStringList numbers;
    for (const int n : proof.missed.value(0))
        numbers.append(QString::number(n));
    return numbers.join(QStringLiteral("、"));
}

} // namespace

WheelResultPanel::WheelResultPanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_summary = named(new QLabel, QStringLiteral("summaryLine"));
    ControlHelp::attach(m_summary, WheelText::ticketsHelp());
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    m_proof = named(new QLabel, QStringLiteral("proofLine"));
    ControlHelp::attach(m_proof, WheelText::proofHelp());
    m_proof->setWordWrap(true);
    layout->addWidget(m_proof);

    auto* row = new QHBoxLayout;
    m_tickets = named(new QListWidget, QStringLiteral("ticketList"));
    ControlHelp::attach(m_tickets, WheelText::ticketsHelp());
    m_tickets->setFixedWidth(200);
    row->addWidget(m_tickets);
    m_odds = named(new QTableWidget(kOddsRows, int(WheelText::oddsHeaders().size())), QStringLiteral("oddsTable"));
    ControlHelp::attach(m_odds, WheelText::oddsHelp());
    m_odds->setHorizontalHeaderLabels(WheelText::oddsHeaders());
    QStringList rows;
    for (int matched = kFirstOddsRow; matched <= kNumbersPerDraw; ++matched)
        rows.append(WheelText::oddsRow(matched));
    m_odds->setVerticalHeaderLabels(rows);
    m_odds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_odds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_odds->horizontalHeader()->setStretchLastSection(true);
    m_odds->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* oddsPage = new QWidget;
    auto* column = new QVBoxLayout(oddsPage);
    m_anyPrize = named(new QLabel, QStringLiteral("anyPrizeLine"));
    ControlHelp::attach(m_anyPrize, WheelText::oddsHelp());
    column->addWidget(m_anyPrize);
    column->addWidget(m_odds);
    m_randomOdds = comparisonLabel(QStringLiteral("randomOddsLabel"));
    m_expectedTickets = comparisonLabel(QStringLiteral("expectedTicketsLabel"));
    m_wheelNote = comparisonLabel(QStringLiteral("wheelNoteLabel"));
    column->addWidget(m_randomOdds);
    column->addWidget(m_expectedTickets);
    column->addWidget(m_wheelNote);
    column->addStretch();
    m_pages = named(new QTabWidget, QStringLiteral("resultPages"));
    m_pages->addTab(oddsPage, QStringLiteral("確率(&O)"));
    m_return = named(new WheelReturnPanel, QStringLiteral("returnPage"));
    m_pages->addTab(m_return, QStringLiteral("払い戻しとこれまでの回(&R)"));
    row->addWidget(m_pages, 1);
    layout->addLayout(row, 1);
    // The four rows show whole, with nothing below them.
    m_odds->setFixedHeight(m_odds->horizontalHeader()->sizeHint().height()
                           + kOddsRows * m_odds->verticalHeader()->defaultSectionSize() + 2 * m_odds->frameWidth());
}

void WheelResultPanel::showWheel(const WheelResult& wheel, int drawnInPool, const QString& note)
{
    const QString summary = WheelText::ticketsSummary(int(wheel.tickets.size()), wheel.lowerBound);
    m_summary->setText(note.isEmpty() ? summary : summary + QLatin1Char('\n') + note);
    m_tickets->clear();
    for (const QList<int>& ticket : wheel.tickets)
        m_tickets->addItem(PredictionFile::numbersText(PredictionRecord{0, 0, ticket}));
    const WheelProof& proof = wheel.proof;
    m_proof->setText(proof.kept() ? WheelText::proofKept(proof.checked, drawnInPool)
                                  : WheelText::proofMissed(proof.missedCount, proof.checked, missedText(proof)));
    m_anyPrize->setText(WheelText::anyPrize(wheel.odds.atLeastProbability(kFirstOddsRow)));
    for (int matched = kFirstOddsRow; matched <= kNumbersPerDraw; ++matched) {
        const int row = matched - kFirstOddsRow;
        m_odds->setItem(row, 0, oddsItem(WheelText::oddsProbability(wheel.odds.bestProbability(matched))));
        m_odds->setItem(row, 1, oddsItem(WheelText::oddsProbability(wheel.odds.atLeastProbability(matched))));
        m_odds->setItem(row, 2, oddsItem(WheelText::oddsAverage(wheel.odds.expectedTickets[std::size_t(matched)])));
    }
    const RandomTicketOdds random = RandomTicketOdds::of(int(wheel.tickets.size()));
    m_randomOdds->setText(WheelCompareText::randomOdds(random));
    m_expectedTickets->setText(WheelCompareText::expectedTickets(random));
    m_wheelNote->setText(WheelCompareText::wheelNote());
}

void WheelResultPanel::showReturn(const WheelResult& wheel, const std::optional<PrizeTable>& table,
                                  const WheelPastDraws& past)
{
    m_return->showReturn(wheel.odds, int(wheel.tickets.size()), table, past);
}

void WheelResultPanel::clear()
{
    m_return->clear();
    m_summary->clear();
    m_tickets->clear();
    m_proof->clear();
    m_anyPrize->clear();
    m_odds->clearContents();
    m_randomOdds->clear();
    m_expectedTickets->clear();
    m_wheelNote->clear();
}
