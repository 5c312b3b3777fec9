#pragma once

#include <array>

#include "store/HistoryFormat.h"
#include "store/Registrants.h"

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
 * The controls of the data-entry dialog and where they stand; the dialog gives them their behaviour.
 * Every control carries its id (property "controlId") and its resource name or "id" + number.
 */
struct DataEntryForm {
    /** Creates every control inside dialog and lays them out. */
    explicit DataEntryForm(QDialog* dialog);

    std::array<QCheckBox*, kNumberCount> numberBoxes{};
    QLineEdit* drawField = nullptr;           ///< 1100
    BitmapButton* appendButton = nullptr;     ///< 1088
    BitmapButton* deleteLastButton = nullptr; ///< 1214
    BitmapButton* modifyButton = nullptr;     ///< 1215

    std::array<RegistrantButton*, kRegistrantSlots> registrantButtons{}; ///< 1090, 1093, 1094, 1106, 1108
    std::array<QLineEdit*, kRegistrantSlots> predictionDrawEdits{};      ///< 1102, 1103, 1104, 1105, 1107

    QLineEdit* browsedDrawEdit = nullptr;           ///< 1095
    UpDownControl* drawSpin = nullptr;              ///< 1101
    QLineEdit* resultEdit = nullptr;                ///< 1097
    QLineEdit* predictionLabelEdit = nullptr;       ///< 1293
    UpDownControl* predictionSpin = nullptr;        ///< 1291
    QLineEdit* predictionEdit = nullptr;            ///< 1096
    QButtonGroup* registrantRadios = nullptr;       ///< 1316 … 1320, button ids 1 … 5
    BitmapButton* deletePredictionButton = nullptr; ///< 1375

    QLineEdit* averageEdit = nullptr;      ///< 1091
    QLineEdit* sigmaEdit = nullptr;        ///< 1098
    QLineEdit* selectionEdit = nullptr;    ///< 1092
    BitmapButton* averageButton = nullptr; ///< 1089

    BitmapButton* cardButton = nullptr;     ///< 1216
    BitmapButton* homePageButton = nullptr; ///< 1329
    BitmapButton* cancelButton = nullptr;   ///< 2
    QPushButton* okButton = nullptr;        ///< 1, hidden

    /** Control ids of the registrant buttons and draw edits of slots 1 … 5. */
    static constexpr std::array<int, kRegistrantSlots> kRegistrantButtonIds{1090, 1093, 1094, 1106, 1108};
    static constexpr std::array<int, kRegistrantSlots> kPredictionDrawIds{1102, 1103, 1104, 1105, 1107};
    static constexpr int kFirstNumberBoxId = 1045;
    static constexpr int kFirstRadioId = 1316;

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
};
