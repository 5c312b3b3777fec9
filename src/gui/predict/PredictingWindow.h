#pragma once

#include <QFrame>

#include <chrono>
#include <optional>

struct DataGodSettings;

/**
 * The captionless box in the middle of the screen while the data gods compute:
 * a banner, five looping animations and a Cancel button. While it shows, the
 * program's other windows take no input.
 */
class PredictingWindow : public QFrame {
    Q_OBJECT
public:
    explicit PredictingWindow(QWidget* owner);

    /** How long the window shows before the computation: the settings' waiting
     * time, or the test's. */
    static std::chrono::milliseconds displayTime(const DataGodSettings& settings);
    /** Replaces the settings' waiting time; tests shorten or lengthen it, nullopt
     * brings it back. */
    static void setDisplayTime(std::optional<std::chrono::milliseconds> time) { s_displayTime = time; }

Q_SIGNALS:
    /** The user wants the window gone (Cancel or Escape). */
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static inline std::optional<std::chrono::milliseconds> s_displayTime;
};
