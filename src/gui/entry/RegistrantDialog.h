#pragma once

#include <QDialog>

#include <array>

#include "core/store/Registrants.h"

class CVemoDoc;
class QGridLayout;
class QLineEdit;
class SlotImageButton;

/**
 * The modal dialog that names the five registrants: OK registers each newly typed name (creating
 * or renaming the slot's prediction file), a slot's picture button removes a registered slot after a
 * confirmation. Every change goes through the document, which says what changed.
 */
class RegistrantDialog : public QDialog {
    Q_OBJECT
public:
    explicit RegistrantDialog(CVemoDoc& doc, QWidget* parent = nullptr);

    void accept() override;

Q_SIGNALS:
    /** A slot button was used or OK registered the names: whoever shows the slots looks again. */
    void registrantCheckRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void addSlotRow(QGridLayout* grid, int slot);
    void handleSlotButton(int slot);
    void removeRegistrant(int slot);
    bool registerTypedNames();
    bool isTyped(int slot) const;
    QLineEdit* nameEdit(int slot) const { return m_nameEdits.at(std::size_t(slot - 1)); }
    SlotImageButton* slotButton(int slot) const { return m_slotButtons.at(std::size_t(slot - 1)); }

    CVemoDoc& m_doc;
    std::array<QLineEdit*, kRegistrantSlots> m_nameEdits{};
    std::array<SlotImageButton*, kRegistrantSlots> m_slotButtons{};
};
