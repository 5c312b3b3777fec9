#include "shell/VersionDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/ContextHelpPopupFilter.h"
#include "kit/JapaneseFonts.h"
#include "kit/Pictures.h"
#include "text/HelpText.h"
#include "text/ViewText.h"

namespace {

constexpr int kDialogId = 100;
constexpr int kOkId = 1;
constexpr int kIconId = 200;
constexpr int kIconSize = 32;
constexpr int kPointSize = 9;

} // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("id%1").arg(kDialogId));
    setProperty("controlId", kDialogId);
    setWindowTitle(ViewText::versionCaption());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont dialogFont(JapaneseFonts::kPGothic);
    dialogFont.setPointSize(kPointSize);
    setFont(dialogFont);

    auto* icon = new QLabel(this);
    icon->setPixmap(Pictures::icon(kIconId).pixmap(kIconSize, kIconSize));
    auto* version = new QLabel(ViewText::versionText(), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id%1").arg(kOkId));
    ok->setProperty("controlId", kOkId);
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

    auto* help = new ContextHelpPopupFilter(this);
    help->setText(kOkId, HelpText::okButtonPopup());
}
