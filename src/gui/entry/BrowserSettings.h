#pragma once

#include <QString>

#include <optional>

#include "core/UserMessage.h"

class CVemoDoc;
class QWidget;
struct PathSettings;

/**
 * The settings commands of the browser program and the home-page address. Each candidate is opened
 * for a try first and confirmed by the user; only then is it stored in PathData.txt and read back.
 */
class BrowserSettings {
public:
    BrowserSettings(CVemoDoc& doc, QWidget* owner);

    /** The browser program chosen in a file dialog. */
    void chooseBrowserByDialog();
    /** The browser path copied to the clipboard. */
    void chooseBrowserFromClipboard();
    /** The home-page address copied to the clipboard. */
    void setHomePageFromClipboard();

private:
    std::optional<QString> browserPathFromDialog() const;
    /** The one line on the clipboard, which is emptied; nothing (after a message) when there is none. */
    static std::optional<QString> takeClipboardLine(const UserMessage& whenEmpty);
    static bool tryOpen(const QString& text, UserMessage (*failure)(int result));
    void registerBrowser(const QString& path);
    bool store(const PathSettings& settings);

    CVemoDoc& m_doc;
    QWidget* m_owner;
};
