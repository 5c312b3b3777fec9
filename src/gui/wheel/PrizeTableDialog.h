#pragma once

#include <QDialog>

#include <array>

#include "core/store/HistoryFormat.h"
#include "core/store/PrizeTable.h"

class CVemoDoc;
class QSpinBox;

/**
 * 「当せん金の表」: the player types what each prize class pays (the last draw's amounts, say) and what a
 * ticket costs; the table is stored in the data folder through the document, or removed.
 */
class PrizeTableDialog : public QDialog {
    Q_OBJECT
public:
    /** Shows the table kept (or why the one in the data folder is not used) and stores what the player keeps. */
    static void edit(CVemoDoc& doc, QWidget* parent);

private:
    PrizeTableDialog(const std::optional<PrizeTable>& table, QWidget* parent);

    PrizeTable table() const;

    std::array<QSpinBox*, kNumbersPerDraw + 1> m_amounts{};
    QSpinBox* m_price = nullptr;
    /** The player chose to remove the table rather than keep one. */
    bool m_removeChosen = false;
};
