#pragma once

#include <QButtonGroup>
#include <QDialog>

#include <optional>

#include "core/predict/DataGodSettings.h"

class QGroupBox;
class QLabel;
class QRadioButton;

/**
 * The modal dialog in which the user chooses how the five data gods work. It
 * opens on the choices it is given and, on OK, stores the new ones there and
 * asks for the computation with them; Cancel leaves the choices as they were.
 */
class DataGodSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit DataGodSettingsDialog(DataGodSettings& choices, QWidget* parent = nullptr);

    void accept() override;

Q_SIGNALS:
    /** The gods are to compute with the chosen settings; sent once the dialog has ended. */
    void dataGodRequested(const DataGodSettings& settings);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* countGroup();
    QGroupBox* amountGroup();
    QGroupBox* priorityGroup();
    QGroupBox* predictingGroup();
    /** A radio button named name in group, where choice is its id. */
    QRadioButton* addChoice(QButtonGroup& group, int choice, const QString& name, const QString& text, bool checked);
    void stepWeight(int delta);
    /** The settings of the checked buttons, or none after telling the user which
     * group has no choice. */
    std::optional<DataGodSettings> checkedSettings() const;

    DataGodSettings& m_choices;
    QButtonGroup m_countButtons;
    QButtonGroup m_amountButtons;
    QButtonGroup m_priorityButtons;
    QButtonGroup m_predictingButtons;
    QLabel* m_weightDisplay = nullptr;
    int m_weight;
};
