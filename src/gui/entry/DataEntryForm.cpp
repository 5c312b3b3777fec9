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

#include "entry/DataEntryDrawings.h"
#include "entry/RegistrantButton.h"
#include "kit/BitmapButton.h"
#include "kit/CanvasText.h"
#include "kit/ControlId.h"
#include "kit/UpDownControl.h"
#include "text/ChanceText.h"
#include "text/EntryText.h"

namespace {

const QString kWidestResult = QStringLiteral("xx. xx. xx. xx. xx. xx");
const QString kWidestStatistics = QStringLiteral("【 平 均 】 22.222    【 σ 値 】 12.222");

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

// Picture buttons keep their pictures' proportions, so that the words on them are not squeezed.
QSize keepingProportions(QSize picture, int height)
{
    return QSize(height * picture.width() / picture.height(), height);
}

} // namespace

// The sizes the controls take from the dialog's font.
struct DataEntryForm::Sizes {
    explicit Sizes(const QFont& font)
        : line(QFontMetrics(font).height()), button(keepingProportions(DataEntryDrawings::kButtonSize, line * 2)),
          chip(keepingProportions(DataEntryDrawings::kChipSize, line * 2)), spin(line * 2 + 4, line + 8)
    {
    }

    int line;
    QSize button;
    QSize chip;
    QSize spin;
};

DataEntryForm::DataEntryForm(QDialog* dialog)
{
    const Sizes sizes(dialog->font());
    QGridLayout* numbers = numberBoxGrid(dialog, sizes);
    QGroupBox* history = historyGroup(dialog, sizes);
    QGroupBox* statistics = statisticsGroup(dialog);
    QGroupBox* predictions = predictionGroup(dialog, sizes);
    QGroupBox* results = resultGroup(dialog, sizes);
    QGroupBox* selection = selectionGroup(dialog, sizes);
    QHBoxLayout* buttonRow = closingButtonRow(dialog, sizes);

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

QGridLayout* DataEntryForm::numberBoxGrid(QDialog* dialog, const Sizes& sizes)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(sizes.line);
    grid->setVerticalSpacing(2);
    for (int n = 1; n <= kNumberCount; ++n) {
        const int id = kFirstNumberBoxId + n - 1;
        auto* box = identifiedByResource(new QCheckBox(EntryText::dataEntryCaption(id), dialog), id);
        numberBoxes[std::size_t(n - 1)] = box;
        grid->addWidget(box, (n - 1) % 10, (n - 1) / 10);
    }
    return grid;
}

QGroupBox* DataEntryForm::historyGroup(QDialog* dialog, const Sizes& sizes)
{
    auto* history = new QGroupBox(EntryText::historyEditGroup(), dialog);
    auto* grid = new QGridLayout(history);
    drawField = drawEdit(1100, false, history);
    addDrawRow(grid, 0, 0, drawField, history);
    appendButton = pictureButton(1088, 135, sizes.button, history);
    grid->addWidget(appendButton, 0, 3, 1, 2, Qt::AlignRight);
    deleteLastButton = pictureButton(1214, 148, sizes.button, history);
    modifyButton = pictureButton(1215, 149, sizes.button, history);
    grid->addWidget(deleteLastButton, 1, 0, 1, 4);
    grid->addWidget(modifyButton, 1, 4);
    grid->setColumnStretch(3, 1);
    return history;
}

QGroupBox* DataEntryForm::statisticsGroup(QDialog* dialog)
{
    auto* statistics = new QGroupBox(EntryText::historyStatisticsGroup(), dialog);
    auto* grid = new QGridLayout(statistics);
    averageEdit = edit(1091, true, kWidestStatistics, statistics);
    sigmaEdit = edit(1098, true, kWidestStatistics, statistics);
    grid->addWidget(label(EntryText::averageLabel(), statistics), 0, 0);
    grid->addWidget(averageEdit, 0, 1);
    grid->addWidget(label(EntryText::sigmaLabel(), statistics), 1, 0);
    grid->addWidget(sigmaEdit, 1, 1);
    // The figures describe the past; they do not make any six numbers likelier.
    auto* note = label(ChanceText::equallyLikely(), statistics);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 2);
    return statistics;
}

QGroupBox* DataEntryForm::predictionGroup(QDialog* dialog, const Sizes& sizes)
{
    auto* predictions = new QGroupBox(EntryText::predictionEntryGroup(), dialog);
    auto* grid = new QGridLayout(predictions);
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const auto i = std::size_t(slot - 1);
        registrantButtons[i] = new RegistrantButton(slot, kRegistrantButtonIds[i], predictions);
        identifiedByResource(registrantButtons[i], kRegistrantButtonIds[i]);
        registrantButtons[i]->setMinimumHeight(sizes.line + 10);
        predictionDrawEdits[i] = drawEdit(kPredictionDrawIds[i], false, predictions);
        grid->addWidget(registrantButtons[i], slot - 1, 0);
        addDrawRow(grid, slot - 1, 1, predictionDrawEdits[i], predictions);
    }
    grid->setColumnStretch(0, 1);
    return predictions;
}

QGroupBox* DataEntryForm::resultGroup(QDialog* dialog, const Sizes& sizes)
{
    auto* results = new QGroupBox(EntryText::resultsGroup(), dialog);
    auto* grid = new QGridLayout(results);
    browsedDrawEdit = drawEdit(1095, true, results);
    addDrawRow(grid, 0, 0, browsedDrawEdit, results);
    drawSpin = identifiedByResource(new UpDownControl(Qt::Horizontal, 1101, results), 1101);
    drawSpin->setFixedSize(sizes.spin);
    grid->addWidget(drawSpin, 0, 3);
    grid->addWidget(label(EntryText::resultLabel(), results), 0, 4, Qt::AlignRight);
    resultEdit = edit(1097, true, kWidestResult, results);
    grid->addWidget(resultEdit, 0, 5);
    predictionLabelEdit = edit(1293, true, EntryText::predictionLabel(99), results);
    grid->addWidget(predictionLabelEdit, 1, 0, 1, 3);
    predictionSpin = new UpDownControl(Qt::Horizontal, 1291, results);
    predictionSpin->setFixedSize(sizes.spin);
    grid->addWidget(predictionSpin, 1, 3);
    predictionEdit = edit(1096, true, kWidestResult, results);
    grid->addWidget(predictionEdit, 1, 4, 1, 2);
    grid->addLayout(registrantRadioRow(dialog, results, sizes), 2, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    return results;
}

QHBoxLayout* DataEntryForm::registrantRadioRow(QDialog* dialog, QGroupBox* results, const Sizes& sizes)
{
    auto* row = new QHBoxLayout;
    registrantRadios = new QButtonGroup(dialog);
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const int id = kFirstRadioId + slot - 1;
        auto* radio = identifiedByResource(new PictureRadioButton(id, 269 + slot, results), id);
        radio->setText(EntryText::dataEntryCaption(id));
        radio->setFixedSize(sizes.chip);
        registrantRadios->addButton(radio, slot);
        row->addWidget(radio);
    }
    row->addStretch();
    deletePredictionButton = pictureButton(1375, 335, sizes.button, results);
    row->addWidget(deletePredictionButton);
    return row;
}

QGroupBox* DataEntryForm::selectionGroup(QDialog* dialog, const Sizes& sizes)
{
    auto* selection = new QGroupBox(EntryText::selectionStatisticsGroup(), dialog);
    auto* row = new QHBoxLayout(selection);
    selectionEdit = edit(1092, true, kWidestStatistics, selection);
    averageButton = pictureButton(1089, 137, sizes.button, selection);
    row->addWidget(selectionEdit, 1);
    row->addWidget(averageButton);
    return selection;
}

QHBoxLayout* DataEntryForm::closingButtonRow(QDialog* dialog, const Sizes& sizes)
{
    cardButton = pictureButton(1216, 152, sizes.button, dialog);
    homePageButton = pictureButton(1329, 330, sizes.button, dialog);
    cancelButton = pictureButton(2, 392, sizes.button, dialog);
    okButton = identifiedByResource(new QPushButton(EntryText::dataEntryCaption(1), dialog), 1);
    okButton->hide();
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : {static_cast<QWidget*>(cardButton), static_cast<QWidget*>(homePageButton),
                            static_cast<QWidget*>(cancelButton)})
        row->addWidget(button);
    return row;
}
