#include "gui/shell/VersionDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ViewText.h"

namespace {

constexpr int kIconId = 200;
constexpr int kIconSize = 32;

} // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VersionDialog"));
    setWindowTitle(ViewText::versionCaption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(JapaneseFonts::dialogFont());

    auto* icon = new QLabel(this);
    icon->setPixmap(Pictures::icon(kIconId).pixmap(kIconSize, kIconSize));
    auto* version = new QLabel(ViewText::versionText(), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* line = new QHBoxLayout;
    line->addWidget(icon);
    line->addSpacing(kIconSize / 2);
    line->addWidget(version, 1);
    line->addSpacing(kIconSize / 2);
    line->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    new ContextHelpPopupFilter(this);
    ControlHelp::attach(ok, HelpText::okButtonPopup());
}
