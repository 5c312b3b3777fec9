#include "gui/wheel/WheelReturnPanel.h"

#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "core/store/PrizeTable.h"
#include "core/text/ReturnText.h"
#include "core/wheel/ExpectedReturn.h"
#include "core/wheel/WheelPastDraws.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/Named.h"

namespace {

QLabel* wrapped(const QString& name, const QString& help)
{
    auto* label = named(new QLabel, name);
    label->setWordWrap(true);
    ControlHelp::attach(label, help);
    return label;
}

} // namespace

WheelReturnPanel::WheelReturnPanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    const QString returnHelp = QStringLiteral(
        "「当せん金の表」の額で、６０９万６４５４通りの抽選をすべて数えた１回あたりの払い戻しの平均です。");
    m_wheelReturn = wrapped(QStringLiteral("wheelReturnLabel"), returnHelp);
    m_randomReturn = wrapped(QStringLiteral("randomReturnLabel"), returnHelp);
    m_returnNote = wrapped(QStringLiteral("returnNoteLabel"), returnHelp);
    const QString pastHelp = QStringLiteral("これまでの抽せんで、その個数当たった１口があった回の数と、"
                                            "同じ回数だけ抽せんしたとき偶然で出る平均と 95 % の範囲です。");
    m_pastHeading = wrapped(QStringLiteral("pastHeadingLabel"), pastHelp);
    m_pastClasses = named(new QLabel, QStringLiteral("pastClassesLabel"));
    ControlHelp::attach(m_pastClasses, pastHelp);
    m_pastNote = wrapped(QStringLiteral("pastNoteLabel"), pastHelp);
    for (QLabel* label : {m_wheelReturn, m_randomReturn, m_returnNote, m_pastHeading, m_pastClasses, m_pastNote})
        layout->addWidget(label);
    layout->insertSpacing(3, 8);
    layout->addStretch();
}

void WheelReturnPanel::showReturn(const WheelOdds& odds, int tickets, const std::optional<PrizeTable>& table,
                                  const WheelPastDraws& past)
{
    clear();
    if (table) {
        m_wheelReturn->setText(ReturnText::wheelReturn(ExpectedReturn::ofWheel(odds, tickets, *table)));
        m_randomReturn->setText(ReturnText::anyTicketsReturn(ExpectedReturn::ofAnyTickets(tickets, *table)));
        m_returnNote->setText(ReturnText::returnNote(tickets));
    }
    if (past.draws == 0)
        return;
    m_pastHeading->setText(ReturnText::pastHeading(past.draws));
    QStringList classes;
    for (int matched = PrizeTable::kLowestClass; matched <= kNumbersPerDraw; ++matched) {
        classes.append(
            QStringLiteral("　")
            + ReturnText::pastClass(matched, past.paying[std::size_t(matched)], past.chance[std::size_t(matched)]));
    }
    m_pastClasses->setText(classes.join(QLatin1Char('\n')));
    m_pastNote->setText(ReturnText::pastNote());
}

void WheelReturnPanel::clear()
{
    for (QLabel* label : {m_wheelReturn, m_randomReturn, m_returnNote, m_pastHeading, m_pastClasses, m_pastNote})
        label->clear();
}
