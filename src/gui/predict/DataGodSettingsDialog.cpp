#include "gui/predict/DataGodSettingsDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/predict/PredictValueText.h"
#include "core/text/EntryText.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/UpDownControl.h"
#include "gui/predict/DataGodPictures.h"
#include "gui/predict/DataGodText.h"

namespace {

constexpr int kOkPicture = 385;
constexpr int kCancelPicture = 386;
// The button-group ids of the two-way choices.
constexpr int kPreferFrequent = 1;
constexpr int kPreferRare = 0;
constexpr int kShowPredicting = 1;
constexpr int kHidePredicting = 0;

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
    setObjectName(QStringLiteral("DataGodSettingsDialog"));
    setWindowTitle(DataGodText::settingsTitle());
    setFont(JapaneseFonts::dialogFont());
    const DialogUnits units(fontMetrics());

    auto* okButton = new BitmapButton(QStringLiteral("okButton"), kOkPicture, this);
    okButton->setAccessibleName(DataGodText::showResultsButton());
    okButton->setDefault(true);
    okButton->setFixedSize(qMax(units.x(117), DataGodPictures::kShowResultsSize.width()),
                           qMax(units.y(19), DataGodPictures::kShowResultsSize.height()));
    auto* cancelButton = new BitmapButton(QStringLiteral("cancelButton"), kCancelPicture, this);
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

    new ContextHelpPopupFilter(this);
    ControlHelp::attach(okButton, HelpText::okButtonPopup());
    ControlHelp::attach(cancelButton, HelpText::cancelButtonPopup());
}

QRadioButton* DataGodSettingsDialog::addChoice(QButtonGroup& group, int choice, const QString& name,
                                               const QString& text, bool checked)
{
    auto* button = new QRadioButton(text, this);
    button->setObjectName(name);
    // Without help of its own, a choice shows an empty popup.
    ControlHelp::attach(button, {});
    button->setChecked(checked);
    group.addButton(button, choice);
    return button;
}

QGroupBox* DataGodSettingsDialog::countGroup()
{
    auto* group = new QGroupBox(DataGodText::countGroup(), this);
    QHBoxLayout* row = rowOf(group);
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count) {
        row->addWidget(addChoice(m_countButtons, count, QStringLiteral("countChoice%1").arg(count),
                                 QString::number(count), count == m_choices.predictionCount));
    }
    row->addStretch();
    return group;
}

QGroupBox* DataGodSettingsDialog::amountGroup()
{
    auto* group = new QGroupBox(DataGodText::amountGroup(), this);
    QHBoxLayout* row = rowOf(group);
    for (std::size_t i = 0; i < DataGodSettings::kDataAmounts.size(); ++i) {
        const int amount = DataGodSettings::kDataAmounts[i];
        row->addWidget(addChoice(m_amountButtons, int(i), QStringLiteral("amountChoice%1").arg(i + 1),
                                 PredictText::dataAmount(amount), amount == m_choices.dataAmount));
    }
    row->addStretch();
    return group;
}

QGroupBox* DataGodSettingsDialog::priorityGroup()
{
    auto* group = new QGroupBox(DataGodText::priorityGroup(), this);
    QHBoxLayout* row = rowOf(group);
    row->addWidget(addChoice(m_priorityButtons, kPreferFrequent, QStringLiteral("frequentChoice"),
                             DataGodText::preferFrequent(), m_choices.preferFrequent));
    row->addWidget(addChoice(m_priorityButtons, kPreferRare, QStringLiteral("rareChoice"), DataGodText::preferRare(),
                             !m_choices.preferFrequent));
    row->addStretch();

    const DialogUnits units(fontMetrics());
    m_weightDisplay = new QLabel(QString::number(m_weight), group);
    m_weightDisplay->setObjectName(QStringLiteral("weightDisplay"));
    ControlHelp::attach(m_weightDisplay, {});
    m_weightDisplay->setAlignment(Qt::AlignCenter);
    m_weightDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_weightDisplay->setFixedSize(qMax(units.x(16), fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8),
                                  qMax(units.y(10), fontMetrics().height() + 4));
    auto* spin = new UpDownControl(Qt::Horizontal, QStringLiteral("weightSpin"), group);
    ControlHelp::attach(spin, {});
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
    column->addWidget(addChoice(m_predictingButtons, kShowPredicting, QStringLiteral("showPredictingChoice"),
                                DataGodText::showPredicting(), m_choices.showPredicting));
    column->addWidget(addChoice(m_predictingButtons, kHidePredicting, QStringLiteral("hidePredictingChoice"),
                                DataGodText::hidePredicting(), !m_choices.showPredicting));
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
    // A group without a checked button answers -1.
    if (m_countButtons.checkedId() < 0)
        return missing(DataGodText::chooseCount());
    if (m_amountButtons.checkedId() < 0)
        return missing(DataGodText::chooseAmount());
    if (m_priorityButtons.checkedId() < 0)
        return missing(DataGodText::choosePriority());
    if (m_predictingButtons.checkedId() < 0)
        return missing(DataGodText::choosePredicting());

    DataGodSettings settings;
    settings.predictionCount = m_countButtons.checkedId();
    settings.dataAmount = DataGodSettings::kDataAmounts[std::size_t(m_amountButtons.checkedId())];
    settings.preferFrequent = m_priorityButtons.checkedId() == kPreferFrequent;
    settings.appearanceWeight = m_weight;
    settings.showPredicting = m_predictingButtons.checkedId() == kShowPredicting;
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
