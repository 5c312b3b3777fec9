#include "gui/entry/RegistrantDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "core/entry/RegistrantSlots.h"
#include "core/text/EntryText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/RegistrantPictures.h"
#include "gui/entry/SlotImageButton.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/Pictures.h"

namespace {

constexpr int kFirstFramePicture = 263;
constexpr int kOkPicture = 387;
constexpr int kCancelPicture = 386;
constexpr int kMaxNameCharacters = 10;

// The colour frame shows this far around its edit.
int frameBorder(const QLineEdit* edit)
{
    return edit->height() / 4;
}

} // namespace

RegistrantDialog::RegistrantDialog(CVemoDoc& doc, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_doc(doc)
{
    setWindowTitle(EntryText::registrantDialogTitle());
    setFont(JapaneseFonts::dialogFont());
    const int unit = fontMetrics().height();

    auto* instructions = new QLabel(EntryText::registrantDialogInstructions(), this);
    instructions->setWordWrap(true);
    instructions->setFixedWidth(unit * 28);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(unit);
    grid->setVerticalSpacing(unit);
    for (int slot = 1; slot <= kRegistrantSlots; ++slot)
        addSlotRow(grid, slot);

    auto* okButton = new BitmapButton(QStringLiteral("okButton"), kOkPicture, this);
    auto* cancelButton = new BitmapButton(QStringLiteral("cancelButton"), kCancelPicture, this);
    okButton->setAccessibleName(EntryText::registrantOkButton());
    cancelButton->setAccessibleName(EntryText::registrantCancelButton());
    okButton->setDefault(true);
    const QSize buttonSize = RegistrantPictures::kButtonFaceSize.scaled(unit * 8, unit * 2, Qt::KeepAspectRatio);
    okButton->setFixedSize(buttonSize);
    cancelButton->setFixedSize(buttonSize);
    connect(okButton, &QPushButton::clicked, this, &RegistrantDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &RegistrantDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(grid);
    centred->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(unit * 3 / 2, unit, unit * 3 / 2, unit);
    column->setSpacing(unit * 3 / 2);
    column->addWidget(instructions);
    column->addLayout(centred);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    new ContextHelpPopupFilter(this);
    ControlHelp::attach(okButton, HelpText::okButtonPopup());
    ControlHelp::attach(cancelButton, HelpText::cancelButtonPopup());
}

void RegistrantDialog::addSlotRow(QGridLayout* grid, int slot)
{
    auto* edit = new QLineEdit(m_doc.registrants().name(slot), this);
    edit->setObjectName(QStringLiteral("registrantName%1").arg(slot));
    ControlHelp::attach(edit, EntryText::registrantNameHelp(slot));
    edit->setMaxLength(kMaxNameCharacters);
    // The edit takes its height from the names' font, so the text fills the edit's inside.
    const QFont nameFont = JapaneseFonts::font(JapaneseFonts::kGothic, fontMetrics().height() * 2 - 4);
    edit->setFont(nameFont);
    const int textWidth = QFontMetrics(nameFont).horizontalAdvance(QString(kMaxNameCharacters / 2, QChar(0x5C71)));
    edit->setFixedSize(textWidth + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8,
                       edit->sizeHint().height());
    edit->installEventFilter(this);
    m_nameEdits.at(std::size_t(slot - 1)) = edit;

    auto* button = new SlotImageButton(slot, this);
    ControlHelp::attach(button, EntryText::registrantSlotHelp(slot));
    const int buttonHeight = edit->height() * 3 / 2;
    button->setFixedSize(buttonHeight * RegistrantPictures::kSlotStateSize.width()
                             / RegistrantPictures::kSlotStateSize.height(),
                         buttonHeight);
    button->setRegistered(m_doc.registrants().isRegistered(slot));
    connect(button, &SlotImageButton::clicked, this, [this, slot] { handleSlotButton(slot); });
    m_slotButtons.at(std::size_t(slot - 1)) = button;

    grid->addWidget(button, slot - 1, 0);
    grid->addWidget(edit, slot - 1, 1);
}

bool RegistrantDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
            if (watched == nameEdit(slot))
                slotButton(slot)->setChecked(true);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RegistrantDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const QLineEdit* edit = nameEdit(slot);
        const int border = frameBorder(edit);
        Pictures::paint(painter, QRectF(edit->geometry().adjusted(-border, -border, border, border)),
                        kFirstFramePicture + slot - 1);
    }
}

void RegistrantDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->geometry().center() - rect().center());
}

void RegistrantDialog::handleSlotButton(int slot)
{
    if (m_doc.registrants().isRegistered(slot)
        && MessageService::show(EntryText::confirmRemoveRegistrant(), MessageService::Buttons::YesNo,
                                MessageService::Icon::Information)
               == MessageService::Answer::Yes)
        removeRegistrant(slot);
    Q_EMIT registrantCheckRequested();
    nameEdit(1)->setFocus();
}

void RegistrantDialog::removeRegistrant(int slot)
{
    if (const Status fault = m_doc.removeRegistrant(slot)) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    nameEdit(slot)->setText(QString());
    slotButton(slot)->setRegistered(false);
}

void RegistrantDialog::accept()
{
    if (!registerTypedNames())
        return;
    Q_EMIT registrantCheckRequested();
    QDialog::accept();
}

bool RegistrantDialog::isTyped(int slot) const
{
    return nameEdit(slot)->isModified() && !nameEdit(slot)->text().isEmpty();
}

bool RegistrantDialog::registerTypedNames()
{
    // Every typed name is checked before any file changes, so that one refused name changes nothing.
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        if (!isTyped(slot))
            continue;
        if (const Status refusal = RegistrantSlots::checkName(nameEdit(slot)->text())) {
            MessageService::show(*refusal, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
            nameEdit(slot)->setFocus();
            nameEdit(slot)->selectAll();
            return false;
        }
    }
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        if (!isTyped(slot))
            continue;
        if (const Status fault = m_doc.nameRegistrant(slot, nameEdit(slot)->text())) {
            MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
            nameEdit(slot)->setFocus();
            return false;
        }
        // A slot already done is not done again when OK is pressed once more.
        nameEdit(slot)->setModified(false);
        slotButton(slot)->setRegistered(true);
    }
    return true;
}
