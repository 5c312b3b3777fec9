#include "gui/wheel/PrizeTableDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "core/text/PrizeText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/Named.h"

namespace {

QSpinBox* yenSpin(const QString& name, int minimum, int maximum, qint64 value)
{
    auto* spin = named(new QSpinBox, name);
    spin->setRange(minimum, maximum);
    spin->setValue(int(value));
    spin->setSuffix(QStringLiteral(" 円"));
    spin->setGroupSeparatorShown(true);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

void showFault(const UserMessage& fault)
{
    MessageService::show(fault, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
}

} // namespace

PrizeTableDialog::PrizeTableDialog(const std::optional<PrizeTable>& table, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrizeTableDialog"));
    setWindowTitle(PrizeText::tableCaption());
    setFont(JapaneseFonts::dialogFont());
    const PrizeTable shown = table.value_or(PrizeTable{});
    auto* form = new QFormLayout(this);
    auto* intro = new QLabel(QStringLiteral("前回の当せん金など、見込みの額を入れて下さい。\n"
                                            "買い目の払い戻しの期待値を、この額で数えます。"));
    form->addRow(intro);
    for (int matched = kNumbersPerDraw; matched >= PrizeTable::kLowestClass; --matched) {
        QSpinBox* spin =
            yenSpin(QStringLiteral("amountSpin%1").arg(matched), 0, int(PrizeTable::kMaxAmount), shown.amount(matched));
        ControlHelp::attach(spin, QStringLiteral("%1 個当たった１口に払われる額です。").arg(matched));
        form->addRow(QStringLiteral("%1 個当たり").arg(matched), spin);
        m_amounts[std::size_t(matched)] = spin;
    }
    m_price = yenSpin(QStringLiteral("priceSpin"), 1, PrizeTable::kMaxTicketPrice, shown.ticketPrice);
    ControlHelp::attach(m_price, QStringLiteral("１口の値段です（ふつうは 200 円）。"));
    form->addRow(QStringLiteral("１口の値段"), m_price);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    auto* remove = named(buttons->addButton(QStringLiteral("表を消す"), QDialogButtonBox::DestructiveRole),
                         QStringLiteral("removeButton"));
    ControlHelp::attach(remove, QStringLiteral("当せん金の表を消します。買い目の窓には確率だけを出します。"));
    remove->setEnabled(table.has_value());
    connect(remove, &QPushButton::clicked, this, [this] {
        m_removeChosen = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

PrizeTable PrizeTableDialog::table() const
{
    PrizeTable table;
    for (int matched = PrizeTable::kLowestClass; matched <= kNumbersPerDraw; ++matched)
        table.amounts[std::size_t(matched)] = m_amounts[std::size_t(matched)]->value();
    table.ticketPrice = m_price->value();
    return table;
}

void PrizeTableDialog::edit(CVemoDoc& doc, QWidget* parent)
{
    // A file the program cannot read is not overwritten unseen.
    if (const Status& fault = doc.prizeTableFault())
        showFault(*fault);
    PrizeTableDialog dialog(doc.prizeTable(), parent);
    if (MessageService::exec(dialog) != QDialog::Accepted)
        return;
    const Status fault = dialog.m_removeChosen ? doc.removePrizeTable() : doc.storePrizeTable(dialog.table());
    if (fault)
        showFault(*fault);
}
