#pragma once

#include <QString>

#include "core/UserMessage.h"

/** Texts of the hand-off of web pages to the user's browser and of the shell's "open". */
namespace BrowserText {

/**
 * The browser could not be started.
 *
 * @param description what went wrong, told in the text with what to do
 */
UserMessage startFailed(const QString& description);

/**
 * The started browser ended in failure: exited with a status other than 0, or was ended by a signal. The
 * desktop's opener (xdg-open) has statuses of its own, which are told in words.
 */
UserMessage browserEnded(const QString& program, bool exited, int status);
/** What the failure message says of a browser path that is not a program that can be started. */
QString notExecutable(const QString& path);

/** A web page was asked for while no browser is registered. */
UserMessage notRegistered();

/** The registered browser is a Windows program's path (a data folder brought from Windows). */
UserMessage windowsBrowser(const QString& browserPath);

/** The registered browser is no program of this machine that can be started, and the desktop has no browser. */
UserMessage browserMissing(const QString& browserPath);

/** The registered browser cannot be started: whether the desktop's default browser is to open the page this time. */
UserMessage offerDesktopBrowser(const QString& browserPath);

/**
 * Explanation of a result of the shell's "open": a fixed sentence for each of the failures 0 … 32, empty
 * for a success (any other value).
 */
QString shellOpenExplanation(int result);

/** Trying out a browser to register failed with the given shell result. */
UserMessage browserRegistrationFailed(int result);

/** Trying out a home-page address to register failed with the given shell result. */
UserMessage homePageRegistrationFailed(int result);

/** The file dialog that chooses the browser program: its title, its filter and its two buttons. */
QString browserDialogTitle();
QString browserDialogFilter();
QString browserDialogAccept();
QString browserDialogReject();

/** Whether the tried-out program is the browser to register. */
UserMessage confirmBrowser(const QString& path);

/** Whether the page just opened is the home page to register. */
UserMessage confirmHomePage();

/** The clipboard holds no browser path to register. */
UserMessage noBrowserPathCopied();

/** The clipboard holds no home-page address to register. */
UserMessage noHomePageCopied();

/**
 * An address the browser is not given: neither a web page (http://, https://) nor a page of the
 * installation folder. Nothing is started.
 */
UserMessage pageRefused(const QString& address);
/** The same of an address copied to be registered as the home page; nothing is stored. */
UserMessage homePageRefused(const QString& address);

/** The clipboard holds more than one line, which is no path or address. */
UserMessage clipboardNotOneLine();

} // namespace BrowserText
