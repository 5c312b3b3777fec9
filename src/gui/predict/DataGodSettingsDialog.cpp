#include "predict/DataGodSettingsDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "kit/BitmapButton.h"
#include "kit/ContextHelpPopupFilter.h"
#include "kit/ControlId.h"
#include "kit/DialogUnits.h"
#include "kit/HelpText.h"
#include "kit/JapaneseFonts.h"
#include "kit/MessageService.h"
#include "kit/UpDownControl.h"
#include "predict/DataGodPictures.h"
#include "predict/DataGodText.h"
#include "predict/PredictValueText.h"
#include "text/EntryText.h"

namespace {

constexpr int kDialogId = 390;
constexpr int kOkPicture = 385;
constexpr int kCancelPicture = 386;
constexpr int kWeightDisplayId = 1391;
constexpr int kWeightSpinId = 1399;

// The count buttons are 1385 and 1392 … 1398: the ids between them belong to
// other controls.
constexpr std::array kCountIds{1385, 1392, 1393, 1394, 1395, 1396, 1397, 1398};
constexpr std::array kAmountIds{1400, 1401, 1402, 1403, 1404};
static_assert(kAmountIds.size() == DataGodSettings::kDataAmounts.size());
constexpr int kFrequentId = 1409;
constexpr int kRareId = 1410;
constexpr int kShowId = 1411;
constexpr int kHideId = 1412;

QHBoxLayout* rowOf(QGroupBox* group)
{
    auto* row = new QHBoxLayout(group);
    row->setSpacing(group->fontMetrics().averageCharWidth() * 3);
    return row;
}

} // namespace

DataGodSettingsDialog::DataGodSettingsDialog(DataGodSettings& choices, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_choices(choices), m_weight(qBound(0, choices.appearanceWeight, DataGodSettings::kMaxWeight))
{
    identified(this, kDialogId);
    setWindowTitle(DataGodText::settingsTitle());
    setFont(JapaneseFonts::dialogFont());
    const DialogUnits units(fontMetrics());

    auto* okButton = new BitmapButton(1, kOkPicture, this);
    okButton->setAccessibleName(DataGodText::showResultsButton());
    okButton->setDefault(true);
    okButton->setFixedSize(qMax(units.x(117), DataGodPictures::kShowResultsSize.width()),
                           qMax(units.y(19), DataGodPictures::kShowResultsSize.height()));
    auto* cancelButton = new BitmapButton(2, kCancelPicture, this);
    cancelButton->setAccessibleName(EntryText::registrantCancelButton());
    // The Cancel face keeps its proportions beside the OK button.
    cancelButton->setFixedSize(okButton->height() * DataGodPictures::kCancelFaceSize.width()
                                   / DataGodPictures::kCancelFaceSize.height(),
                               okButton->height());
    connect(okButton, &QPushButton::clicked, this, &DataGodSettingsDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &DataGodSettingsDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancelButton, 0, Qt::AlignBottom);
    buttons->addWidget(okButton, 0, Qt::AlignBottom);
    buttons->addStretch();
    buttons->addWidget(predictingGroup());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(units.x(7), units.y(7), units.x(7), units.y(7));
    column->setSpacing(units.y(8));
    column->addWidget(countGroup());
    column->addWidget(amountGroup());
    column->addWidget(priorityGroup());
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    // Every other control shows an empty popup.
    auto* help = new ContextHelpPopupFilter(this);
    help->setText(1, HelpText::okButtonPopup());
    help->setText(2, HelpText::cancelButtonPopup());
}

QRadioButton* DataGodSettingsDialog::addChoice(QButtonGroup& group, int controlId, const QString& text, bool checked)
{
    auto* button = new QRadioButton(text, this);
    identified(button, controlId);
    button->setChecked(checked);
    group.addButton(button, controlId);
    return button;
}

QGroupBox* DataGodSettingsDialog::countGroup()
{
    auto* group = new QGroupBox(DataGodText::countGroup(), this);
    QHBoxLayout* row = rowOf(group);
    for (std::size_t i = 0; i < kCountIds.size(); ++i) {
        const int count = DataGodSettings::kMinCount + int(i);
        row->addWidget(
            addChoice(m_countButtons, kCountIds[i], QString::number(count), count == m_choices.predictionCount));
    }
    row->addStretch();
    return group;
}

QGroupBox* DataGodSettingsDialog::amountGroup()
{
    auto* group = new QGroupBox(DataGodText::amountGroup(), this);
    QHBoxLayout* row = rowOf(group);
    for (std::size_t i = 0; i < kAmountIds.size(); ++i) {
        const int amount = DataGodSettings::kDataAmounts[i];
        row->addWidget(
            addChoice(m_amountButtons, kAmountIds[i], PredictText::dataAmount(amount), amount == m_choices.dataAmount));
    }
    row->addStretch();
    return group;
}

QGroupBox* DataGodSettingsDialog::priorityGroup()
{
    auto* group = new QGroupBox(DataGodText::priorityGroup(), this);
    QHBoxLayout* row = rowOf(group);
    row->addWidget(addChoice(m_priorityButtons, kFrequentId, DataGodText::preferFrequent(), m_choices.preferFrequent));
    row->addWidget(addChoice(m_priorityButtons, kRareId, DataGodText::preferRare(), !m_choices.preferFrequent));
    row->addStretch();

    const DialogUnits units(fontMetrics());
    m_weightDisplay = new QLabel(QString::number(m_weight), group);
    identified(m_weightDisplay, kWeightDisplayId);
    m_weightDisplay->setAlignment(Qt::AlignCenter);
    m_weightDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_weightDisplay->setFixedSize(qMax(units.x(16), fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8),
                                  qMax(units.y(10), fontMetrics().height() + 4));
    auto* spin = new UpDownControl(Qt::Horizontal, kWeightSpinId, group);
    spin->setFixedSize(m_weightDisplay->height() * 2, m_weightDisplay->height());
    connect(spin, &UpDownControl::stepped, this, &DataGodSettingsDialog::stepWeight);

    auto* weightRow = new QHBoxLayout;
    weightRow->setSpacing(0);
    weightRow->addWidget(m_weightDisplay);
    weightRow->addWidget(spin);
    auto* weight = new QVBoxLayout;
    weight->setSpacing(2);
    weight->addWidget(new QLabel(DataGodText::weightLabel(), group));
    weight->addLayout(weightRow);
    row->addLayout(weight);
    return group;
}

QGroupBox* DataGodSettingsDialog::predictingGroup()
{
    auto* group = new QGroupBox(DataGodText::predictingGroup(), this);
    auto* column = new QVBoxLayout(group);
    column->addWidget(addChoice(m_predictingButtons, kShowId, DataGodText::showPredicting(), m_choices.showPredicting));
    column->addWidget(
        addChoice(m_predictingButtons, kHideId, DataGodText::hidePredicting(), !m_choices.showPredicting));
    return group;
}

void DataGodSettingsDialog::stepWeight(int delta)
{
    m_weight = qBound(0, m_weight + delta, DataGodSettings::kMaxWeight);
    m_weightDisplay->setText(QString::number(m_weight));
}

void DataGodSettingsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->geometry().center() - rect().center());
}

std::optional<DataGodSettings> DataGodSettingsDialog::checkedSettings() const
{
    const auto missing = [](const UserMessage& message) {
        MessageService::show(message, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return std::nullopt;
    };
    const auto countAt = std::find(kCountIds.cbegin(), kCountIds.cend(), m_countButtons.checkedId());
    if (countAt == kCountIds.cend())
        return missing(DataGodText::chooseCount());
    const auto amountAt = std::find(kAmountIds.cbegin(), kAmountIds.cend(), m_amountButtons.checkedId());
    if (amountAt == kAmountIds.cend())
        return missing(DataGodText::chooseAmount());
    if (m_priorityButtons.checkedId() < 0)
        return missing(DataGodText::choosePriority());
    if (m_predictingButtons.checkedId() < 0)
        return missing(DataGodText::choosePredicting());

    DataGodSettings settings;
    settings.predictionCount = DataGodSettings::kMinCount + int(countAt - kCountIds.cbegin());
    settings.dataAmount = DataGodSettings::kDataAmounts[std::size_t(amountAt - kAmountIds.cbegin())];
    settings.preferFrequent = m_priorityButtons.checkedId() == kFrequentId;
    settings.appearanceWeight = m_weight;
    settings.showPredicting = m_predictingButtons.checkedId() == kShowId;
    return settings;
}

void DataGodSettingsDialog::accept()
{
    // A group without a choice would send values the gods do not know: the dialog
    // stays open instead.
    const std::optional<DataGodSettings> chosen = checkedSettings();
    if (!chosen)
        return;
    m_choices = *chosen;
    QDialog::accept();
    Q_EMIT dataGodRequested(*chosen);
}
