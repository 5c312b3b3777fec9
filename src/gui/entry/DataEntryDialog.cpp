#include "gui/entry/DataEntryDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

#include "core/entry/DrawResultText.h"
#include "core/entry/HistoryAverageSigma.h"
#include "core/entry/SelectionAverageSigma.h"
#include "core/store/PageAddress.h"
#include "core/text/EntryText.h"
#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserChoice.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/RegistrantButton.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/BrowserRoom.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/UpDownControl.h"

namespace {

constexpr int kDialogIcon = 200;
const QString kNoRegistrantDraw = QStringLiteral("---");

// Real draws added to the made-up ones would mix the two for good.
UserMessage appendToExampleQuestion()
{
    return {QStringLiteral("過去データの追加"),
            QStringLiteral("いまの過去データは、乱数で作った見本です（本当の抽せん結果ではありません）。\n\n"
                           "ここに本当の当せん番号を加えると、見本と混ざってしまいます。自分の過去データで始めるには、"
                           "CSV ファイルの読み込みか本数字データの更新で、過去データを置き換えて下さい。\n\n"
                           "このまま見本に加えますか？")};
}

// The dialog's own font must be in place before the form measures its controls by it.
QDialog* withDialogFont(QDialog* dialog)
{
    dialog->setFont(JapaneseFonts::dialogFont());
    return dialog;
}

void report(const UserMessage& message)
{
    MessageService::show(message);
}

} // namespace

DataEntryDialog::DataEntryDialog(CVemoDoc& doc, BrowserRoom& room, SelectionHandOver& handOver, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_doc(doc), m_room(room), m_handOver(handOver),
      m_form(withDialogFont(this))
{
    setWindowTitle(EntryText::dataEntryTitle());
    setModal(true);
    connectControls();
    // The form's controls carry their help.
    new ContextHelpPopupFilter(this);
    start();
}

void DataEntryDialog::connectControls()
{
    connect(m_form.appendButton, &QPushButton::clicked, this, &DataEntryDialog::appendDraw);
    connect(m_form.deleteLastButton, &QPushButton::clicked, this, &DataEntryDialog::deleteLastDraw);
    connect(m_form.modifyButton, &QPushButton::clicked, this, &DataEntryDialog::modifyDraw);
    connect(m_form.drawField, &QLineEdit::textChanged, this, &DataEntryDialog::showDrawSelection);
    for (RegistrantButton* button : m_form.registrantButtons)
        connect(button, &RegistrantButton::clicked, this, [this, button] { enterPrediction(button->slot()); });
    connect(m_form.registrantRadios, &QButtonGroup::idClicked, this, &DataEntryDialog::showLatestPrediction);
    connect(m_form.deletePredictionButton, &QPushButton::clicked, this, &DataEntryDialog::deletePrediction);
    connect(m_form.drawSpin, &UpDownControl::stepped, this, &DataEntryDialog::browseDraw);
    m_form.browsedDrawEdit->installEventFilter(this);
    connect(m_form.predictionSpin, &UpDownControl::stepped, this, &DataEntryDialog::browsePredictions);
    connect(m_form.averageButton, &QPushButton::clicked, this, &DataEntryDialog::calculateAverage);
    connect(m_form.cardButton, &QPushButton::clicked, this, &DataEntryDialog::handOverToCard);
    connect(m_form.homePageButton, &QPushButton::clicked, this, &DataEntryDialog::openHomePage);
    connect(m_form.cancelButton, &QPushButton::clicked, this, &DataEntryDialog::reject);
    connect(m_form.okButton, &QPushButton::clicked, this, &DataEntryDialog::accept);
}

void DataEntryDialog::start()
{
    setWindowIcon(Pictures::icon(kDialogIcon));
    const DrawHistory& history = m_doc.history();
    for (int slot = kRegistrantSlots; slot >= 1; --slot) {
        const QString name = m_doc.registrants().name(slot);
        m_form.registrantButtons[std::size_t(slot - 1)]->setRegistrant(name);
        QAbstractButton* radio = m_form.registrantRadios->button(slot);
        radio->setEnabled(!name.isEmpty());
        if (!name.isEmpty())
            radio->setChecked(true);
    }
    showHistoryStatistics();
    m_form.drawField->setText(QString::number(history.drawCount() + 1));
    showBrowsedDraw(history.drawCount());
    showLargestDraws();
    showLatestPrediction();

    if (m_handOver.handedOver) {
        setTicks(m_handOver.ticks);
        if (auto statistics = SelectionAverageSigma::of(tickedNumbers()); statistics.ok())
            m_form.selectionEdit->setText(statistics.value().text());
    }

    adjustSize();
    move((ScreenScale::width() - width()) / 2, (ScreenScale::height() - height()) / 2);
}

void DataEntryDialog::done(int result)
{
    m_room.restoreFullScreen();
    QDialog::done(result);
}

void DataEntryDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    Q_EMIT moved(geometry().topLeft());
}

void DataEntryDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter ends the dialog as its hidden OK button would.
    if (event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return)
        m_form.okButton->click();
    else
        QDialog::keyPressEvent(event);
}

bool DataEntryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.browsedDrawEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            browseDraw(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- the history ---

void DataEntryDialog::appendDraw()
{
    if (m_doc.historyIsExample() && !MessageService::confirm(appendToExampleQuestion()))
        return;
    if (auto fault = m_doc.appendDraw(tickedNumbers())) {
        report(*fault);
        return;
    }
    setTicks({});
    refreshAfterHistoryEdit();
}

void DataEntryDialog::modifyDraw()
{
    const QString drawText = m_form.drawField->text();
    if (!MessageService::confirm(StoreText::confirmModify(drawText)))
        return;
    if (auto fault = m_doc.modifyDraw(drawText, tickedNumbers())) {
        report(*fault);
        return;
    }
    setTicks({});
    refreshAfterHistoryEdit();
}

void DataEntryDialog::deleteLastDraw()
{
    const int drawCount = m_doc.history().drawCount();
    // An empty history has nothing to ask about; the history itself says so.
    if (drawCount > 0 && !MessageService::confirm(StoreText::confirmDeleteLast(drawCount)))
        return;
    if (auto fault = m_doc.deleteLastDraw()) {
        report(*fault);
        return;
    }
    refreshAfterHistoryEdit();
}

void DataEntryDialog::showDrawSelection()
{
    setTicks(m_doc.history().drawSelection(m_form.drawField->text().trimmed().toInt()));
}

void DataEntryDialog::refreshAfterHistoryEdit()
{
    const int drawCount = m_doc.history().drawCount();
    m_form.drawField->setText(QString::number(drawCount + 1));
    showHistoryStatistics();
    showBrowsedDraw(drawCount);
    showLatestPrediction();
}

void DataEntryDialog::showHistoryStatistics()
{
    const HistoryAverageSigma statistics = HistoryAverageSigma::of(m_doc.history());
    for (const UserMessage& warning : statistics.warnings)
        report(warning);
    m_form.averageEdit->setText(statistics.averageText());
    m_form.sigmaEdit->setText(statistics.sigmaText());
}

// --- browsing results and predictions ---

void DataEntryDialog::browseDraw(int delta)
{
    const int slot = tickedSlot();
    const int limit = slot == 0 ? 0 : m_form.predictionDrawEdits[std::size_t(slot - 1)]->text().trimmed().toInt();
    showBrowsedDraw(EntryBrowsing::nextDraw(m_browsedDraw, delta, limit, m_doc.history().drawCount()));
    showLatestPrediction();
}

void DataEntryDialog::showBrowsedDraw(int draw)
{
    m_browsedDraw = draw;
    m_form.browsedDrawEdit->setText(QString::number(draw));
    const DrawResultText result = DrawResultText::of(m_doc.history(), draw);
    if (result.warning)
        report(*result.warning);
    m_form.resultEdit->setText(result.text);
}

void DataEntryDialog::showLatestPrediction()
{
    auto latest = m_doc.registrants().predictionFile(shownSlot()).latestPrediction(m_browsedDraw);
    if (!latest.ok())
        report(latest.error());
    const std::optional<PredictionRecord> prediction = latest.ok() ? latest.value() : std::nullopt;
    m_form.predictionLabelEdit->setText(prediction ? EntryText::predictionLabel(prediction->index) : QString());
    m_form.predictionEdit->setText(PredictionFile::numbersText(prediction));
    m_form.predictionSpin->setEnabled(prediction.has_value());
    m_predictionSpin.recordHighest(prediction ? prediction->index : 0);
}

void DataEntryDialog::browsePredictions(int delta)
{
    const std::optional<int> candidate = m_predictionSpin.candidate(delta);
    if (!candidate)
        return;
    auto found = m_doc.registrants().predictionFile(shownSlot()).predictionByNumber(m_browsedDraw, *candidate);
    if (!found.ok()) {
        report(found.error());
        return;
    }
    if (!found.value())
        return;
    m_predictionSpin.show(*candidate);
    m_form.predictionEdit->setText(PredictionFile::numbersText(found.value()));
    m_form.predictionLabelEdit->setText(EntryText::predictionLabel(*candidate));
}

int DataEntryDialog::tickedSlot() const
{
    return std::max(m_form.registrantRadios->checkedId(), 0);
}

int DataEntryDialog::shownSlot() const
{
    if (const int slot = tickedSlot())
        return slot;
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        if (m_doc.registrants().isRegistered(slot))
            return slot;
    }
    return 0;
}

// --- the registrants' predictions ---

void DataEntryDialog::enterPrediction(int slot)
{
    const QList<int> numbers = tickedNumbers();
    QLineEdit* drawEdit = m_form.predictionDrawEdits[std::size_t(slot - 1)];
    bool isNumber = false;
    int draw = drawEdit->text().trimmed().toInt(&isNumber);
    // Text that is no draw number is refused as a draw below 1 is, with the range to use.
    if (!isNumber)
        draw = 0;
    if (auto fault = m_doc.addPrediction(slot, draw, numbers)) {
        report(*fault);
        return;
    }
    setTicks({});
    drawEdit->setText(QString::number(draw + 1));
    m_form.registrantRadios->button(slot)->setChecked(true);
    accept();
    Q_EMIT predictionEntered(draw, numbers);
}

void DataEntryDialog::deletePrediction()
{
    const int slot = tickedSlot();
    if (slot == 0) {
        report(EntryText::nothingToDelete());
        return;
    }
    if (auto fault = m_doc.deletePrediction(slot, m_browsedDraw, m_predictionSpin.shown())) {
        report(*fault);
        m_form.predictionEdit->setText(EntryText::missingPrediction());
        return;
    }
    // What is shown now is what another press would delete: the draw's remaining latest prediction.
    showLatestPrediction();
    showLargestDraws();
    Q_EMIT predictionDeleted();
}

void DataEntryDialog::showLargestDraws()
{
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        QLineEdit* edit = m_form.predictionDrawEdits[std::size_t(slot - 1)];
        if (!m_doc.registrants().isRegistered(slot)) {
            edit->setText(kNoRegistrantDraw);
            continue;
        }
        auto largest = m_doc.registrants().predictionFile(slot).largestDraw();
        if (!largest.ok())
            report(largest.error());
        edit->setText(QString::number(largest.ok() ? largest.value() : 0));
    }
}

// --- the rest ---

void DataEntryDialog::calculateAverage()
{
    auto statistics = SelectionAverageSigma::of(tickedNumbers());
    if (!statistics.ok()) {
        report(statistics.error());
        return;
    }
    m_form.selectionEdit->setText(statistics.value().text());
}

void DataEntryDialog::handOverToCard()
{
    m_handOver.handedOver = true;
    for (int n = 1; n <= kNumberCount; ++n)
        m_handOver.ticks[std::size_t(n - 1)] = m_form.numberBoxes[std::size_t(n - 1)]->isChecked();
    accept();
    Q_EMIT numberCardRequested();
}

void DataEntryDialog::openHomePage()
{
    const PathSettings& settings = m_doc.pathSettings();
    if (settings.browserPath.isEmpty()) {
        m_room.makeWayForBrowser();
        report(BrowserText::notRegistered());
        return;
    }
    // A browser that cannot start, or a page it must not be given, is found out before the main window
    // makes way for it.
    const std::optional<QString> page = PageAddress::forBrowser(settings.homePageUrl, m_doc.paths());
    if (!page) {
        report(BrowserText::pageRefused(settings.homePageUrl));
        return;
    }
    const std::optional<QString> browserPath = BrowserChoice::browserToStart(settings.browserPath);
    if (!browserPath)
        return;
    m_room.makeWayForBrowser();
    // One that ends in failure brings the main window back beside the dialog, with the reason.
    auto started = BrowserService::startBrowser(*browserPath, *page, [this](const UserMessage& message) {
        m_room.restoreFullScreen();
        report(message);
    });
    if (!started.ok()) {
        m_room.restoreFullScreen();
        report(started.error());
        return;
    }
    m_browser = std::move(started).value();
}

void DataEntryDialog::reject()
{
    BrowserService::closeBrowser(m_browser);
    QDialog::reject();
}

QList<int> DataEntryDialog::tickedNumbers() const
{
    QList<int> numbers;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (m_form.numberBoxes[std::size_t(n - 1)]->isChecked())
            numbers.append(n);
    }
    return numbers;
}

void DataEntryDialog::setTicks(const std::array<bool, kNumberCount>& ticks)
{
    for (int n = 1; n <= kNumberCount; ++n)
        m_form.numberBoxes[std::size_t(n - 1)]->setChecked(ticks[std::size_t(n - 1)]);
}
