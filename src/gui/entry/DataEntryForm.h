#pragma once

#include <array>

#include "core/store/HistoryFormat.h"
#include "core/store/Registrants.h"

class BitmapButton;
class QButtonGroup;
class QCheckBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class RegistrantButton;
class UpDownControl;

/**
 * The controls of the data-entry dialog and where they stand, each named as its member and carrying its
 * help; the dialog gives them their behaviour.
 */
struct DataEntryForm {
    /** Creates every control inside dialog and lays them out. */
    explicit DataEntryForm(QDialog* dialog);

    std::array<QCheckBox*, kNumberCount> numberBoxes{};
    QLineEdit* drawField = nullptr;
    BitmapButton* appendButton = nullptr;
    BitmapButton* deleteLastButton = nullptr;
    BitmapButton* modifyButton = nullptr;

    std::array<RegistrantButton*, kRegistrantSlots> registrantButtons{};
    std::array<QLineEdit*, kRegistrantSlots> predictionDrawEdits{};

    QLineEdit* browsedDrawEdit = nullptr;
    UpDownControl* drawSpin = nullptr;
    QLineEdit* resultEdit = nullptr;
    QLineEdit* predictionLabelEdit = nullptr;
    UpDownControl* predictionSpin = nullptr;
    QLineEdit* predictionEdit = nullptr;
    QButtonGroup* registrantRadios = nullptr; ///< button ids: the slots 1 … 5
    BitmapButton* deletePredictionButton = nullptr;

    QLineEdit* averageEdit = nullptr;
    QLineEdit* sigmaEdit = nullptr;
    QLineEdit* selectionEdit = nullptr;
    BitmapButton* averageButton = nullptr;

    BitmapButton* cardButton = nullptr;
    BitmapButton* homePageButton = nullptr;
    BitmapButton* cancelButton = nullptr;
    QPushButton* okButton = nullptr; ///< hidden

private:
    struct Sizes;

    QGridLayout* numberBoxGrid(QDialog* dialog, const Sizes& sizes);
    QGroupBox* historyGroup(QDialog* dialog, const Sizes& sizes);
    QGroupBox* statisticsGroup(QDialog* dialog);
    QGroupBox* predictionGroup(QDialog* dialog, const Sizes& sizes);
    QGroupBox* resultGroup(QDialog* dialog, const Sizes& sizes);
    QHBoxLayout* registrantRadioRow(QDialog* dialog, QGroupBox* results, const Sizes& sizes);
    QGroupBox* selectionGroup(QDialog* dialog, const Sizes& sizes);
    QHBoxLayout* closingButtonRow(QDialog* dialog, const Sizes& sizes);
    void attachHelp();
};
