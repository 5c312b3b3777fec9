#pragma once

#include <QDateTime>
#include <QDialog>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>

#include "core/predict/Oracle.h"
#include "gui/kit/DialogUnits.h"

class BitmapButton;
class QComboBox;
class QLabel;
class UpDownControl;

/**
 * The random god: asked by the luck of the moment, a birthday, a lucky colour or a three-digit lucky
 * number, it answers with seven different numbers. Every screen is a picture carrying the god's words
 * with the controls of its step over it. Modeless, on top, one at a time.
 */
class RandomGodDialog : public QDialog {
    Q_OBJECT

public:
    /** Where the dialog reads the date and time; tests set a fixed one, an empty clock is the system's. */
    using Clock = std::function<QDateTime()>;
    static void setClock(Clock clock);

    /**
     * Opens the dialog into dialog, on its greeting, centred on the screen, over owner's window; the one it holds
     * is raised.
     */
    static RandomGodDialog* open(QPointer<RandomGodDialog>& dialog, QWidget& owner);

    /** The four ways of asking, in the order of their buttons and menu commands. */
    enum class Mode { Moment, Birthday, Colour, Number };

    /** WM_ORACLE_SELECT: goes straight to the mode's step, as its button does. */
    void selectMode(Mode mode);

Q_SIGNALS:
    /** The dialog moved; topLeft is its client area's corner on the screen. */
    void moved(const QPoint& topLeft);

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    enum class Screen { Greeting, ModeChoice, Input, Answer };

    explicit RandomGodDialog(QWidget& owner);

    void createControls();
    void createBirthdayLists();
    void createColourButtons();
    void createLuckyNumber();
    /** A pictured button of the dialog's size for buttons, its top-left corner in dialog units. */
    BitmapButton* addButton(const QString& name, const QString& help, int pictureId, QPoint placeUnits);

    void askForHelp();
    void chooseColour(int colour);
    void stepDigit(std::size_t place, int delta);
    void askTheGod();
    void showAnswer(std::uint32_t seed);
    void showScreen(Screen screen, int backgroundPicture);
    void showLuckyNumber();
    /** A pixel position of the original screens, scaled as the dialog units are. */
    QPoint scaledPixels(int x, int y) const;

    DialogUnits m_units;
    Mode m_mode = Mode::Moment;
    int m_colour = 0;
    std::array<int, 3> m_digits{};

    QLabel* m_background = nullptr;
    BitmapButton* m_understood = nullptr;
    BitmapButton* m_pleaseHelp = nullptr;
    std::array<BitmapButton*, 4> m_modeButtons{};
    BitmapButton* m_ask = nullptr;
    BitmapButton* m_cancel = nullptr;
    std::array<QLabel*, Oracle::kAnswerSize> m_answer{};
    QComboBox* m_month = nullptr;
    QComboBox* m_day = nullptr;
    std::array<BitmapButton*, Oracle::kColourCount> m_colours{};
    std::array<QLabel*, 3> m_digitLabels{};
    std::array<UpDownControl*, 3> m_spins{};
    QLabel* m_luckyNumber = nullptr;

    static inline Clock s_clock;
};
