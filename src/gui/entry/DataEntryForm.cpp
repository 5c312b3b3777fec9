#include "gui/entry/DataEntryForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "core/text/ChanceText.h"
#include "core/text/EntryText.h"
#include "gui/entry/DataEntryDrawings.h"
#include "gui/entry/RegistrantButton.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/Named.h"
#include "gui/kit/UpDownControl.h"

namespace {

const QString kWidestResult = QStringLiteral("xx. xx. xx. xx. xx. xx");
const QString kWidestStatistics = QStringLiteral("【 平 均 】 22.222    【 σ 値 】 12.222");

// Every control of the form shows a help popup: an empty one until it is given a text.
template <typename Control>
Control* withHelp(Control* control)
{
    ControlHelp::attach(control, {});
    return control;
}

// A push-like radio button with a picture: sunken while it is the chosen one.
class PictureRadioButton : public BitmapButton {
public:
    PictureRadioButton(const QString& name, int pictureId, QWidget* parent) : BitmapButton(name, pictureId, parent)
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

BitmapButton* pictureButton(const QString& name, const QString& caption, int pictureId, QSize size, QWidget* parent)
{
    auto* button = withHelp(new BitmapButton(name, pictureId, parent));
    button->setText(caption);
    button->setFixedSize(size);
    return button;
}

QLineEdit* edit(const QString& name, bool readOnly, const QString& widest, QWidget* parent)
{
    auto* field = withHelp(named(new QLineEdit(parent), name));
    field->setReadOnly(readOnly);
    field->setAlignment(readOnly ? Qt::AlignLeft : Qt::AlignCenter);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest) + field->fontMetrics().height());
    return field;
}

QLineEdit* drawEdit(const QString& name, bool readOnly, QWidget* parent)
{
    auto* field = edit(name, readOnly, QStringLiteral("99999"), parent);
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
    attachHelp();
}

void DataEntryForm::attachHelp()
{
    ControlHelp::attach(appendButton, EntryText::appendHelp());
    ControlHelp::attach(deleteLastButton, EntryText::deleteLastHelp());
    ControlHelp::attach(modifyButton, EntryText::modifyHelp());
    ControlHelp::attach(registrantButtons[0], EntryText::firstRegistrantButtonHelp());
    ControlHelp::attach(drawSpin, EntryText::drawSpinHelp());
    ControlHelp::attach(averageButton, EntryText::averageHelp());
    ControlHelp::attach(cardButton, EntryText::numberCardButtonHelp());
    ControlHelp::attach(cancelButton, HelpText::cancelButtonPopup());
    for (int slot = 1; slot <= kRegistrantSlots; ++slot)
        ControlHelp::attach(registrantRadios->button(slot), EntryText::registrantRadioHelp(slot));
}

QGridLayout* DataEntryForm::numberBoxGrid(QDialog* dialog, const Sizes& sizes)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(sizes.line);
    grid->setVerticalSpacing(2);
    for (int n = 1; n <= kNumberCount; ++n) {
        auto* box = withHelp(
            named(new QCheckBox(EntryText::numberBoxCaption(n), dialog), QStringLiteral("numberBox%1").arg(n)));
        numberBoxes[std::size_t(n - 1)] = box;
        grid->addWidget(box, (n - 1) % 10, (n - 1) / 10);
    }
    return grid;
}

QGroupBox* DataEntryForm::historyGroup(QDialog* dialog, const Sizes& sizes)
{
    auto* history = new QGroupBox(EntryText::historyEditGroup(), dialog);
    auto* grid = new QGridLayout(history);
    drawField = drawEdit(QStringLiteral("drawField"), false, history);
    addDrawRow(grid, 0, 0, drawField, history);
    appendButton =
        pictureButton(QStringLiteral("appendButton"), EntryText::appendCaption(), 135, sizes.button, history);
    grid->addWidget(appendButton, 0, 3, 1, 2, Qt::AlignRight);
    deleteLastButton = pictureButton(QStringLiteral("deleteLastButton"), {}, 148, sizes.button, history);
    modifyButton = pictureButton(QStringLiteral("modifyButton"), {}, 149, sizes.button, history);
    grid->addWidget(deleteLastButton, 1, 0, 1, 4);
    grid->addWidget(modifyButton, 1, 4);
    grid->setColumnStretch(3, 1);
    return history;
}

QGroupBox* DataEntryForm::statisticsGroup(QDialog* dialog)
{
    auto* statistics = new QGroupBox(EntryText::historyStatisticsGroup(), dialog);
    auto* grid = new QGridLayout(statistics);
    averageEdit = edit(QStringLiteral("averageEdit"), true, kWidestStatistics, statistics);
    sigmaEdit = edit(QStringLiteral("sigmaEdit"), true, kWidestStatistics, statistics);
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
        registrantButtons[i] = withHelp(new RegistrantButton(slot, predictions));
        registrantButtons[i]->setMinimumHeight(sizes.line + 10);
        predictionDrawEdits[i] = drawEdit(QStringLiteral("predictionDrawEdit%1").arg(slot), false, predictions);
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
    browsedDrawEdit = drawEdit(QStringLiteral("browsedDrawEdit"), true, results);
    addDrawRow(grid, 0, 0, browsedDrawEdit, results);
    drawSpin = withHelp(new UpDownControl(Qt::Horizontal, QStringLiteral("drawSpin"), results));
    drawSpin->setFixedSize(sizes.spin);
    grid->addWidget(drawSpin, 0, 3);
    grid->addWidget(label(EntryText::resultLabel(), results), 0, 4, Qt::AlignRight);
    resultEdit = edit(QStringLiteral("resultEdit"), true, kWidestResult, results);
    grid->addWidget(resultEdit, 0, 5);
    predictionLabelEdit = edit(QStringLiteral("predictionLabelEdit"), true, EntryText::predictionLabel(99), results);
    grid->addWidget(predictionLabelEdit, 1, 0, 1, 3);
    predictionSpin = withHelp(new UpDownControl(Qt::Horizontal, QStringLiteral("predictionSpin"), results));
    predictionSpin->setFixedSize(sizes.spin);
    grid->addWidget(predictionSpin, 1, 3);
    predictionEdit = edit(QStringLiteral("predictionEdit"), true, kWidestResult, results);
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
        auto* radio =
            withHelp(new PictureRadioButton(QStringLiteral("registrantRadio%1").arg(slot), 269 + slot, results));
        radio->setText(EntryText::registrantRadioCaption(slot));
        radio->setFixedSize(sizes.chip);
        registrantRadios->addButton(radio, slot);
        row->addWidget(radio);
    }
    row->addStretch();
    deletePredictionButton = pictureButton(QStringLiteral("deletePredictionButton"), {}, 335, sizes.button, results);
    row->addWidget(deletePredictionButton);
    return row;
}

QGroupBox* DataEntryForm::selectionGroup(QDialog* dialog, const Sizes& sizes)
{
    auto* selection = new QGroupBox(EntryText::selectionStatisticsGroup(), dialog);
    auto* row = new QHBoxLayout(selection);
    selectionEdit = edit(QStringLiteral("selectionEdit"), true, kWidestStatistics, selection);
    averageButton =
        pictureButton(QStringLiteral("averageButton"), EntryText::averageCaption(), 137, sizes.button, selection);
    row->addWidget(selectionEdit, 1);
    row->addWidget(averageButton);
    return selection;
}

QHBoxLayout* DataEntryForm::closingButtonRow(QDialog* dialog, const Sizes& sizes)
{
    cardButton = pictureButton(QStringLiteral("cardButton"), EntryText::numberCardCaption(), 152, sizes.button, dialog);
    homePageButton =
        pictureButton(QStringLiteral("homePageButton"), EntryText::homePageCaption(), 330, sizes.button, dialog);
    cancelButton =
        pictureButton(QStringLiteral("cancelButton"), EntryText::dataEntryCancelCaption(), 392, sizes.button, dialog);
    okButton = withHelp(named(new QPushButton(EntryText::dataEntryOkCaption(), dialog), QStringLiteral("okButton")));
    okButton->hide();
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : {static_cast<QWidget*>(cardButton), static_cast<QWidget*>(homePageButton),
                            static_cast<QWidget*>(cancelButton)})
        row->addWidget(button);
    return row;
}
