#include "gui/wheel/WheelPurchaseDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "core/store/Registrants.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"

namespace {

const QString kCaption = QStringLiteral("買い目を予想として登録");

UserMessage nobodyRegistered()
{
    return {kCaption, QStringLiteral("買い目を登録する人がいません。\n\n"
                                     "先に「データ」の「予想データファイルの作成」で、登録者を作って下さい。")};
}

UserMessage bought(const QString& name, int draw, qsizetype tickets)
{
    return {kCaption, QStringLiteral("%1 さんの第 %2 回の予想として、%3 口の買い目を登録しました。\n\n"
                                     "その回の当せん番号を入力すると、的中数で数えます。")
                          .arg(name)
                          .arg(draw)
                          .arg(tickets)};
}

} // namespace

WheelPurchaseDialog::WheelPurchaseDialog(const CVemoDoc& doc, qsizetype tickets, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WheelPurchaseDialog"));
    setWindowTitle(kCaption);
    setFont(JapaneseFonts::dialogFont());
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QStringLiteral("この %1 口を、登録者の予想としてまとめて登録します。").arg(tickets)));
    m_registrant = new QComboBox;
    m_registrant->setObjectName(QStringLiteral("registrantChoice"));
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        if (doc.registrants().isRegistered(slot))
            m_registrant->addItem(doc.registrants().name(slot), slot);
    }
    form->addRow(QStringLiteral("登録者"), m_registrant);
    // The coming draw, unless the player bought for one already entered.
    const int drawCount = doc.history().drawCount();
    m_draw = new QSpinBox;
    m_draw->setObjectName(QStringLiteral("drawSpin"));
    m_draw->setRange(1, drawCount + 1);
    m_draw->setValue(drawCount + 1);
    m_draw->setSuffix(QStringLiteral(" 回"));
    form->addRow(QStringLiteral("抽せん回"), m_draw);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("登録"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void WheelPurchaseDialog::buy(CVemoDoc& doc, const QList<QList<int>>& tickets, QWidget* parent)
{
    WheelPurchaseDialog dialog(doc, tickets.size(), parent);
    if (dialog.m_registrant->count() == 0) {
        MessageService::show(nobodyRegistered(), MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return;
    }
    if (MessageService::exec(dialog) != QDialog::Accepted)
        return;
    const int slot = dialog.m_registrant->currentData().toInt();
    const int draw = dialog.m_draw->value();
    if (const Status fault = doc.addPredictions(slot, draw, tickets)) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return;
    }
    MessageService::show(bought(doc.registrants().name(slot), draw, tickets.size()), MessageService::Buttons::Ok,
                         MessageService::Icon::Information);
}
