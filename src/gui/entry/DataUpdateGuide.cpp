#include "gui/entry/DataUpdateGuide.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>

#include "core/store/PageAddress.h"
#include "core/store/PathSettings.h"
#include "core/store/UpdatePage.h"
#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserChoice.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/ClipboardImport.h"
#include "gui/entry/DataEntryDrawings.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/BrowserRoom.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"

namespace {

constexpr int kCancelPicture = 401;
constexpr int kImportPicture = 402;
constexpr int kGuidePicture = 403;
// The guide's width and its picture's side on the 800 × 600 design screen; the steps wrap to fit.
constexpr int kGuideWidth = 236;
constexpr int kPictureSide = 52;

// Drawn at the size it is shown, so that it stays sharp on every screen.
QPixmap pictureAt(int id, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Pictures::paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), id);
    return pixmap;
}

} // namespace

void DataUpdateGuide::showGuide(QPointer<DataUpdateGuide>& guide, CVemoDoc& doc, QWidget& owner, BrowserRoom& room)
{
    // An open guide goes with its browser; the new one starts its own.
    if (guide)
        guide->end();
    // Nothing moves before the browser is known to start.
    const std::optional<QString> browserPath = BrowserChoice::browserToStart(doc.pathSettings().browserPath);
    if (!browserPath)
        return;
    const QString address = UpdatePage::address(doc.paths());
    const std::optional<QString> page = PageAddress::forBrowser(address, doc.paths());
    if (!page) {
        MessageService::show(BrowserText::pageRefused(address), MessageService::Buttons::Ok,
                             MessageService::Icon::Critical);
        return;
    }
    room.makeWayForBrowser();
    auto* made = new DataUpdateGuide(doc, owner, room);
    // A browser that ends in failure leaves the guide nothing to guide to: the main window comes back first.
    Result<BrowserService::Process> started =
        BrowserService::startBrowser(*browserPath, *page, [made = QPointer(made)](const UserMessage& message) {
            if (made)
                made->end();
            MessageService::show(message, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        });
    if (!started.ok()) {
        delete made;
        MessageService::show(started.error(), MessageService::Buttons::Ok, MessageService::Icon::Critical);
        room.restoreFullScreen();
        return;
    }
    made->m_browser = std::move(started).value();
    guide = made;
    guide->show();
    guide->move(ScreenScale::width() - guide->frameGeometry().width(), 0);
}

DataUpdateGuide::DataUpdateGuide(CVemoDoc& doc, QWidget& owner, BrowserRoom& room)
    : QDialog(&owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), m_doc(doc),
      m_room(room)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("DataUpdateGuide"));
    setWindowTitle(QString());
    setFont(JapaneseFonts::font(JapaneseFonts::kPGothic, ScreenScale::y(12)));
    createControls();
    installHelp();
}

DataUpdateGuide::~DataUpdateGuide()
{
    // Whatever ends the guide, even the end of the program, ends the browser it started.
    BrowserService::closeBrowser(m_browser);
}

void DataUpdateGuide::createControls()
{
    auto* picture = new QLabel(this);
    picture->setPixmap(pictureAt(kGuidePicture, QSize(ScreenScale::y(kPictureSide), ScreenScale::y(kPictureSide))));

    const QSize buttonSize(ScreenScale::x(DataEntryDrawings::kButtonSize.width()),
                           ScreenScale::y(DataEntryDrawings::kButtonSize.height()));
    m_importButton = new BitmapButton(QStringLiteral("importButton"), kImportPicture, this);
    m_importButton->setAccessibleName(StoreText::updateGuideImportButton());
    m_importButton->setFixedSize(buttonSize);
    m_importButton->setDefault(true);
    connect(m_importButton, &BitmapButton::clicked, this, &DataUpdateGuide::importFromClipboard);
    m_cancelButton = new BitmapButton(QStringLiteral("cancelButton"), kCancelPicture, this);
    m_cancelButton->setAccessibleName(StoreText::updateGuideCancelButton());
    m_cancelButton->setFixedSize(buttonSize);
    connect(m_cancelButton, &BitmapButton::clicked, this, &DataUpdateGuide::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_importButton);
    buttons->addWidget(m_cancelButton);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addStretch();
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(ScreenScale::y(4));
    for (const QString& line : StoreText::updateGuideLines()) {
        auto* step = new QLabel(line, this);
        step->setWordWrap(true);
        layout->addWidget(step);
    }
    const int width = ScreenScale::x(kGuideWidth);
    setFixedSize(width, layout->heightForWidth(width));
}

void DataUpdateGuide::installHelp()
{
    new ContextHelpPopupFilter(this);
    ControlHelp::attach(m_importButton, HelpText::okButtonPopup());
    ControlHelp::attach(m_cancelButton, HelpText::cancelButtonPopup());
}

void DataUpdateGuide::importFromClipboard()
{
    CVemoDoc& doc = m_doc;
    end();
    ClipboardImport::importFromClipboard(doc);
}

void DataUpdateGuide::reject()
{
    end();
}

void DataUpdateGuide::end()
{
    m_room.restoreFullScreen();
    BrowserService::closeBrowser(m_browser);
    QDialog::reject();
}
