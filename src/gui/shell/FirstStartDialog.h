#pragma once

#include <QDialog>

/**
 * The question of the very first start, before any data folder is made: try the bundled example, whose
 * draws are made up, or begin with the player's own draws.
 */
class FirstStartDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Example, CsvFile, UpdatePage, Quit };

    FirstStartDialog();

    /** Asks, and waits for the answer. */
    static Choice ask();

private:
    void addChoice(Choice choice, const QString& button, const QString& explanation, const QString& name);

    Choice m_choice = Choice::Quit;
};
