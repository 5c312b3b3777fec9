#include "gui/entry/CsvExchange.h"

#include "core/exchange/CsvTable.h"
#include "core/exchange/HistoryCsv.h"
#include "core/store/DrawHistory.h"
#include "core/text/ExchangeText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/FileDialogs.h"
#include "gui/kit/MessageService.h"

namespace {

const QString kDefaultName = QStringLiteral("KakoData.csv");

void showFault(const UserMessage& fault)
{
    MessageService::show(fault, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
}

} // namespace

CsvExchange::CsvExchange(CVemoDoc& doc, QWidget* owner) : m_doc(doc), m_owner(owner)
{
}

void CsvExchange::exportHistory()
{
    const Result<QByteArray> csv = HistoryCsv::encode(m_doc.history());
    if (!csv.ok()) {
        showFault(csv.error());
        return;
    }
    const std::optional<QString> path = chooseFile(Purpose::Export);
    if (!path)
        return;
    if (const Status fault = CsvTable::save(m_doc.paths(), *path, csv.value())) {
        showFault(*fault);
        return;
    }
    MessageService::show(ExchangeText::exportDone(*path, m_doc.history().drawCount()), MessageService::Buttons::Ok,
                         MessageService::Icon::Information);
}

bool CsvExchange::importHistory()
{
    const std::optional<QString> path = chooseFile(Purpose::Import);
    if (!path)
        return false;
    const Result<FlagLines> lines = HistoryCsv::readFile(*path);
    if (!lines.ok()) {
        showFault(lines.error());
        return false;
    }
    const int drawCount = m_doc.history().drawCount();
    if (!MessageService::confirm(ExchangeText::confirmImport(*path, int(lines.value()[0].size()), drawCount)))
        return false;
    // The replaced history goes to the backups, so the menu's undo brings it back.
    if (const Status fault = m_doc.replaceHistory(lines.value())) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return false;
    }
    MessageService::show(ExchangeText::importDone(m_doc.history().drawCount()), MessageService::Buttons::Ok,
                         MessageService::Icon::Information);
    return true;
}

std::optional<QString> CsvExchange::chooseFile(Purpose purpose) const
{
    if (purpose == Purpose::Export)
        return FileDialogs::csvToSave(m_owner, m_doc.paths(), ExchangeText::exportDialogTitle(), kDefaultName);
    return FileDialogs::csvToOpen(m_owner, ExchangeText::importDialogTitle());
}
