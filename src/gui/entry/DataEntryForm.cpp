#include "entry/DataEntryForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

#include "kit/BitmapButton.h"
#include "kit/CanvasText.h"
#include "kit/ControlId.h"
#include "kit/UpDownControl.h"
#include "entry/DataEntryDrawings.h"
#include "entry/RegistrantButton.h"
#include "text/EntryText.h"

namespace {

// A control whose help text is its resource name carries that name; the others are known by id.
template <typename Control>
Control* identifiedByResource(Control* control, int controlId)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    const QString help = EntryText::dataEntryHelp(controlId);
    return identifier.match(help).hasMatch() ? identified(control, controlId, help) : identified(control, controlId);
}

// A push-like radio button with a picture: sunken while it is the chosen one.
class PictureRadioButton : public BitmapButton {
public:
    PictureRadioButton(int controlId, int pictureId, QWidget* parent) : BitmapButton(controlId, pictureId, parent)
    {
        setCheckable(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        BitmapButton::paintEvent(event);
        if (!isChecked())
            return;
        QPainter painter(this);
        CanvasText::drawEdge(painter, rect(), true);
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -3, -3));
    }
};

BitmapButton* pictureButton(int controlId, int pictureId, QSize size, QWidget* parent)
{
    auto* button = identifiedByResource(new BitmapButton(controlId, pictureId, parent), controlId);
    button->setText(EntryText::dataEntryCaption(controlId));
    button->setFixedSize(size);
    return button;
}

QLineEdit* edit(int controlId, bool readOnly, const QString& widest, QWidget* parent)
{
    auto* field = identifiedByResource(new QLineEdit(parent), controlId);
    field->setReadOnly(readOnly);
    field->setAlignment(readOnly ? Qt::AlignLeft : Qt::AlignCenter);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest) + field->fontMetrics().height());
    return field;
}

QLineEdit* drawEdit(int controlId, bool readOnly, QWidget* parent)
{
    auto* field = edit(controlId, readOnly, QStringLiteral("99999"), parent);
    field->setAlignment(Qt::AlignCenter);
    field->setMaximumWidth(field->minimumWidth());
    return field;
}

QLabel* label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

// "第" field "回", as the dialog writes every draw number.
void addDrawRow(QGridLayout* grid, int row, int column, QLineEdit* field, QWidget* parent)
{
    grid->addWidget(label(EntryText::drawLabelBefore(), parent), row, column);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(label(EntryText::drawLabelAfter(), parent), row, column + 2);
}

} // namespace

DataEntryForm::DataEntryForm(QDialog* dialog)
{
    const QFontMetrics metrics(dialog->font());
    const int line = metrics.height();
    // Picture buttons keep their pictures' proportions, so that the words on them are not squeezed.
    const QSize buttonSize(line * 2 * DataEntryDrawings::kButtonSize.width() / DataEntryDrawings::kButtonSize.height(),
                           line * 2);
    const QSize chipSize(line * 2 * DataEntryDrawings::kChipSize.width() / DataEntryDrawings::kChipSize.height(),
                         line * 2);
    const QSize spinSize(line * 2 + 4, line + 8);
    const QString widestResult = QStringLiteral("xx. xx. xx. xx. xx. xx");
    const QString widestStatistics = QStringLiteral("【 平 均 】 22.222    【 σ 値 】 12.222");

    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(line);
    numbers->setVerticalSpacing(2);
    for (int n = 1; n <= kNumberCount; ++n) {
        const int id = kFirstNumberBoxId + n - 1;
        auto* box = identifiedByResource(new QCheckBox(EntryText::dataEntryCaption(id), dialog), id);
        numberBoxes[std::size_t(n - 1)] = box;
        numbers->addWidget(box, (n - 1) % 10, (n - 1) / 10);
    }

    auto* history = new QGroupBox(EntryText::historyEditGroup(), dialog);
    auto* historyGrid = new QGridLayout(history);
    drawField = drawEdit(1100, false, history);
    addDrawRow(historyGrid, 0, 0, drawField, history);
    appendButton = pictureButton(1088, 135, buttonSize, history);
    historyGrid->addWidget(appendButton, 0, 3, 1, 2, Qt::AlignRight);
    deleteLastButton = pictureButton(1214, 148, buttonSize, history);
    modifyButton = pictureButton(1215, 149, buttonSize, history);
    historyGrid->addWidget(deleteLastButton, 1, 0, 1, 4);
    historyGrid->addWidget(modifyButton, 1, 4);
    historyGrid->setColumnStretch(3, 1);

    auto* statistics = new QGroupBox(EntryText::historyStatisticsGroup(), dialog);
    auto* statisticsGrid = new QGridLayout(statistics);
    averageEdit = edit(1091, true, widestStatistics, statistics);
    sigmaEdit = edit(1098, true, widestStatistics, statistics);
    statisticsGrid->addWidget(label(EntryText::averageLabel(), statistics), 0, 0);
    statisticsGrid->addWidget(averageEdit, 0, 1);
    statisticsGrid->addWidget(label(EntryText::sigmaLabel(), statistics), 1, 0);
    statisticsGrid->addWidget(sigmaEdit, 1, 1);

    auto* predictions = new QGroupBox(EntryText::predictionEntryGroup(), dialog);
    auto* predictionGrid = new QGridLayout(predictions);
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const auto i = std::size_t(slot - 1);
        registrantButtons[i] = new RegistrantButton(slot, kRegistrantButtonIds[i], predictions);
        identifiedByResource(registrantButtons[i], kRegistrantButtonIds[i]);
        registrantButtons[i]->setMinimumHeight(line + 10);
        predictionDrawEdits[i] = drawEdit(kPredictionDrawIds[i], false, predictions);
        predictionGrid->addWidget(registrantButtons[i], slot - 1, 0);
        addDrawRow(predictionGrid, slot - 1, 1, predictionDrawEdits[i], predictions);
    }
    predictionGrid->setColumnStretch(0, 1);

    auto* results = new QGroupBox(EntryText::resultsGroup(), dialog);
    auto* resultGrid = new QGridLayout(results);
    browsedDrawEdit = drawEdit(1095, true, results);
    addDrawRow(resultGrid, 0, 0, browsedDrawEdit, results);
    drawSpin = identifiedByResource(new UpDownControl(Qt::Horizontal, 1101, results), 1101);
    drawSpin->setFixedSize(spinSize);
    resultGrid->addWidget(drawSpin, 0, 3);
    resultGrid->addWidget(label(EntryText::resultLabel(), results), 0, 4, Qt::AlignRight);
    resultEdit = edit(1097, true, widestResult, results);
    resultGrid->addWidget(resultEdit, 0, 5);
    predictionLabelEdit = edit(1293, true, EntryText::predictionLabel(99), results);
    resultGrid->addWidget(predictionLabelEdit, 1, 0, 1, 3);
    predictionSpin = new UpDownControl(Qt::Horizontal, 1291, results);
    predictionSpin->setFixedSize(spinSize);
    resultGrid->addWidget(predictionSpin, 1, 3);
    predictionEdit = edit(1096, true, widestResult, results);
    resultGrid->addWidget(predictionEdit, 1, 4, 1, 2);
    auto* radioRow = new QHBoxLayout;
    registrantRadios = new QButtonGroup(dialog);
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const int id = kFirstRadioId + slot - 1;
        auto* radio = identifiedByResource(new PictureRadioButton(id, 269 + slot, results), id);
        radio->setText(EntryText::dataEntryCaption(id));
        radio->setFixedSize(chipSize);
        registrantRadios->addButton(radio, slot);
        radioRow->addWidget(radio);
    }
    radioRow->addStretch();
    deletePredictionButton = pictureButton(1375, 335, buttonSize, results);
    radioRow->addWidget(deletePredictionButton);
    resultGrid->addLayout(radioRow, 2, 0, 1, 6);
    resultGrid->setColumnStretch(5, 1);

    auto* selection = new QGroupBox(EntryText::selectionStatisticsGroup(), dialog);
    auto* selectionRow = new QHBoxLayout(selection);
    selectionEdit = edit(1092, true, widestStatistics, selection);
    averageButton = pictureButton(1089, 137, buttonSize, selection);
    selectionRow->addWidget(selectionEdit, 1);
    selectionRow->addWidget(averageButton);

    cardButton = pictureButton(1216, 152, buttonSize, dialog);
    homePageButton = pictureButton(1329, 330, buttonSize, dialog);
    cancelButton = pictureButton(2, 392, buttonSize, dialog);
    okButton = identifiedByResource(new QPushButton(EntryText::dataEntryCaption(1), dialog), 1);
    okButton->hide();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QWidget* button : {static_cast<QWidget*>(cardButton), static_cast<QWidget*>(homePageButton),
                            static_cast<QWidget*>(cancelButton)})
        buttonRow->addWidget(button);

    auto* left = new QVBoxLayout;
    left->addLayout(numbers);
    left->addWidget(history);
    left->addWidget(statistics);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(predictions);
    right->addWidget(results);
    right->addWidget(selection);
    right->addStretch();
    right->addLayout(buttonRow);
    auto* columns = new QHBoxLayout(dialog);
    columns->addLayout(left);
    columns->addLayout(right, 1);
    columns->setSizeConstraint(QLayout::SetFixedSize);
}
