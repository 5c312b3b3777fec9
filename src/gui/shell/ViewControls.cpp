#include "gui/shell/ViewControls.h"

#include "gui/kit/Named.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/UpDownControl.h"
#include "gui/kit/WeightingButton.h"

ViewControls::ViewControls(const QFont& buttonFont, QWidget& view)
    : QObject(&view), m_zoomSpin(new UpDownControl(Qt::Vertical, QStringLiteral("zoomSpin"), &view)),
      m_numberSpin(new UpDownControl(Qt::Horizontal, QStringLiteral("numberSpin"), &view)),
      m_weightingButton(named(new WeightingButton(buttonFont, &view), QStringLiteral("weightingButton")))
{
    m_zoomSpin->setGeometry(QRect(QPoint(1, 1), QPoint(ScreenScale::x(31) - 1, ScreenScale::y(51) - 1)));
    m_numberSpin->setGeometry(ScreenScale::rect(240, 1, 270, 16));
    m_weightingButton->setGeometry(ScreenScale::rect(274, 1, 332, 19));
    hideAll();
    connect(m_zoomSpin, &UpDownControl::stepped, this, &ViewControls::zoomStepped);
    connect(m_numberSpin, &UpDownControl::stepped, this, &ViewControls::numberStepped);
    connect(m_weightingButton, &WeightingButton::clicked, this, &ViewControls::weightingClicked);
}

void ViewControls::showPatternControls()
{
    m_numberSpin->setGeometry(QRect(ScreenScale::x(240), ScreenScale::y(1), ScreenScale::x(30), ScreenScale::y(15)));
    m_weightingButton->setGeometry(
        QRect(ScreenScale::x(274), ScreenScale::y(1), ScreenScale::x(58), ScreenScale::y(18)));
    for (QWidget* control : {static_cast<QWidget*>(m_numberSpin), static_cast<QWidget*>(m_weightingButton)}) {
        control->raise();
        control->show();
    }
    showZoomSpin();
}

void ViewControls::showZoomSpin()
{
    m_zoomSpin->setGeometry(1, 1, ScreenScale::width() * 3 / 80, ScreenScale::height() / 12);
    m_zoomSpin->raise();
    m_zoomSpin->show();
}

void ViewControls::hideAll()
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_numberSpin, m_weightingButton, m_zoomSpin})
        control->hide();
}

void ViewControls::showWeighting(bool on)
{
    m_weightingButton->setWeighting(on);
}
